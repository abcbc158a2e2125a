#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <limits>

#include "assets/pictures/pictures.h"

namespace pics = tess::pictures;

namespace {

QImage pixelsOf(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool hasRed(const QPixmap& pixmap) {
    const QImage image = pixelsOf(pixmap);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128 && c.red() > 140 && c.green() < 90 && c.blue() < 90) return true;
        }
    return false;
}

struct Sized {
    const char* name;
    std::function<QPixmap(qreal)> make;
    QSize logical;
};

}  // namespace

TEST(Pictures, LogicalSizeStaysAndPixelsFollowTheRatio) {
    const std::vector<Sized> cases = {
        {"back", [](qreal r) { return pics::card(0, r); }, {60, 82}},
        {"ace of clubs", [](qreal r) { return pics::card(1, r); }, {60, 82}},
        {"king of diamonds", [](qreal r) { return pics::cardFace(52, r); }, {60, 82}},
        {"crown", [](qreal r) { return pics::card(53, r); }, {60, 82}},
        {"empty spot",
         [](qreal r) { return pics::spotMarker(pics::Spot::emptyTabSpot, r); },
         {60, 82}},
        {"cross", [](qreal r) { return pics::card(55, r); }, {60, 82}},
        {"fan of 7", [](qreal r) { return pics::handFan(7, r); }, {78, 82}},
        {"fan of 8", [](qreal r) { return pics::handFan(8, r); }, {81, 82}},
        {"not playing",
         [](qreal r) { return pics::banner(pics::Banner::notPlaying, r); },
         {99, 21}},
        {"winner", [](qreal r) { return pics::banner(pics::Banner::winner, r); }, {150, 32}},
        {"turn arrow", pics::turnArrow, {21, 27}},
        {"eyes", pics::eyes, {23, 10}},
        {"start game",
         [](qreal r) { return pics::button(pics::Button::startGame, false, r); },
         {135, 29}},
        {"done pressed",
         [](qreal r) { return pics::button(pics::Button::done, true, r); },
         {65, 29}},
        {"P9", [](qreal r) { return pics::phraseButton(9, false, r); }, {27, 23}},
        {"music", [](qreal r) { return pics::musicSymbol(false, r); }, {27, 23}},
        {"frame",
         [](qreal r) {
             return pics::highlightFrame({66, 116}, r);
         },
         {66, 116}},
    };
    for (const Sized& c : cases) {
        for (qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(std::string(c.name) + " at ratio " + std::to_string(ratio));
            const QPixmap pixmap = c.make(ratio);
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
            EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(c.logical));
            EXPECT_EQ(pixmap.size(), c.logical * ratio);
        }
    }
}

TEST(Pictures, EveryPictureOfTheCardListIsDistinct) {
    std::vector<QImage> images;
    for (int i = 0; i < pics::cardListSize; ++i)
        images.push_back(pixelsOf(pics::card(i, 1)));
    for (int a = 0; a < pics::cardListSize; ++a)
        for (int b = a + 1; b < pics::cardListSize; ++b)
            EXPECT_NE(images[a], images[b]) << "pictures " << a << " and " << b;

    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 10; ++b) {
            auto button = [](int n) {
                return pixelsOf(n == 10 ? pics::musicSymbol(false, 1)
                                        : pics::phraseButton(n, false, 1));
            };
            EXPECT_NE(button(a), button(b)) << "phrase buttons " << a << " and " << b;
        }
}

TEST(Pictures, RedSuitsAreRedAndBlackSuitsHaveNoRed) {
    for (int c = 1; c <= 52; ++c) {
        const bool red = (c >= 14 && c <= 26) || c >= 40;
        EXPECT_EQ(hasRed(pics::cardFace(c, 1)), red) << "card " << c;
    }
    EXPECT_FALSE(hasRed(pics::back(2)));
    EXPECT_TRUE(hasRed(pics::spotMarker(pics::Spot::emptyPile, 1)));
}

TEST(Pictures, FanEndsWithAWholeBackAndStepsByThree) {
    const QImage fan = pixelsOf(pics::handFan(5, 2));
    const QImage back = pixelsOf(pics::back(2));
    ASSERT_EQ(fan.width(), 2 * (57 + 3 * 5));
    // The cards beneath show only through the top card's rounded corners.
    const QRect inner = back.rect().adjusted(10, 0, -10, 0);
    EXPECT_EQ(fan.copy(inner.translated(fan.width() - back.width(), 0)), back.copy(inner));
    EXPECT_NE(fan.copy(inner), back.copy(inner));
    EXPECT_EQ(pics::handFanSize(25), QSize(132, 82));
}

TEST(Pictures, OutOfRangeRequestsGiveNullPictures) {
    EXPECT_TRUE(pics::card(-1, 1).isNull());
    EXPECT_TRUE(pics::card(pics::cardListSize, 1).isNull());
    EXPECT_TRUE(pics::cardFace(0, 1).isNull());
    EXPECT_TRUE(pics::cardFace(53, 1).isNull());
    EXPECT_TRUE(pics::handFan(0, 1).isNull());
    EXPECT_TRUE(pics::handFan(-3, 1).isNull());
    EXPECT_TRUE(pics::handFan(pics::maxFanCount + 1, 1).isNull());
    EXPECT_TRUE(pics::phraseButton(0, false, 1).isNull());
    EXPECT_TRUE(pics::phraseButton(10, true, 1).isNull());
    EXPECT_TRUE(pics::highlightFrame({0, 88}, 1).isNull());
    EXPECT_TRUE(pics::messagePanel({-5, 10}, 1).isNull());
    EXPECT_TRUE(pics::messagePanel({100000, 10}, 1).isNull());
}

TEST(Pictures, UnusableRatiosDrawAtRatioOne) {
    for (qreal ratio : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN(),
                        std::numeric_limits<qreal>::infinity()}) {
        const QPixmap card = pics::card(1, ratio);
        EXPECT_EQ(card.devicePixelRatio(), 1.0) << ratio;
        EXPECT_EQ(card.size(), QSize(60, 82)) << ratio;
    }
}

TEST(Pictures, RepeatedRequestsShareTheCachedPixmap) {
    EXPECT_EQ(pics::card(17, 2).cacheKey(), pics::card(17, 2).cacheKey());
    EXPECT_EQ(pics::cardFace(17, 2).cacheKey(), pics::card(17, 2).cacheKey());
    EXPECT_NE(pics::card(17, 1).cacheKey(), pics::card(17, 2).cacheKey());
    EXPECT_EQ(pics::spotMarker(pics::Spot::emptyFoundation, 1).cacheKey(),
              pics::card(pics::emptyFoundationIndex, 1).cacheKey());
}
