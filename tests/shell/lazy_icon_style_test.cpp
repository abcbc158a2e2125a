#include "shell/lazy_icon_style.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <memory>

namespace tess {
namespace {

// The extension arrow the style hands out late looks exactly like the one the style
// underneath would have loaded at once; other icons come straight from that style.
TEST(LazyIconStyle, TheLateArrowIsTheStylesOwn) {
    LazyIconStyle style;
    for (auto which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                       QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_MessageBoxWarning}) {
        const QIcon late = style.standardIcon(which);
        const QIcon direct = style.baseStyle()->standardIcon(which);
        ASSERT_FALSE(late.isNull()) << which;
        for (int size : {16, 32}) {
            const QImage a = late.pixmap(QSize(size, size), 1.0).toImage();
            const QImage b = direct.pixmap(QSize(size, size), 1.0).toImage();
            EXPECT_EQ(a, b) << which << " at " << size;
        }
        EXPECT_EQ(late.availableSizes(), direct.availableSizes()) << which;
    }
}

}  // namespace
}  // namespace tess
