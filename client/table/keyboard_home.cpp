#include "client/table/keyboard_home.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "client/table/board_view.h"

namespace tess {

KeyboardHome::KeyboardHome(QWidget* window, BoardView* board, QLineEdit* input)
    : QObject(window), window_(window), board_(board), input_(input) {
    auto* focusSwitch = new QAction(window);
    focusSwitch->setObjectName(QStringLiteral("FocusSwitch"));
    focusSwitch->setShortcut(QKeySequence(Qt::Key_F6));
    window->addAction(focusSwitch);
    connect(focusSwitch, &QAction::triggered, this, &KeyboardHome::toggle);
    connect(board_, &BoardView::keyboardReleased, this, &KeyboardHome::toChat);
    // The input's Tab, and dialogs and boxes closing anywhere in the program.
    qApp->installEventFilter(this);
}

void KeyboardHome::toChat() { input_->setFocus(Qt::OtherFocusReason); }

void KeyboardHome::toggle() {
    if (board_->hasFocus())
        toChat();
    else
        board_->setFocus(Qt::ShortcutFocusReason);
}

// A window of ours other than the main one: a dialog, a box, help, the tally. Menus,
// tool tips and the like are no windows the user closes.
bool KeyboardHome::closesOverTable(QObject* watched) const {
    if (!watched->isWidgetType()) return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    if (!widget->isWindow() || widget == window_) return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet;
}

bool KeyboardHome::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (watched == input_) {
                // Tab leads from the chat to the table, not along the buttons.
                const auto* key = static_cast<QKeyEvent*>(event);
                const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
                if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                    board_->setFocus(Qt::TabFocusReason);
                    return true;
                }
            }
            break;
        case QEvent::Show:
            if (closesOverTable(watched)) {
                QWidget* had = window_->focusWidget();
                holder_ = had && had != window_ ? had : nullptr;
            }
            break;
        case QEvent::Hide:
            if (!closesOverTable(watched) || !window_->isVisible()) break;
            if (holder_ && holder_->isVisible())
                holder_->setFocus(Qt::OtherFocusReason);
            else
                toChat();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace tess
