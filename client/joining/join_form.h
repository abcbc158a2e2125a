// The window for joining a table: the player's name, the table's address (typed, chosen
// from the last ones joined, or picked from the tables found on this network), Join.
// The address is remembered by the caller once the table has let the player in.
#pragma once

#include <QDialog>
#include <QList>
#include <functional>

#include "client/joining/join_memory.h"
#include "reach/table_browser.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tess {

// The player's name as the host will show it: cleaned while it is typed.
QLineEdit* playerNameField(QWidget* parent, const QString& name);
// A red line under the form, hidden until there is something to say.
QLabel* problemLabel(QWidget* parent);
// The window's action button (the default, taken by Enter) and Close (Esc), on the right.
QHBoxLayout* actionRow(QDialog* dialog, QPushButton* action);

class Tjoin : public QDialog {
    Q_OBJECT
public:
    explicit Tjoin(QString settingsPath, QWidget* parent = nullptr);

    // Fills in the address field (an invitation's address), choosing nothing else.
    void setAddress(const QString& address);
    QString address() const;
    QString playerName() const;
    // The tables found on this network, or why they cannot be listed.
    void showTables(const QList<FoundTable>& tables);
    void showUnavailable(const QString& reason);
    // The name under which the user's own hosted table is announced ("" while none is):
    // that table is marked in the list, and choosing it goes back to it.
    void setOwnTable(std::function<QString()> announcedName);
    // Lists the tables found again, as the network last told of them.
    void refreshTables();

    QLineEdit* nameField() const { return name_; }
    QComboBox* addressField() const { return address_; }
    QTreeWidget* tableList() const { return tables_; }
    QLabel* tableNote() const { return tableNote_; }
    QLabel* problem() const { return problem_; }
    QPushButton* joinButton() const { return join_; }

signals:
    // Name and address are checked and remembered; the window has closed.
    void joinRequested(const QString& name, const QString& address);
    void onlineRequested();
    // The user chose the table this program hosts, where the user already is.
    void ownTableChosen();

public slots:
    void joinClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Enter in the address field joins at once: the editable list would take it first.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildTableList();
    void say(const QString& text);

    std::function<QString()> ownTable_;
    QString ownAddress_;  // where the list shows the user's own table
    JoinMemory memory_;
    TableBrowser* browser_ = nullptr;  // only while the window shows
    bool placed_ = false;
    QLineEdit* name_;
    QComboBox* address_;
    QTreeWidget* tables_ = nullptr;
    QLabel* tableNote_ = nullptr;
    QLabel* problem_;
    QPushButton* join_;
};

}  // namespace tess
