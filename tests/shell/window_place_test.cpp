#include "shell/window_place.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <limits>

namespace tess {
namespace {

constexpr int lowest = std::numeric_limits<int>::min();
constexpr int highest = std::numeric_limits<int>::max();

struct FitCase {
    const char* what;
    QRect area;
    int left, top, width, height;
    QSize least;
    QRect expected;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.what; }

class FitIntoTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitIntoTest, KeepsTheWindowInsideTheArea) {
    const FitCase& c = GetParam();
    EXPECT_EQ(fitInto(c.area, c.left, c.top, c.width, c.height, c.least), c.expected);
}

const QRect desktop(0, 0, 1920, 1170);    // below it, a task bar
const QRect second(1920, 40, 1280, 984);  // a screen to the right, a bar on top

INSTANTIATE_TEST_SUITE_P(
    Placements, FitIntoTest,
    testing::Values(
        FitCase{"AWindowThatFitsStaysAsItIs", desktop, 3, 3, 772, 535, {}, {3, 3, 772, 535}},
        FitCase{"AHugeWindowTakesTheArea", desktop, 3, 3, 100000, 100000, {}, desktop},
        FitCase{"FarLeftAndUp", desktop, lowest, lowest, 772, 535, {}, {0, 0, 772, 535}},
        FitCase{"FarRightAndDown",
                desktop,
                highest,
                highest,
                highest,
                535,
                {},
                {0, 1170 - 535, 1920, 535}},
        FitCase{"HangingOverTheEdge", second, 3000, 0, 400, 300, {}, {2800, 40, 400, 300}},
        FitCase{
            "NoSizeAtAllTakesTheSmallest", desktop, 10, 10, -5, 0, {768, 555}, {10, 10, 768, 555}},
        FitCase{"ASmallestSizeLargerThanTheArea",
                second,
                5000,
                5000,
                800,
                600,
                {1400, 1100},
                {1920, 40, 1400, 1100}}),
    [](const auto& info) { return std::string(info.param.what); });

// What the window takes: on its screen, and never smaller than its smallest size.
TEST(PlaceWindowTest, AWindowTakesAPlaceOnTheScreenAndItsSmallestSize) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setMinimumSize(300, 200);
    placeWindow(&window, lowest, highest, 100000, 100000);
    EXPECT_EQ(window.geometry(), area);
    placeWindow(&window, highest, lowest, 10, 10);
    EXPECT_EQ(window.geometry(), QRect(area.right() - 299, area.top(), 300, 200));
    window.show();
    placeWindow(&window, 20, 30, 400, 250);
    EXPECT_EQ(window.geometry(), QRect(area.left() + 20, area.top() + 30, 400, 250));
}

}  // namespace
}  // namespace tess
