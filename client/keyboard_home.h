// Where the keyboard lives in the main window. Typing belongs to the chat input: it has
// the keyboard at start and again whenever one of the program's windows closes over the
// table. The board takes the keys only when the user sends them there with F6 or Tab,
// and hands them back on F6, Tab, or Escape with nothing left to let go.
#pragma once

#include <QObject>

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
};

}  // namespace tess
