#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "assets/pictures/pictures.h"
#include "widgets/felt_window.h"

namespace tess {
namespace {

// A window that is made but never opened draws no felt; once it is shown or grabbed
// the felt is its background like any other.
TEST(FeltWindow, TheFeltIsTheBackgroundOnceTheWindowIsShownOrGrabbed) {
    const QSize size(200, 120);
    const QImage felt = pictures::feltBackground(size, 1).toImage();
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "shown" : "grabbed");
        QWidget window;
        window.setFixedSize(size);
        useFeltBackground(&window, size);
        QCoreApplication::processEvents();  // Qt polishes a new window: still no picture
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
