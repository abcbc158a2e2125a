#include "records/tally.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

using Row = TallyTable::Row;

// The user in seat 1, Klot in seat 2, Wren in seat 3, seat 4 empty.
const TallySeats atTable{{"You", "Klot", "Wren", "<Waiting>"}, 1};

Tally followingKlotAndMoss() {
    Tally t;
    t.follow("Klot");
    t.follow("Moss");
    return t;
}

TEST(TallyTest, StartsWithTheOwnRowOfZeros) {
    Tally t;
    EXPECT_EQ(t.table(), TallyTable::initial());
    EXPECT_EQ(t.followedCount(), 0u);
}

TEST(TallyTest, PlayersInGameAreTheOtherSeatedPlayersInSeatOrder) {
    EXPECT_EQ(Tally::playersInGame(atTable), (std::vector<std::string>{"Klot", "Wren"}));
    const TallySeats fromSeat3{{"Ash", "<Waiting>", "You", "Klot"}, 3};
    EXPECT_EQ(Tally::playersInGame(fromSeat3), (std::vector<std::string>{"Ash", "Klot"}));
    // A spy has no seat of his own to leave out.
    const TallySeats spy{{"Ash", "Klot", "<Waiting>", "Wren"}, 6};
    EXPECT_EQ(Tally::playersInGame(spy), (std::vector<std::string>{"Ash", "Klot", "Wren"}));
}

struct GameCase {
    const char* what;
    TallySeats seats;
    std::string winner;
    Row own;
    Row klot;  // followed, in seat 2 unless the case moves him
    Row moss;  // followed, never at the table
};

class TallyGameTest : public ::testing::TestWithParam<GameCase> {};

TEST_P(TallyGameTest, CountsOnlyTheUserAndFollowedPlayersAtTheTable) {
    const GameCase& c = GetParam();
    Tally t = followingKlotAndMoss();
    t.addgame(c.winner, c.seats);
    ASSERT_EQ(t.table().rows.size(), 3u);
    EXPECT_EQ(t.table().rows[0], c.own);
    EXPECT_EQ(t.table().rows[1], c.klot);
    EXPECT_EQ(t.table().rows[2], c.moss);
}

const Row untouchedOwn{"0", "0", "0", "0", "0", "0", "0", "0", "0"};
const Row untouchedKlot{"Klot", "0", "0", "0", "0", "0", "0", "0", "0"};
const Row untouchedMoss{"Moss", "0", "0", "0", "0", "0", "0", "0", "0"};

