// The chat column of the main window: the chat view, the one-line input with its
// placeholder and the smilies button, with their context menus. Lines the user types
// leave through lineReady; the user's own line shows when the host relays it back.
#pragma once

#include <QMenu>
#include <QWidget>
#include <functional>
#include <string>

#include "social/chat_text.h"
#include "social/chat_view.h"

class QLineEdit;
class QToolButton;
class QFrame;

namespace tess {

class ChatPanel : public QWidget {
    Q_OBJECT
public:
    // Where the panel's corner sits in the main window's client area.
    static constexpr QPoint origin{477, 72};
    static inline const QString placeholder = QStringLiteral("<Enter Chat Here>");
    // The placeholder in the user's language.
    static QString shownPlaceholder() { return tr("<Enter Chat Here>"); }

    explicit ChatPanel(QWidget* parent = nullptr);

    // Appends "code+prefix:body" in `colour`.
    void addlinetochat(std::string_view line, ColourValue colour);
    // The fields of a relayed CMD_chat or CMD_action.
    void chatrecieved(std::string_view data);
    void sendit();

    // Sending needs the client's slot; nothing is sent before the host gave one.
    void setConnection(bool connected, int mySlot) {
        connected_ = connected;
        mySlot_ = mySlot;
    }
    void setChatColour(ColourValue colour);
    ColourValue chatColour() const { return colour_; }
    void setTextSize(int points) { mainchat->setTextSize(points); }
    int textSize() const { return mainchat->textSize(); }

    // The input line and the smilies button `scale` times their size (the table grows
    // with its window); the view takes the rest of the panel.
    void setScale(qreal scale);

    bool scrollOff() const { return mainchat->scrollOff(); }
    void ScrollChatOff1Click();
    void ClearMainChat1Click();
    // Puts the selected text on the clipboard as plain text, nothing else.
    void Copy1Click();

    ChatView* view() const { return mainchat; }
    QLineEdit* input() const { return mychat; }
    QMenu* smiliesMenu() { return &popup_smilies; }

    // Opens a link's address with the desktop; tests replace it.
    std::function<bool(const QUrl&)> openUrl;

signals:
    void lineReady(const std::string& line);
    // A tessarine:// link was clicked: its text, for the join window.
    void invitationClicked(const QString& link);
    void scrollOffChanged(bool off);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mainchatJump(const QString& linkText);
    void button_smiliesClick();
    void N271Click(int number);
    void Paste1Click();
    void buildMenus();
    // The view fills the panel above the input line and the smilies button.
    void placeChildren();

    QFrame* panel_mainchat;
    ChatView* mainchat;
    QLineEdit* mychat;
    QToolButton* button_smilies;
    QMenu popup_mainchat;
    QMenu popup_mychat;
    QMenu popup_smilies;
    QAction* ScrollChatOff1 = nullptr;
    LinkCounter links_;
    ColourValue colour_ = clBlack;
    bool connected_ = false;
    int mySlot_ = 0;
    qreal scale_ = 1;
};

}  // namespace tess
