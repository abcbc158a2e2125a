// The spy list window: the spectators (connections without a seat) as "slot: name",
// and for the hosting user a context menu that removes the one under the pointer.
// Created once; showing and closing it only changes its visibility, the entries stay.
#pragma once

#include <QDialog>
#include <QStringList>
#include <string>

#include "records/colour_text.h"
#include "social/player_requests.h"

class QAbstractButton;
class QAction;
class QListWidget;
class QMenu;

namespace tess {

class Tspylist : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize clientSize{162, 168};
    static constexpr ColourValue listColour = 13361890;

    explicit Tspylist(LinkState link, QWidget* parent = nullptr);

    // "Remove From Game" is offered only to the hosting user.
    void setHosting(bool hosting);
    bool hosting() const { return hosting_; }

    // The entry text of a spectator: slot ": " name.
    static QString entry(int slot, const QString& name);
    // Adds the entry unless it is listed already (the host lists players twice to a
    // newcomer); true when it was added.
    bool addSpy(int slot, const QString& name);
    // Removes the entry; false when it was not listed.
    bool removeSpy(int slot, const QString& name);
    bool hasSpy(int slot, const QString& name) const;
    // Whether the slot has an entry, under any name.
    bool hasSlot(int slot) const;
    QStringList entries() const;

    // The row under the pointer at its last movement over the list (or at the click that
    // opened the menu), -1 when that was over no row.
    int rememberedRow() const { return row_; }

    // View > Spy List: shows the window without making it modal.
    void SpyList1Click();

    QListWidget* listbox_spys() const { return list_; }
    QMenu* popup_kick() const { return menu_; }
    QAction* popup_kickhim() const { return kickhim_; }
    QAbstractButton* button_done() const { return done_; }

signals:
    // A line for the host, without its terminator.
    void sendLine(const std::string& line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void remember(const QPoint& viewportPos);
    void forgetRowsPastEnd();
    void popup_kickhimClick();

    LinkState link_;
    bool hosting_ = false;
    bool placed_ = false;
    int row_ = -1;
    QListWidget* list_;
    QMenu* menu_;
    QAction* kickhim_;
    QAbstractButton* done_;
};

}  // namespace tess
