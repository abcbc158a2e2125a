#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <limits>

namespace tess {

// Paints each window at most once per frame of its screen. A window's first change
// after a quiet spell is painted at once, as before; changes that follow within the same
// frame (a burst of chat lines, a colour that flips every line) are gathered and painted
// together when the frame ends. Nothing is dropped: what is asked for is on screen at
// most one frame later. Nothing runs while no window has anything waiting.
//
// Installed once on the application: `app.installEventFilter(&pacer)`.
class PaintPacer : public QObject {
public:
    explicit PaintPacer(QObject* parent = nullptr);

    // Windows whose paint waits for the end of their frame (for a test).
    int waiting() const { return static_cast<int>(waiting_.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Window {
        qint64 lastPaintNs = std::numeric_limits<qint64>::min() / 2;  // never painted yet
    };
    static qint64 frameNs(const QWidget& window);
    void releaseDue();
    void arm();

    QElapsedTimer clock_;
    QHash<const QWidget*, Window> windows_;
    QHash<const QWidget*, QPointer<QWidget>> waiting_;
    QTimer timer_;
    const QWidget* releasing_ = nullptr;  // the window whose held paint is being let through
};

}  // namespace tess