INSTANTIATE_TEST_SUITE_P(
    Games, TallyGameTest,
    ::testing::Values(GameCase{"OpponentWins",
                               atTable,
                               "Klot",
                               {"0", "1", "0", "0", "0", "0", "0", "0", "0"},
                               {"Klot", "1", "1", "0", "0", "1", "1", "0", "0"},
                               untouchedMoss},
                      GameCase{"UserWins",
                               atTable,
                               "addtomine",
                               {"0", "1", "1", "0", "0", "0", "0", "0", "0"},
                               {"Klot", "1", "0", "1", "0", "1", "0", "1", "0"},
                               untouchedMoss},
                      GameCase{"SomebodyElseWins",
                               atTable,
                               "Wren",
                               {"0", "1", "0", "0", "0", "0", "0", "0", "0"},
                               {"Klot", "1", "0", "0", "1", "1", "0", "0", "1"},
                               untouchedMoss},
                      GameCase{"NoFollowedPlayerAtTheTable",
                               {{"You", "Ash", "Wren", "<Waiting>"}, 1},
                               "addtomine",
                               {"0", "1", "1", "0", "0", "0", "0", "0", "0"},
                               untouchedKlot,
                               untouchedMoss},
                      // The user's own seat is nobody to count, even under a followed name.
                      GameCase{"FollowedNameOnTheUsersOwnSeat",
                               {{"Ash", "Klot", "<Waiting>", "<Waiting>"}, 2},
                               "Ash",
                               {"0", "1", "0", "0", "0", "0", "0", "0", "0"},
                               untouchedKlot,
                               untouchedMoss},
                      GameCase{"UserIsASpy",
                               {{"Ash", "Klot", "Wren", "<Waiting>"}, 5},
                               "Klot",
                               untouchedOwn,
                               untouchedKlot,
                               untouchedMoss},
                      GameCase{"UserNotLoggedIn",
                               {{"Ash", "Klot", "Wren", "Moss"}, 0},
                               "Klot",
                               untouchedOwn,
                               untouchedKlot,
                               untouchedMoss},
                      // Two seats of one name share one row, and one game is one game.
                      GameCase{"TwoSeatsOfOneName",
                               {{"You", "Klot", "Klot", "<Waiting>"}, 1},
                               "Klot",
                               {"0", "1", "0", "0", "0", "0", "0", "0", "0"},
                               {"Klot", "1", "1", "0", "0", "1", "1", "0", "0"},
                               untouchedMoss}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(TallyTest, EmptyAndNonNumericCellsCountAsZero) {
    TallyTable table = TallyTable::initial();
    table.rows[0] = {"", "", "x", "", "", "", "", "", ""};
    table.rows.push_back({"Klot", "", "12abc", "", "7", "", "", "", ""});
    Tally t;
    t.load(table);
    t.addgame("Klot", atTable);
    EXPECT_EQ(t.table().rows[0], (Row{"", "1", "x", "", "", "", "", "", ""}));
    EXPECT_EQ(t.table().rows[1], (Row{"Klot", "1", "1", "0", "7", "1", "1", "0", "0"}));
}

TEST(TallyTest, ACountedRowHasNoEmptyCellsLeftButOthersAreUntouched) {
    TallyTable table = TallyTable::initial();
    table.rows[0].fill("");
    table.rows.push_back({"Klot", "", "", "", "", "", "", "", ""});
    table.rows.push_back({"Moss", "", "", "", "", "", "", "", ""});
    Tally t;
    t.load(table);
    t.addgame("Wren", atTable);
    // Row 0 is only increased; Moss is not at the table.
    EXPECT_EQ(t.table().rows[0], (Row{"", "1", "", "", "", "", "", "", ""}));
    EXPECT_EQ(t.table().rows[1], (Row{"Klot", "1", "0", "0", "1", "1", "0", "0", "1"}));
    EXPECT_EQ(t.table().rows[2], (Row{"Moss", "", "", "", "", "0", "0", "0", "0"}));
}

TEST(TallyTest, CountReadsWholeDecimalNumbersOnly) {
    EXPECT_EQ(Tally::count("42"), 42);
    EXPECT_EQ(Tally::count("-3"), -3);
    for (const char* bad : {"", "abc", "5x", " 5", "+5", "99999999999999999999"})
        EXPECT_EQ(Tally::count(bad), 0) << bad;
}

TEST(TallyTest, TheLargestCountStaysWhereItIs) {
    TallyTable table = TallyTable::initial();
    table.rows[0][1] = "9223372036854775807";
    Tally t;
    t.load(table);
    t.addgame("Klot", atTable);
    EXPECT_EQ(t.cell(0, 1), "9223372036854775807");
}

TEST(TallyTest, FollowingAddsARowOfZerosOnce) {
    Tally t;
    EXPECT_TRUE(t.follow("Klot"));
    EXPECT_FALSE(t.follow("Klot"));
    ASSERT_EQ(t.followedCount(), 1u);
    EXPECT_EQ(t.table().rows[1], untouchedKlot);
    EXPECT_EQ(t.rowOf("Klot"), 1u);
    EXPECT_EQ(t.rowOf("Wren"), std::nullopt);
}

TEST(TallyTest, UnfollowingMovesTheLaterRowsUp) {
    Tally t = followingKlotAndMoss();
    t.follow("Wren");
    t.addgame("Wren", atTable);
    EXPECT_TRUE(t.unfollow(0));
    ASSERT_EQ(t.followedCount(), 2u);
    EXPECT_EQ(t.followedName(0), "Moss");
    EXPECT_EQ(t.table().rows[2], (Row{"Wren", "1", "1", "0", "0", "1", "1", "0", "0"}));
    EXPECT_FALSE(t.unfollow(2));
    EXPECT_TRUE(t.unfollow(1));
    EXPECT_TRUE(t.unfollow(0));
    EXPECT_EQ(t.table().rows.size(), 1u);
    EXPECT_EQ(t.table().rows[0][1], "1");
}

TEST(TallyTest, ResetEmptiesTheOwnRowAndFollowsNobody) {
    Tally t = followingKlotAndMoss();
    t.addgame("addtomine", atTable);
    t.reset();
    ASSERT_EQ(t.table().rows.size(), 1u);
    EXPECT_EQ(t.table().rows[0], Row{});
    t.addgame("addtomine", atTable);
    EXPECT_EQ(t.table().rows[0], (Row{"", "1", "1", "", "", "", "", "", ""}));
}

TEST(TallyTest, LoadingStartsTheSessionAtZeroAndKeepsTheTotals) {
    TallyTable saved = TallyTable::initial();
    saved.rows[0] = {"0", "9", "4", "0", "0", "3", "3", "3", "3"};
    saved.rows.push_back({"Klot", "5", "2", "2", "1", "5", "2", "2", "1"});
    saved.rows.push_back({"Moss", "1", "", "", "1", "", "", "", ""});
    Tally t;
    t.load(saved);
    EXPECT_EQ(t.table().rows[0], saved.rows[0]);
    EXPECT_EQ(t.table().rows[1], (Row{"Klot", "5", "2", "2", "1", "0", "0", "0", "0"}));
    EXPECT_EQ(t.table().rows[2], (Row{"Moss", "1", "", "", "1", "0", "0", "0", "0"}));

    t.load(TallyTable{});
    EXPECT_EQ(t.table(), TallyTable::initial());
}

}  // namespace
}  // namespace tess
