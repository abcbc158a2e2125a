#include "shell/paint_pacer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>
#include <memory>

namespace tess {
namespace {

// A window that shows a number and remembers which numbers it painted.
class Counter : public QWidget {
public:
    int value = 0;
    std::vector<int> painted;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(value % 256, 0, 0));
        painted.push_back(value);
    }
};

class PaintPacerTest : public ::testing::Test {
protected:
    PaintPacerTest() {
        qApp->installEventFilter(&pacer);
        window.resize(60, 40);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(40);  // past the frame of the first paint
        window.painted.clear();
    }
    ~PaintPacerTest() override { qApp->removeEventFilter(&pacer); }

    void change() {
        ++window.value;
        window.update();
        QCoreApplication::processEvents();
    }

    PaintPacer pacer;
    Counter window;
};

TEST_F(PaintPacerTest, AChangeAfterAQuietSpellIsPaintedAtOnce) {
    change();
    EXPECT_EQ(window.painted, std::vector<int>{1});
    EXPECT_EQ(pacer.waiting(), 0);
}

// A burst of changes within a frame is painted once when the frame ends, showing the
// last of them; then nothing is left waiting and no timer runs.
TEST_F(PaintPacerTest, ABurstIsGatheredIntoOnePaintShowingItsEnd) {
    QElapsedTimer burst;
    burst.start();
    for (int i = 0; i < 10; ++i)
        change();
    ASSERT_LT(burst.elapsed(), 10) << "the burst did not fit in a frame; too slow a machine";
    EXPECT_EQ(window.painted, std::vector<int>{1});
    EXPECT_EQ(pacer.waiting(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.painted.size() == 2; }, 200));
    EXPECT_EQ(window.painted.back(), 10);
    EXPECT_EQ(pacer.waiting(), 0);
    QTest::qWait(50);
    EXPECT_EQ(window.painted.size(), 2u);  // nothing more to paint
}

// A window that goes while its paint waits is forgotten, and the others still paint.
TEST_F(PaintPacerTest, AWindowClosedWhileItsPaintWaitsIsLetGo) {
    auto other = std::make_unique<Counter>();
    other->resize(60, 40);
    other->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(other.get()));
    other->update();
    QCoreApplication::processEvents();
    other->update();
    QCoreApplication::processEvents();
    change();
    change();
    ASSERT_EQ(pacer.waiting(), 2);
    other.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pacer.waiting() == 0; }, 200));
    EXPECT_EQ(window.painted.back(), 2);
}

}  // namespace
}  // namespace tess
