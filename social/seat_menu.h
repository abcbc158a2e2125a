// The context menu of the seat name labels (`popup_kick`): the hosting user removes a
// seated player from the game or switches a seat to or from just watching. It
// remembers the seat of the label it was opened on.
#pragma once

#include <QMenu>
#include <functional>
#include <string>

#include "social/player_requests.h"

class QLabel;

namespace tess {

class SeatMenu : public QMenu {
    Q_OBJECT
public:
    SeatMenu(LinkState link, QWidget* parent = nullptr);

    // Enables the three items for the host, all but "Remove From Game" on an empty seat
    // ("<Waiting>"), disables them for anybody else, and remembers the seat.
    void label_playername1ContextPopup(int seat, bool hosting, bool seatWaiting);
    // The same, then opens the menu at `globalPos`.
    void popupFor(int seat, bool hosting, bool seatWaiting, QPoint globalPos);
    // Opens the menu on a right click on `label`; the label's seat and whether the user
    // hosts are asked at that moment, and the label's caption tells an empty seat.
    void attach(QLabel* label, std::function<int()> seatOfLabel, std::function<bool()> hosting);

    // The seat of the label the menu was last opened on, 0 before that.
    int seat() const { return seat_; }

    QAction* RemoveFromGame1;
    QAction* SettoJustWatch1;
    QAction* UnsetJustWatch1;

signals:
    // A line for the host, without its terminator.
    void sendLine(const std::string& line);

private:
    void RemoveFromGame1Click();
    void SettoJustWatch1Click();
    void UnsetJustWatch1Click();
    void send(const std::string& line);

    LinkState link_;
    int seat_ = 0;
    bool hosting_ = false;
};

}  // namespace tess
