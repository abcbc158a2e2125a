#include <gtest/gtest.h>

#include "tests/client/table_harness.h"

namespace tess::testing {
namespace {

using Button = MoveInput::Button;

// Seat 1's own turn on a table set by the late joiner's stats: foundations and tab
// spots as given, the hand as given.
void ownTurn(Table& t, const std::string& board, const std::string& hand) {
    t.join(1, true);
    ASSERT_TRUE(t.feed("CMD_startgame+You+100+90+"));
    ASSERT_TRUE(t.feed("CMD_mycards+1" + hand));
    ASSERT_TRUE(t.feed("CMD_gamestats+1+100+90+94+2+10+1" + board));
    ASSERT_TRUE(t.feed("CMD_nextplayer+1+"));
    t.events.clear();
}

enum class Act { press, tab, found };
struct Click {
    Act act;
    int n;
};

struct MoveCase {
    const char* name;
    std::string board;  // gamestats entries
    std::string hand;   // mycards pairs
    std::vector<Click> clicks;
    std::vector<std::string> sent;
    std::string kings;  // shown in the kings panel, empty when hidden
    std::vector<std::string> sounds;
    std::vector<std::string> boxes;
};

TEST(TableMoves, RefusesWhatTheClientCanSeeAndSendsTheRest) {
    const std::string emptyBoard;
    const std::string kingOnTab2 = "+t+2+26+0+a";
    const std::string fiveHeartsOnTab2 = "+t+2+18+0+a";
    const std::string kingClubsOnFound3 = "+f+3+13+0+a";
    const std::string aceOnFound1 = "+f+1+1+0+a";
    const std::vector<MoveCase> cases{
        {"a king onto an empty tab spot",
         emptyBoard,
         "+1+13",
         {{Act::press, 1}, {Act::tab, 2}},
         {},
         "Kings can only be placed on foundation spots.",
         {"invalid"},
         {}},
        {"anything onto a king, a king too",
         kingOnTab2,
         "+1+39",
         {{Act::press, 1}, {Act::tab, 2}},
         {},
         "Kings must be moved to foundation before you can play that card.",
         {"invalid"},
         {}},
        {"one lower, other colour",
         fiveHeartsOnTab2,
         "+3+4",
         {{Act::press, 3}, {Act::tab, 2}},
         {"CMD_handplay+1+3+2+"},
         "",
         {},
         {}},
        {"same colour",
         fiveHeartsOnTab2,
         "+3+17",
         {{Act::press, 3}, {Act::tab, 2}},
         {},
         "",
         {"invalid"},
         {}},
        {"two lower",
         fiveHeartsOnTab2,
         "+3+3",
         {{Act::press, 3}, {Act::tab, 2}},
         {},
         "",
         {"invalid"},
         {}},
        {"any card onto an empty tab spot",
         emptyBoard,
         "+3+4",
         {{Act::press, 3}, {Act::tab, 1}},
         {"CMD_handplay+1+3+1+"},
         "",
         {},
         {}},
        {"a king onto an empty foundation",
         emptyBoard,
         "+2+52",
         {{Act::press, 2}, {Act::found, 3}},
         {"CMD_handfound+1+2+3+"},
         "",
         {},
         {}},
        {"no king onto an empty foundation",
         emptyBoard,
         "+2+12",
         {{Act::press, 2}, {Act::found, 3}},
         {},
         "",
         {"invalid"},
         {}},
        {"queen of hearts onto the king of clubs",
         kingClubsOnFound3,
         "+2+25",
         {{Act::press, 2}, {Act::found, 3}},
         {"CMD_handfound+1+2+3+"},
         "",
         {},
         {}},
        {"queen of clubs onto the king of clubs",
         kingClubsOnFound3,
         "+2+12",
         {{Act::press, 2}, {Act::found, 3}},
         {},
         "",
         {"invalid"},
         {}},
        {"a finished foundation",
         aceOnFound1,
         "+2+12",
         {{Act::press, 2}, {Act::found, 1}},
         {},
         "",
         {},
         {"filled"}},
        {"nothing selected onto a foundation",
         emptyBoard,
         "+2+12",
         {{Act::found, 1}},
         {},
         "",
         {"invalid"},
         {}},
        {"a pile onto a tab spot",
         "+t+1+4+0+a" + fiveHeartsOnTab2,
         "+1+1",
         {{Act::tab, 1}, {Act::tab, 2}},
         {"CMD_tabplay+1+1+2+"},
         "",
         {},
         {}},
        {"a pile moves by its first card",
         "+t+1+4+1+a" + fiveHeartsOnTab2,
         "+1+1",
         {{Act::tab, 1}, {Act::tab, 2}},
         {"CMD_tabplay+1+1+2+"},
         "",
         {},
         {}},
        {"a pile onto a foundation",
         "+t+4+12+0+a" + kingClubsOnFound3 + "+f+2+26+0+a",
         "+1+1",
         {{Act::tab, 4}, {Act::found, 2}},
         {"CMD_tabfound+1+4+2+"},
         "",
         {},
         {}},
        {"a king's pile onto a tab spot",
         "+t+1+13+0+a",
         "+1+1",
         {{Act::tab, 1}, {Act::tab, 3}},
         {},
         "Kings can only be placed on foundation spots.",
         {"invalid"},
         {}},
        {"selecting an empty spot",
         emptyBoard,
         "+1+1",
         {{Act::tab, 3}},
         {},
         "",
         {},
         {"You cannot select that"}},
        {"the card raised last counts",
         fiveHeartsOnTab2,
         "+3+4+5+17",
         {{Act::press, 5}, {Act::press, 3}, {Act::tab, 2}},
         {"CMD_handplay+1+3+2+"},
         "",
         {},
         {}},
        {"a lowered card is no selection",
         fiveHeartsOnTab2,
         "+3+4",
         {{Act::press, 3}, {Act::press, 3}, {Act::found, 1}},
         {},
         "",
         {"invalid"},
         {}},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        Table t;
        ownTurn(t, c.board, c.hand);
        for (const Click& click : c.clicks) {
            if (click.act == Act::press) t.model.input().pressHandCard(click.n, Button::left);
            if (click.act == Act::tab) t.model.input().clickTabSpot(click.n);
            if (click.act == Act::found) t.model.input().clickFoundation(click.n);
        }
        EXPECT_EQ(t.events.sent, c.sent);
        EXPECT_EQ(t.model.input().canact(), c.sent.empty());
        EXPECT_EQ(t.model.input().kingsVisible(), !c.kings.empty());
        if (!c.kings.empty()) {
            EXPECT_EQ(t.model.input().kingsText(), c.kings);
        }
        EXPECT_EQ(t.events.sounds, c.sounds);
        EXPECT_EQ(t.events.boxes, c.boxes);
    }
}

TEST(TableMoves, NothingMovesOutsideTheOwnTurnOrWithoutAConnection) {
    Table t;
    t.join(2);
    ASSERT_TRUE(t.feed("CMD_mycards+2+1+13+2+4"));
    ASSERT_TRUE(t.feed("CMD_foundcards+1+18+2+5+3+0+4+0"));
    ASSERT_TRUE(t.feed("CMD_nextplayer+1+"));
    const std::string before = snapshot(t.model);
    t.model.input().pressHandCard(2, Button::left);
    t.model.input().clickTabSpot(1);
    t.model.input().clickFoundation(1);
    t.model.input().clickDrawPile();
    EXPECT_EQ(snapshot(t.model), before);
    EXPECT_TRUE(t.events.sent.empty());
    EXPECT_EQ(t.events.refusals, std::vector<std::string>(4, "It is not your turn"));
    EXPECT_TRUE(t.events.sounds.empty());

    Table offline;  // a turn can only be own once logged in, but the rule holds anyway
    ASSERT_TRUE(offline.feed("CMD_nextplayer+0+") == false);
    offline.model.input().toggleJustWatch();
    EXPECT_TRUE(offline.events.sent.empty());
}

TEST(TableMoves, ARefusedMoveSaysWhyWithItsSound) {
    const std::string fiveHeartsOnTab2 = "+t+2+18+0+a";
    const std::string kingClubsOnFound3 = "+f+3+13+0+a";
    struct Case {
        const char* name;
        std::string board, hand;
        std::vector<Click> clicks;
        const char* reason;  // nullptr: no reason given
    };
    const std::vector<Case> cases{
        {"same colour",
         fiveHeartsOnTab2,
         "+3+17",
         {{Act::press, 3}, {Act::tab, 2}},
         "Cards must be one lower and of the other colour"},
        {"two lower",
         fiveHeartsOnTab2,
         "+3+3",
         {{Act::press, 3}, {Act::tab, 2}},
         "Cards must be one lower and of the other colour"},
        {"a king onto a card",
         fiveHeartsOnTab2,
         "+3+13",
         {{Act::press, 3}, {Act::tab, 2}},
         "Kings go on foundations"},
        {"no king onto an empty foundation",
         "",
         "+2+12",
         {{Act::press, 2}, {Act::found, 3}},
         "Only kings go on an empty foundation"},
        {"a pile onto an empty foundation",
         "+t+1+4+0+a",
         "+1+1",
         {{Act::tab, 1}, {Act::found, 2}},
         "Only kings go on an empty foundation"},
        {"same colour onto a foundation",
         kingClubsOnFound3,
         "+2+12",
         {{Act::press, 2}, {Act::found, 3}},
         "Cards must be one lower and of the other colour"},
        {"the kings panel says it itself", "", "+1+13", {{Act::press, 1}, {Act::tab, 2}}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Table t;
        ownTurn(t, c.board, c.hand);
        for (const Click& click : c.clicks) {
            if (click.act == Act::press) t.model.input().pressHandCard(click.n, Button::left);
            if (click.act == Act::tab) t.model.input().clickTabSpot(click.n);
            if (click.act == Act::found) t.model.input().clickFoundation(click.n);
        }
        EXPECT_TRUE(t.events.sent.empty());
        EXPECT_EQ(t.events.sounds, std::vector<std::string>{"invalid"});
        EXPECT_EQ(t.events.refusals,
                  c.reason ? std::vector<std::string>{c.reason} : std::vector<std::string>{});
    }
}

TEST(TableMoves, SelectingASpotFramesItAndASecondClickLetsGo) {
    Table t;
    ownTurn(t, "+t+1+4+0+a+t+2+18+11+a", "+1+1");
    t.model.input().clickTabSpot(2);
    EXPECT_EQ(t.model.input().selectedtab(), 2);
    ASSERT_TRUE(t.model.input().highlightVisible());
    EXPECT_EQ(t.model.input().highlight().left, 4);  // two cards shown on spot 2
    EXPECT_EQ(t.model.input().highlight().width, 88);
    t.model.input().clickTabSpot(2);
    EXPECT_EQ(t.model.input().selectedtab(), 0);
    EXPECT_FALSE(t.model.input().highlightVisible());
    t.model.input().clickTabSpot(1);
    EXPECT_EQ(t.model.input().highlight().height, 88);
    t.model.input().pressHandCard(1, Button::left);  // a card press drops the spot
    EXPECT_EQ(t.model.input().selectedtab(), 0);
    EXPECT_EQ(t.model.input().selectedcard(), 1);
}

TEST(TableMoves, TheKingsPanelClosesOnOkOnTheNextPressOrSpotClick) {
    Table t;
    ownTurn(t, "", "+1+13");
    t.model.input().pressHandCard(1, Button::left);
    t.model.input().clickTabSpot(1);
    ASSERT_TRUE(t.model.input().kingsVisible());
    t.model.input().dismissKings();
    EXPECT_FALSE(t.model.input().kingsVisible());
    t.model.input().clickTabSpot(1);
    ASSERT_TRUE(t.model.input().kingsVisible());
    t.model.input().pressHandCard(1, Button::right);
    EXPECT_FALSE(t.model.input().kingsVisible());
}

TEST(TableMoves, DrawingEndsTheTurnAndTheMoverActsAgainAfterEachAnnouncement) {
    Table t;
    ownTurn(t, "+t+2+18+0+a", "+1+4+2+30");
    t.model.input().pressHandCard(1, Button::left);
    t.model.input().clickTabSpot(2);
    EXPECT_FALSE(t.model.input().canact());
    t.model.input().clickTabSpot(1);  // waiting for the host: nothing more is sent
    ASSERT_TRUE(t.feed("CMD_playhand+1+2+2+4+1+"));
    EXPECT_TRUE(t.model.input().canact());
    EXPECT_EQ(t.model.input().selectedcard(), 0);
    t.model.input().pressHandCard(2, Button::left);
    t.model.input().clickDrawPile();
    EXPECT_EQ(t.events.sent, (std::vector<std::string>{"CMD_handplay+1+1+2+", "CMD_endturn+1+"}));
    EXPECT_FALSE(t.model.input().canact());
    EXPECT_EQ(t.model.input().selectedcard(), 0);
    EXPECT_EQ(t.model.hand().find(2)->top, layout::handTop);
    EXPECT_FALSE(t.model.doneVisible());
    EXPECT_FALSE(t.model.countdown().running());
    t.model.input().clickDrawPile();
    EXPECT_EQ(t.events.sent.size(), 2u);
}

TEST(TableMoves, EachPressAndEachAnnouncementIsDrawnOnce) {
    // The input and the table share one report: a call that reaches both (the draw
    // stops the table's countdown, a played card ends the input's selection) still
    // asks the window for one redraw, with every area it touched.
    Table t;
    ownTurn(t, "+t+2+18+0+a", "+1+4+2+30");
    t.model.input().pressHandCard(1, Button::left);
    EXPECT_EQ(t.events.changes, 1);
    EXPECT_EQ(t.events.lastAreas & areaHand, unsigned{areaHand});
    t.events.clear();
    t.model.input().clickTabSpot(2);  // sent: nothing to draw until the host answers
    EXPECT_EQ(t.events.changes, 0);
    ASSERT_TRUE(t.feed("CMD_playhand+1+2+2+4+1+"));
    EXPECT_EQ(t.events.changes, 1);
    EXPECT_EQ(t.events.lastAreas & (areaBoard | areaHand | areaSelection),
              areaBoard | areaHand | areaSelection);
    t.events.clear();
    t.model.input().clickDrawPile();
    EXPECT_EQ(t.events.changes, 1);
    const unsigned drawn = areaHand | areaSelection | areaButtons | areaCountdown;
    EXPECT_EQ(t.events.lastAreas & drawn, drawn);
}

TEST(TableMoves, PilesAndFoundationsFollowTheAnnouncements) {
    Table t;
    ownTurn(t, "+t+1+31+0+a+t+2+18+4+a", "+1+13");
    t.model.input().clickTabSpot(1);
    ASSERT_TRUE(t.feed("CMD_playtab+3+2+1+31+4+3+"));  // another seat's pile
    EXPECT_EQ(t.model.tab(2).first, 0);
    EXPECT_EQ(t.model.tab(1).first, 31);
    EXPECT_EQ(t.model.tab(1).top, 4);
    EXPECT_EQ(t.model.input().selectedtab(), 0);
    EXPECT_FALSE(t.model.input().highlightVisible());
    ASSERT_TRUE(t.feed("CMD_foundtab+1+2+4+1+39+"));
    EXPECT_EQ(t.model.foundation(2), 4);
    EXPECT_EQ(t.model.tab(1).first, 0);
    EXPECT_EQ(t.model.tab(1).top, 0);
    EXPECT_EQ(t.events.sounds, (std::vector<std::string>{"topile", "tofound"}));
}

TEST(TableHand, DealtCardsStandInPlacesAndARaisedCardStandsHigher) {
    Table t;
    ownTurn(t, "", "+1+5+2+6+3+7");
    t.model.input().pressHandCard(2, Button::left);
    EXPECT_EQ(t.model.hand().find(2)->top, layout::raisedTop);
    t.model.input().pressHandCard(3, Button::left);  // the raise moves over
    EXPECT_EQ(t.model.hand().find(2)->top, layout::handTop);
    EXPECT_EQ(t.model.hand().find(3)->top, layout::raisedTop);
    t.model.input().pressHandCard(3, Button::left);  // and comes down again
    EXPECT_EQ(t.model.hand().find(3)->top, layout::handTop);
    EXPECT_EQ(t.model.input().selectedcard(), 0);
}

TEST(TableHand, ARightPressSortsByRankKeepingEqualRanksInOrder) {
    Table t;
    t.join(1);
    // king, 3 of clubs, ace, 3 of hearts
    ASSERT_TRUE(t.feed("CMD_mycards+1+1+13+2+3+3+27+4+16"));
    t.model.input().pressHandCard(1, Button::right);
    const std::vector<HandCard> sorted{
        {3, 27, 8, 426}, {2, 3, 26, 426}, {4, 16, 44, 426}, {1, 13, 62, 426}};
    EXPECT_EQ(t.model.hand().cards(), sorted);

    // Playing the first card closes the gap at the unsorted places.
    ASSERT_TRUE(t.feed("CMD_foundcard+1+1+27+3+"));
    const std::vector<HandCard> after{{2, 3, 10, 426}, {4, 16, 28, 426}, {1, 13, 46, 426}};
    EXPECT_EQ(t.model.hand().cards(), after);
}

TEST(TableHand, TheHandHoldsTwentyFiveCardsAndAFullDrawAddsNone) {
    Table t;
    t.join(1);
    std::string deal = "CMD_mycards+1";
    for (int p = 1; p <= 25; ++p)
        deal += "+" + std::to_string(p) + "+" + std::to_string(p);
    ASSERT_TRUE(t.feed(deal));
    EXPECT_EQ(t.model.hand().size(), 25);
    EXPECT_EQ(t.model.hand().cards().back().left, 18 * 25 - 8);
    ASSERT_TRUE(t.feed("CMD_ending+1+0+0+7+"));
    EXPECT_EQ(t.model.hand().size(), 25);
    EXPECT_EQ(t.model.pot(), 7);
    ASSERT_TRUE(t.feed("CMD_mycards+1+3+40"));  // a held position only changes its card
    EXPECT_EQ(t.model.hand().size(), 25);
    EXPECT_EQ(t.model.hand().find(3)->card, 40);
}

TEST(TableHand, SomebodyElsesCardsLeaveTheHandAlone) {
    Table t;
    t.join(2);
    ASSERT_TRUE(t.feed("CMD_mycards+1+1+13+2+3"));
    EXPECT_EQ(t.model.hand().size(), 0);
}

}  // namespace
}  // namespace tess::testing
