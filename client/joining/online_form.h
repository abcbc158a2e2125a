// Find Players Online: the tables and people in the lobby's room on an XMPP server, and
// its chat. Join asks a table's host for its address; the program then starts as the
// lobby's "NAME ADDRESS false" would.
#pragma once

#include <QWidget>

#include "client/joining/join_memory.h"
#include "client/joining/online_account.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace tess {

class OnlineLobby;
class PasswordStore;

class Tonline : public QWidget {
    Q_OBJECT
public:
    // `lobby` is shared with a table listed from this program.
    Tonline(QString settingsPath, OnlineLobby& lobby, QWidget* parent = nullptr);

    QTreeWidget* tableList() const { return tables_; }
    QListWidget* peopleList() const { return people_; }
    QPlainTextEdit* chatView() const { return chat_; }
    QLineEdit* chatInput() const { return say_; }
    QPushButton* connectButton() const { return connect_; }
    QPushButton* joinButton() const { return join_; }
    QLabel* statusLine() const { return status_; }

signals:
    // The host answered with an address that may be used.
    void joinRequested(const QString& name, const QString& address);

public slots:
    void connectClick();
    void joinClick();
    void sayClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildPlace();
    QWidget* buildRoom();
    void stateChanged();
    void showView();
    void addChat(const QStringList& lines);
    void setStatus(const QString& text);
    void passwordFound(const QString& account, const QString& password, const QString& error);

    QString settingsPath_;
    JoinMemory memory_;
    OnlineLobby& lobby_;
    PasswordStore* passwords_;
    bool placed_ = false;
    QString asked_;        // the host asked for its address
    bool trying_ = false;  // connecting, not yet in the room
    QLineEdit* name_;
    QLineEdit* server_;
    QLineEdit* room_;
    QLineEdit* account_;
    QLineEdit* password_;
    QPushButton* connect_;
    QLabel* status_;
    QTreeWidget* tables_;
    QLabel* peopleCount_;
    QListWidget* people_;
    QPlainTextEdit* chat_;
    QLineEdit* say_;
    QPushButton* join_;
};

}  // namespace tess
