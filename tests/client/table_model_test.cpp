#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "tests/client/table_harness.h"

namespace tess::testing {
namespace {

TEST(TableModel, StartsAsTheWindowIsCreatedAndReportsNothingYet) {
    Table t;
    const TableModel& m = t.model;
    EXPECT_EQ(t.events.changes, 0);
    EXPECT_EQ(m.status(), "Welcome to Tessarine");
    EXPECT_EQ(m.playToScoreText(), "Play to Score: 0");
    EXPECT_EQ(m.timePerTurnText(), "Time Per Turn: 60 sec");
    EXPECT_EQ(m.countdown().text(), "TIME:0:00");
    EXPECT_EQ(m.seat(1).name, "<Waiting>");
    EXPECT_EQ(m.seat(1).score, "0");
    EXPECT_FALSE(m.drawPileEmpty());
    EXPECT_FALSE(m.startVisible());
    EXPECT_FALSE(m.connected());
    t.model.setHosting(true);
    EXPECT_TRUE(m.startVisible());
    EXPECT_EQ(t.events.changes, 1);
    EXPECT_EQ(t.events.lastAreas, unsigned{areaButtons});
}

TEST(TableRotation, PutsTheOwnSeatAtTheBottomAndTheOthersInTurnOrder) {
    struct Case {
        int slot;
        std::array<int, 4> seatsAtPositions;
    };
    for (const Case& c : {Case{1, {1, 2, 3, 4}}, Case{2, {2, 3, 4, 1}}, Case{3, {3, 4, 1, 2}},
                          Case{4, {4, 1, 2, 3}}, Case{5, {1, 2, 3, 4}}, Case{9, {1, 2, 3, 4}}}) {
        Table t;
        t.join(c.slot);
        for (int p = 1; p <= 4; ++p) {
            const int seat = c.seatsAtPositions[static_cast<std::size_t>(p - 1)];
            EXPECT_EQ(t.model.seatAt(p), seat) << "slot " << c.slot << " position " << p;
            EXPECT_EQ(t.model.screenPosition(seat), p) << "slot " << c.slot << " seat " << seat;
        }
    }
}

TEST(TableRotation, EveryViewerShowsTheSameBotNameForASeat) {
    // Whatever seat the viewer sits in (or watches from), seat 2 is "Klot", seat 3
    // "Klick" and seat 4 "Kling".
    for (int slot : {1, 2, 3, 4, 6}) {
        Table t;
        t.join(slot, slot == 1);
        ASSERT_TRUE(t.feed("CMD_roundstart+1+4+1+t+2+t+3+t+4+t"));
        for (int seat = 2; seat <= 4; ++seat) {
            const std::string bot = TableModel::defaultnames[static_cast<std::size_t>(seat - 1)];
            EXPECT_EQ(t.model.seat(seat).hint, bot) << slot << " " << seat;
            if (seat != slot) {
                EXPECT_EQ(t.model.seat(seat).name, bot) << slot << " " << seat;
            }
        }
        ASSERT_TRUE(t.feed("CMD_nextplayer+4+"));
        if (slot != 4) {
            EXPECT_EQ(t.model.status(), "Kling's turn.") << slot;
        }
    }
}

TEST(TableRound, BotsAtSeatsThreeAndFourShowTheirNamesFromTheDeal) {
    Table host;
    host.join(1, true);
    host.model.seatJoined(1, "You", false);
    ASSERT_TRUE(host.feed("CMD_startgame+You+100+90+"));
    ASSERT_TRUE(host.feed("CMD_roundstart+1+4+1+t+2+t+3+t+4+t"));
    EXPECT_EQ(host.model.seat(2).name, "Klot");
    EXPECT_EQ(host.model.seat(3).name, "Klick");
    EXPECT_EQ(host.model.seat(4).name, "Kling");
    EXPECT_EQ(host.model.seat(1).name, "You");

    // A player's name stays; a seat out of the round keeps showing nobody.
    Table ann;
    ann.join(2);
    ann.model.seatJoined(1, "Host", false);
    ann.model.seatJoined(2, "Ann", false);
    ASSERT_TRUE(ann.feed("CMD_roundstart+1+3+1+t+2+t+3+t+4+f"));
    EXPECT_EQ(ann.model.seat(2).name, "Ann");
    EXPECT_EQ(ann.model.seat(3).name, "Klick");  // seat 3's bot, wherever it is drawn
    EXPECT_EQ(ann.model.seat(4).name, "<Waiting>");
}

TEST(TableRotation, ALabelShowingABotShowsItsNewSeatsBotAfterTurning) {
    Table t;
    t.model.seatJoined(3, "Klick", false);  // drawn at position 3 before the login
    t.model.seatJoined(4, "Ann", false);
    t.join(2);  // position 3 now stands for seat 4, position 4 for seat 1
    EXPECT_EQ(t.model.seat(4).name, "Kling");
    EXPECT_EQ(t.model.seat(4).hint, "Kling");
    EXPECT_EQ(t.model.seat(1).name, "Ann");
    EXPECT_EQ(t.model.seat(1).hint, "");
}

TEST(TableSeats, LeavingShowsWaitingOrForSeatTwoItsBotAtOnce) {
    Table t;
    t.join(1, true);
    t.model.seatJoined(2, "Ann", true);
    t.model.seatJoined(3, "Bob", false);
    EXPECT_TRUE(t.model.seat(2).eyes);
    t.model.seatLeft(2);
    t.model.seatLeft(3);
    EXPECT_EQ(t.model.seat(2).name, "Klot");
    EXPECT_FALSE(t.model.seat(2).eyes);
    EXPECT_EQ(t.model.seat(3).name, "<Waiting>");
    EXPECT_EQ(t.events.notices,
              (std::vector<std::string>{"0+Ann disconnected.", "0+Bob disconnected."}));
    t.model.seatLeft(2);  // the bot's own name is no player leaving
    t.model.seatLeft(7);
    EXPECT_EQ(t.events.notices.size(), 2u);
}

// One round as the host plays it out, line by line.
TEST(TableRound, FollowsTheHostFromTheStartToTheWinner) {
    Table t;
    t.join(1, true);
    t.model.seatJoined(1, "You", false);
    struct Step {
        std::string line;
        std::function<void(const TableModel&, RecordedEvents&)> check;
    };
    const std::vector<Step> steps{
        {"CMD_startgame+You+100+90+",
         [](const TableModel& m, RecordedEvents& e) {
             EXPECT_EQ(e.notices, (std::vector<std::string>{
                                      "0+You have started a game.",
                                      "0+You are playing against Klot the bot. Good Luck!"}));
             EXPECT_EQ(m.seat(2).name, "Klot");
             EXPECT_EQ(m.playToScoreText(), "Play To Score: 100");
             EXPECT_EQ(m.timePerTurnText(), "Time Per Turn: 90secs");
             EXPECT_EQ(m.countdown().pixelsPerSecond(), 1);
             EXPECT_FALSE(m.startVisible());
         }},
        {"CMD_roundstart+1+2+1+t+2+t+3+f+4+f",
         [](const TableModel& m, RecordedEvents&) {
             EXPECT_EQ(m.pot(), 2);
             EXPECT_EQ(m.seat(1).fanBacks, 0);  // the own hand comes face up
             EXPECT_FALSE(m.seat(1).notPlaying);
             EXPECT_EQ(m.seat(2).fanBacks, 7);
             EXPECT_EQ(m.seat(2).fanWidth, 78);
             EXPECT_EQ(m.seat(2).cardCount, "7");
             EXPECT_TRUE(m.seat(3).notPlaying);
             EXPECT_EQ(m.seat(3).cardCount, "");
         }},
        {"CMD_foundcards+1+5+2+18+3+33+4+13",
         [](const TableModel& m, RecordedEvents&) {
             EXPECT_EQ(m.tab(1).first, 5);
             EXPECT_EQ(m.tab(2).first, 18);
             EXPECT_EQ(m.tab(4).first, 13);
             EXPECT_EQ(m.tab(4).top, 0);
         }},
        {"CMD_mycards+1+1+13+2+4+3+1+4+29+5+40+6+12+7+26",
         [](const TableModel& m, RecordedEvents&) {
             ASSERT_EQ(m.hand().size(), 7);
             EXPECT_EQ(m.hand().cards()[1], (HandCard{2, 4, 28, 426}));
             EXPECT_EQ(m.hand().cards()[6], (HandCard{7, 26, 118, 426}));
         }},
        {"CMD_nextplayer+1+",
         [](const TableModel& m, RecordedEvents& e) {
             EXPECT_EQ(m.turnseat(), 1);
             EXPECT_TRUE(m.input().canact());
             EXPECT_TRUE(m.seat(1).turn);
             EXPECT_TRUE(m.doneVisible());
             EXPECT_EQ(m.status(), "Your Turn. Draw a card to end your turn.");
             EXPECT_EQ(e.sounds, std::vector<std::string>{"turn"});
             EXPECT_EQ(e.timer, std::vector<bool>{true});
             EXPECT_EQ(m.timeleft(), 90);
         }},
        {"CMD_playhand+1+2+2+4+2+",
         [](const TableModel& m, RecordedEvents& e) {
             EXPECT_EQ(m.tab(2).first, 18);
             EXPECT_EQ(m.tab(2).top, 4);
             ASSERT_EQ(m.hand().size(), 6);
             EXPECT_EQ(m.hand().find(2), nullptr);
             EXPECT_EQ(m.hand().cards()[1], (HandCard{3, 1, 28, 426}));
             EXPECT_TRUE(m.input().canact());
             EXPECT_EQ(e.sounds, std::vector<std::string>{"topile"});
             EXPECT_EQ(e.lastAreas & (areaBoard | areaHand), areaBoard | areaHand);
             EXPECT_EQ(e.changes, 1);
         }},
        {"CMD_ending+1+2+20+3+",
         [](const TableModel& m, RecordedEvents& e) {
             EXPECT_EQ(m.hand().cards().back(), (HandCard{2, 20, 118, 426}));
             EXPECT_EQ(m.pot(), 3);
             EXPECT_EQ(m.status(), "You ended your turn.");
             EXPECT_FALSE(m.doneVisible());
             EXPECT_FALSE(m.input().canact());
             EXPECT_EQ(e.sounds, std::vector<std::string>{"getcard"});
             EXPECT_EQ(e.timer, std::vector<bool>{false});
         }},
        {"CMD_nextplayer+2+",
         [](const TableModel& m, RecordedEvents& e) {
             EXPECT_EQ(m.status(), "Klot's turn.");
             EXPECT_FALSE(m.seat(1).turn);
             EXPECT_TRUE(m.seat(2).turn);
             EXPECT_FALSE(m.input().canact());
             EXPECT_FALSE(m.doneVisible());
             EXPECT_TRUE(e.sounds.empty());
         }},
        {"CMD_foundcard+2+3+26+5+",
         [](const TableModel& m, RecordedEvents& e) {
             EXPECT_EQ(m.foundation(3), 26);
             EXPECT_EQ(m.seat(2).fanBacks, 6);
             EXPECT_EQ(m.seat(2).cardCount, "6");
             EXPECT_EQ(m.hand().size(), 7);  // the own hand is untouched
             EXPECT_EQ(e.sounds, std::vector<std::string>{"tofound"});
         }},
        {"CMD_ending+2+0+0+4+",
         [](const TableModel& m, RecordedEvents&) {
             EXPECT_EQ(m.seat(2).fanBacks, 7);
             EXPECT_EQ(m.seat(2).fanWidth, 78);
             EXPECT_EQ(m.status(), "Klot ended their turn.");
             EXPECT_EQ(m.pot(), 4);
         }},
        {"CMD_endround+2+20+20+",
         [](const TableModel& m, RecordedEvents& e) {
             EXPECT_EQ(m.seat(2).score, "20");
             EXPECT_EQ(m.seat(2).cardCount, "");
             EXPECT_EQ(m.status(), "Klot used all their cards. +20 points.");
             EXPECT_EQ(m.turnseat(), 0);
             EXPECT_EQ(e.sounds, std::vector<std::string>{"roundover"});
         }},
        {"CMD_winner+2+",
         [](const TableModel& m, RecordedEvents& e) {
             EXPECT_EQ(e.notices, std::vector<std::string>{"0+Klot has Won the Game!"});
             EXPECT_EQ(e.sounds, std::vector<std::string>{"winner"});
             EXPECT_EQ(e.games, std::vector<std::string>{"Klot"});
             EXPECT_EQ(m.status(), "Game Over!");
             EXPECT_TRUE(m.seat(2).winner);
             EXPECT_TRUE(m.startVisible());
         }},
        {"CMD_roundstart+2+2+1+t+2+t+3+f+4+f",
         [](const TableModel& m, RecordedEvents&) {
             EXPECT_FALSE(m.seat(2).winner);
             EXPECT_EQ(m.seat(2).score, "20");  // scores last the whole game
             EXPECT_EQ(m.hand().size(), 0);
             EXPECT_EQ(m.foundation(3), 0);
         }},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.line);
        t.events.clear();
        ASSERT_TRUE(t.feed(s.line));
        s.check(t.model, t.events);
    }
}

TEST(TableRound, AnnouncesTheStarterAndTheBotOnlyWhenSeatTwoIsFree) {
    struct Case {
        int slot;
        std::string seat2;
        std::vector<std::string> notices;
    };
    for (const Case& c : {Case{1,
                               "",
                               {"0+You have started a game.",
                                "0+You are playing against Klot the bot. Good Luck!"}},
                          Case{1, "Ann", {"0+You have started a game."}},
                          Case{2, "Ann", {"0+You has started a game."}},
                          Case{6, "Ann", {"0+You has started a game."}}}) {
        Table t;
        t.join(c.slot);
        t.model.seatJoined(1, "You", false);
        if (!c.seat2.empty()) t.model.seatJoined(2, c.seat2, false);
        ASSERT_TRUE(t.feed("CMD_startgame+You+50+30+"));
        EXPECT_EQ(t.events.notices, c.notices) << c.slot << " " << c.seat2;
    }
}

TEST(TableRound, ANewGameHidesEveryWatchingMarkerAndTheCheck) {
    Table t;
    t.join(3);
    ASSERT_TRUE(t.feed("CMD_justwatching+3+1"));
    ASSERT_TRUE(t.feed("CMD_justwatching+1+1"));
    EXPECT_TRUE(t.model.justWatchChecked());
    EXPECT_TRUE(t.model.seat(1).eyes);
    ASSERT_TRUE(t.feed("CMD_startgame+Host+100+60+"));
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_FALSE(t.model.seat(seat).eyes) << seat;
    EXPECT_FALSE(t.model.justWatchChecked());
}

TEST(TableRound, JustWatchingFlipsTheMarkerAndTheOwnCheck) {
    Table t;
    t.join(2);
    t.model.seatJoined(2, "Ann", false);
    ASSERT_TRUE(t.feed("CMD_justwatching+2+1"));
    EXPECT_TRUE(t.model.justWatchChecked());
    EXPECT_TRUE(t.model.seat(2).eyes);
    t.model.input().toggleJustWatch();
    ASSERT_TRUE(t.feed("CMD_justwatching+2+2"));
    EXPECT_FALSE(t.model.justWatchChecked());
    EXPECT_FALSE(t.model.seat(2).eyes);
    t.model.input().toggleJustWatch();
    EXPECT_EQ(t.events.notices,
              (std::vector<std::string>{"0+Ann is just watching", "0+Ann is now playing again"}));
    EXPECT_EQ(t.events.sent, (std::vector<std::string>{"CMD_justwatch+2+2", "CMD_justwatch+2+1"}));
}

TEST(TableRound, TheWinnerGoesToTheTallyOnlyForSeatedPlayers) {
    struct Case {
        int slot;
        bool hosting;
        std::string notice;
        std::vector<std::string> games;
    };
    for (const Case& c : {Case{1, true, "0+You have Won the Game!", {"addtomine"}},
                          Case{3, false, "0+You has Won the Game!", {"You"}},
                          Case{6, false, "0+You has Won the Game!", {}}}) {
        Table t;
        t.join(c.slot, c.hosting);
        t.model.seatJoined(1, "You", false);
        ASSERT_TRUE(t.feed("CMD_winner+1+"));
        EXPECT_EQ(t.events.notices, std::vector<std::string>{c.notice}) << c.slot;
        EXPECT_EQ(t.events.games, c.games) << c.slot;
        EXPECT_EQ(t.model.startVisible(), c.hosting) << c.slot;
        EXPECT_TRUE(t.model.seat(1).winner);
    }
}

TEST(TableRound, NoCardsLeftShowsTheCrossUntilTheNextRound) {
    Table t;
    t.join(1);
    ASSERT_TRUE(t.feed("CMD_startgame+You+100+60+"));
    ASSERT_TRUE(t.feed("CMD_nextplayer+1+"));
    ASSERT_TRUE(t.feed("CMD_nomorecards+"));
    EXPECT_TRUE(t.model.drawPileEmpty());
    EXPECT_FALSE(t.model.input().canact());
    EXPECT_EQ(t.model.turnseat(), 0);
    EXPECT_TRUE(t.model.countdown().running());  // the countdown runs on
    EXPECT_EQ(t.model.status(), "No Cards Left, Pot will roll over. Please Wait...");
    ASSERT_TRUE(t.feed("CMD_roundstart+2+2+1+t+2+t"));
    EXPECT_FALSE(t.model.drawPileEmpty());
}

TEST(TableRound, ALateJoinerGetsTheWholeTableFromTheStats) {
    Table t;
    t.join(3);
    ASSERT_TRUE(t.feed("CMD_mycards+3+1+7+4+40"));
    const std::string stats =
        "CMD_gamestats+3+150+60+44+5+20+4"
        "+p+1+6+10+t+f+1+13+0+a+t+1+5+0+a"
        "+p+2+0+30+f+f+2+0+0+a+t+2+18+4+a"
        "+p+3+2+0+t+f+3+0+0+a+t+3+0+0+a"
        "+p+4+9+5+t+f+4+1+0+a+t+4+33+45+a";
    ASSERT_TRUE(t.feed(stats));
    const TableModel& m = t.model;
    EXPECT_EQ(m.playToScoreText(), "Play to Score: 150");
    EXPECT_EQ(m.timePerTurnText(), "Time Per Turn: 60secs");
    EXPECT_EQ(m.timeleft(), 40);
    EXPECT_TRUE(m.countdown().running());
    EXPECT_EQ(m.pot(), 5);
    EXPECT_EQ(m.turnseat(), 4);
    EXPECT_TRUE(m.seat(4).turn);
    EXPECT_EQ(m.seat(1).fanBacks, 6);
    EXPECT_EQ(m.seat(1).score, "10");
    EXPECT_TRUE(m.seat(2).notPlaying);
    EXPECT_EQ(m.seat(2).score, "30");
    EXPECT_EQ(m.seat(2).name, "<Waiting>");
    EXPECT_EQ(m.seat(4).name, "Kling");  // a bot plays there: seat 4's bot
    EXPECT_EQ(m.seat(3).fanBacks, 0);    // the own cards are the hand
    EXPECT_EQ(m.hand().size(), 2);
    EXPECT_EQ(m.foundation(1), 13);
    EXPECT_EQ(m.foundation(4), 1);
    EXPECT_EQ(m.tab(2).first, 18);
    EXPECT_EQ(m.tab(2).top, 4);
    EXPECT_EQ(m.tab(4).top, 45);
    EXPECT_FALSE(m.drawPileEmpty());
    EXPECT_TRUE(t.events.notices.empty());

    // Meant for another connection: nothing changes.
    const std::string before = snapshot(m);
    EXPECT_TRUE(t.feed("CMD_gamestats+5+100+90+94+1+0+1"));
    EXPECT_EQ(snapshot(m), before);
}

TEST(TableRound, StatsOfANotPlayingOwnSeatPromiseTheNextRound) {
    Table t;
    t.join(2);
    ASSERT_TRUE(t.feed("CMD_gamestats+2+100+90+3+1+0+1+p+2+0+0+f"));
    EXPECT_EQ(t.events.notices, std::vector<std::string>{"0+You can play the next round."});
    EXPECT_TRUE(t.model.drawPileEmpty());  // nothing taken from the deck
    EXPECT_EQ(t.model.timeleft(), 0);
    EXPECT_FALSE(t.model.countdown().running());
}

TEST(TableRound, ALateJoinersDrawPileShowsTheCrossOnlyWhenNoCardIsLeft) {
    // The host counts every draw attempt, also those after the last card.
    const struct {
        int taken;
        bool cross;
    } cases[] = {{0, true}, {11, false}, {51, false}, {52, true}, {53, true}, {60, true}};
    for (const auto& c : cases) {
        Table t;
        t.join(2);
        ASSERT_TRUE(t.feed("CMD_gamestats+2+100+90+30+4+" + std::to_string(c.taken) + "+1"));
        EXPECT_EQ(t.model.drawPileEmpty(), c.cross) << c.taken;
    }
}

}  // namespace
}  // namespace tess::testing
