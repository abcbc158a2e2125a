#include <gtest/gtest.h>

#include "tests/engine/harness.h"
#include "wire/cards.h"

namespace tess::testing {
namespace {

TEST(Cards, ColourAndRankByBlock) {
    struct Case {
        int card, suit, rank;
    };
    for (const Case& c :
         {Case{1, 1, 1}, Case{13, 1, 13}, Case{27, 1, 1}, Case{39, 1, 13}, Case{14, 2, 1},
          Case{26, 2, 13}, Case{40, 2, 1}, Case{52, 2, 13}, Case{20, 2, 7}, Case{33, 1, 7}}) {
        EXPECT_EQ(getsuit(c.card), c.suit) << c.card;
        EXPECT_EQ(rank(c.card), c.rank) << c.card;
    }
}

TEST(Cards, FitsOneLowerOfTheOtherColour) {
    EXPECT_TRUE(fitsOn(12, 26));   // queen on a king of the other colour
    EXPECT_FALSE(fitsOn(12, 13));  // same colour
    EXPECT_FALSE(fitsOn(11, 26));  // two lower
    EXPECT_FALSE(fitsOn(13, 14));  // nothing goes on an ace, a king on nothing
    EXPECT_FALSE(fitsOn(5, 0));
    EXPECT_FALSE(fitsOn(0, 6));
}

using DrawPile = EngineTest;

TEST_F(DrawPile, CountsPastTheEndOfThePile) {
    start();
    while (table().cardsTaken < deckSize)
        EXPECT_NE(engine.getcard(), 0);
    EXPECT_EQ(engine.getcard(), 0);
    EXPECT_EQ(table().cardsTaken, 53);
    EXPECT_EQ(engine.getcard(), 0);
    EXPECT_EQ(table().cardsTaken, 54);
}

TEST(Seat, DrawnCardsFillTheLowestHoles) {
    SeatState seat;
    for (int pos = 1; pos <= 7; ++pos)
        seat.hand[pos] = pos;
    seat.hand[2] = seat.hand[5] = 0;
    std::vector<int> filled;
    for (int i = 0; i < 3; ++i) {
        const int pos = seat.lowestEmpty();
        filled.push_back(pos);
        seat.hand[pos] = 40 + i;
    }
    EXPECT_EQ(filled, (std::vector<int>{2, 5, 8}));
    for (int pos = 9; pos <= handSize; ++pos)
        seat.hand[pos] = 1;
    EXPECT_EQ(seat.lowestEmpty(), 0);
    EXPECT_EQ(seat.cardsHeld(), handSize);
}

}  // namespace
}  // namespace tess::testing
