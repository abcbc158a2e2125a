#include "shell/lazy_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <optional>

namespace tess {

namespace {

// Asks the style for its icon the first time the icon is drawn or measured.
class LazyStandardIcon : public QIconEngine {
public:
    LazyStandardIcon(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}
    QIconEngine* clone() const override { return new LazyStandardIcon(style_, which_); }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return real().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return real().availableSizes(mode, state);
    }
    bool isNull() override { return real().isNull(); }

private:
    const QIcon& real() {
        if (!icon_) icon_ = style_ ? style_->standardIcon(which_) : QIcon();
        return *icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> icon_;
};

}  // namespace

LazyIconStyle::LazyIconStyle() = default;

QIcon LazyIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                  const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return QIcon(new LazyStandardIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}

}  // namespace tess
