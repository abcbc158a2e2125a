#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

#include "assets/pictures/pictures.h"
#include "records/felt_window.h"

namespace tess {
namespace {

// The felt is drawn when the window is first shown or grabbed, and then it is the
// window's background like any other.
TEST(FeltWindow, TheFeltIsTheBackgroundOnceTheWindowIsShownOrGrabbed) {
    const QSize size(200, 120);
    const QImage felt = pictures::feltBackground(size, 1).toImage();
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "shown" : "grabbed");
        QWidget window;
        window.setFixedSize(size);
        useFeltBackground(&window, size);
        EXPECT_TRUE(window.palette().brush(QPalette::Window).texture().isNull());
        if (shown) {
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        }
        const QImage image = window.grab().toImage();
        ASSERT_EQ(image.size(), felt.size());
        for (const QPoint at : {QPoint(0, 0), QPoint(100, 60), QPoint(3, 60), QPoint(190, 110)})
            EXPECT_EQ(image.pixelColor(at), felt.pixelColor(at)) << at.x() << "," << at.y();
        EXPECT_FALSE(window.palette().brush(QPalette::Window).texture().isNull());
    }
}

}  // namespace
}  // namespace tess
