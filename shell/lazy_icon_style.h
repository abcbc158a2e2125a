#pragma once

#include <QProxyStyle>

namespace tess {

// The application's style, as it is, except that the menu bar's extension arrow (which
// every menu bar loads from Qt's picture files when it is made) is loaded when first
// drawn: the arrow shows only on a window too narrow for its menus.
class LazyIconStyle : public QProxyStyle {
public:
    LazyIconStyle();
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tess
