// The hint is worked out from the window's own picture of the table, and only for a
// player whose turn it is.
#include <gtest/gtest.h>

#include "client/model/hint.h"
#include "tests/client/table_harness.h"

namespace tess::testing {
namespace {

// Seat `slot`'s window after the deal: the 9 of hearts and the 6 of clubs on tab spots 1
// and 2, aces on the others; seat 1 holds the 8 of clubs, 5 of hearts and 4 of clubs.
void deal(Table& t, int slot) {
    t.join(slot);
    for (const char* line : {"CMD_startgame+You+100+90+", "CMD_roundstart+1+2+1+t+2+t+3+f+4+f",
                             "CMD_foundcards+1+22+2+6+3+1+4+40"})
        ASSERT_TRUE(t.feed(line)) << line;
    if (slot == 1) {
        ASSERT_TRUE(t.feed("CMD_mycards+1+1+8+2+18+3+4"));
    }
}

TEST(TableHint, AskedOnTheOwnTurnItComesFromWhatTheWindowShows) {
    Table t;
    deal(t, 1);
    ASSERT_TRUE(t.feed("CMD_nextplayer+1+"));
    const PlayerView v = playerView(t.model);
    EXPECT_EQ(v.seat, 1);
    EXPECT_EQ(v.hand[1], 8);
    EXPECT_EQ(v.hand[3], 4);
    EXPECT_EQ(v.tabFirst[1], 22);
    EXPECT_EQ(v.tabLast[1], 22);  // a lone card is its pile's top too
    EXPECT_EQ(v.cardsHeld[1], 3);
    EXPECT_EQ(v.cardsHeld[2], 7);
    EXPECT_TRUE(v.playing[2]);
    EXPECT_FALSE(v.playing[3]);

    // All three cards can go: the hint is a hand card onto a tab spot.
    const std::optional<Hint> hint = findHint(t.model);
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->from.kind, BoardItem::Kind::hand);
    ASSERT_TRUE(hint->to);
    EXPECT_EQ(hint->to->kind, BoardItem::Kind::tab);
    EXPECT_TRUE(t.events.sent.empty());
}

TEST(TableHint, NoneOutsideTheOwnTurnWhileWatchingOrForASpectator) {
    Table other;
    deal(other, 1);
    ASSERT_TRUE(other.feed("CMD_nextplayer+2+"));
    EXPECT_FALSE(findHint(other.model));

    Table watching;
    deal(watching, 1);
    ASSERT_TRUE(watching.feed("CMD_justwatching+1+1"));
    ASSERT_TRUE(watching.feed("CMD_nextplayer+1+"));
    EXPECT_FALSE(findHint(watching.model));

    Table spy;
    deal(spy, 5);
    ASSERT_TRUE(spy.feed("CMD_nextplayer+1+"));
    EXPECT_FALSE(findHint(spy.model));
}

}  // namespace
}  // namespace tess::testing
