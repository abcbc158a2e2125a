// Where the keyboard lives in the main window. Typing belongs to the chat input: it has
// the keyboard at start. The board takes the keys only when the user sends them there
// with F6 or Tab, and hands them back on F6, Tab, or Escape with nothing left to let go.
// A window of the program that closes over the table gives the keys back to whatever in
// the main window had them when it opened (the chat input when nothing did).
#pragma once

#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

namespace tess {

class BoardView;

class KeyboardHome : public QObject {
    Q_OBJECT
public:
    // `window` is the main window holding `board` and the chat `input`.
    KeyboardHome(QWidget* window, BoardView* board, QLineEdit* input);

    // The chat input takes the keyboard (at once, or when the window is next active).
    void toChat();
    // F6: to the board, or back to the chat.
    void toggle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool closesOverTable(QObject* watched) const;

    QWidget* window_;
    BoardView* board_;
    QLineEdit* input_;
    QPointer<QWidget> holder_;  // had the keys when a window opened over the table
};

}  // namespace tess
