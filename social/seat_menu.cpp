#include "social/seat_menu.h"

#include <QLabel>

namespace tess {

namespace {
const QString waiting = QStringLiteral("<Waiting>");
}  // namespace

SeatMenu::SeatMenu(LinkState link, QWidget* parent) : QMenu(parent), link_(std::move(link)) {
    setObjectName(QStringLiteral("popup_kick"));
    RemoveFromGame1 = addAction(tr("Remove From Game"));
    RemoveFromGame1->setObjectName(QStringLiteral("RemoveFromGame1"));
    SettoJustWatch1 = addAction(tr("Set to Just Watch"));
    SettoJustWatch1->setObjectName(QStringLiteral("SettoJustWatch1"));
    UnsetJustWatch1 = addAction(tr("Unset Just Watch"));
    UnsetJustWatch1->setObjectName(QStringLiteral("UnsetJustWatch1"));
    connect(RemoveFromGame1, &QAction::triggered, this, &SeatMenu::RemoveFromGame1Click);
    connect(SettoJustWatch1, &QAction::triggered, this, &SeatMenu::SettoJustWatch1Click);
    connect(UnsetJustWatch1, &QAction::triggered, this, &SeatMenu::UnsetJustWatch1Click);
}

void SeatMenu::label_playername1ContextPopup(int seat, bool hosting, bool seatWaiting) {
    for (QAction* item : {RemoveFromGame1, SettoJustWatch1, UnsetJustWatch1})
        item->setEnabled(hosting);
    // Nobody to remove, but the seat's watching can still be switched.
    if (seatWaiting) RemoveFromGame1->setEnabled(false);
    seat_ = seat;
    hosting_ = hosting;
}

void SeatMenu::popupFor(int seat, bool hosting, bool seatWaiting, QPoint globalPos) {
    label_playername1ContextPopup(seat, hosting, seatWaiting);
    popup(globalPos);
}

void SeatMenu::attach(QLabel* label, std::function<int()> seatOfLabel,
                      std::function<bool()> hosting) {
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(label, &QWidget::customContextMenuRequested, this,
            [this, label, seatOfLabel = std::move(seatOfLabel),
             hosting = std::move(hosting)](const QPoint& pos) {
                popupFor(seatOfLabel ? seatOfLabel() : 0, hosting && hosting(),
                         label->text() == waiting, label->mapToGlobal(pos));
            });
}

void SeatMenu::RemoveFromGame1Click() { send(kicking(link_, hosting_, seat_)); }

void SeatMenu::SettoJustWatch1Click() { send(justwatchRequest(link_, seat_, true)); }

void SeatMenu::UnsetJustWatch1Click() { send(justwatchRequest(link_, seat_, false)); }

void SeatMenu::send(const std::string& line) {
    if (!line.empty()) emit sendLine(line);
}

}  // namespace tess
