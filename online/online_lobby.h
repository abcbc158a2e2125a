// The lobby on the internet: a chat room on an XMPP server, where hosts list their tables
// as their presence and players ask a host for the address by private message. The
// connection runs on a thread of its own, so a slow, stalled or hostile server never
// holds up the window; what the room looks like arrives here a few times a second.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>

#include "online/room_roster.h"

namespace tess {

class XmppWorker;

struct LobbyAccount {
    QString server;    // the XMPP domain logged in to anonymously; unused with an account
    QString jid;       // the user's own account ("" for an anonymous login)
    QString password;  // for the account
    QString address;   // connect here rather than where the domain's DNS records point
    quint16 port = 0;  // with address
    QString room;      // the room's address, name@service
    QString nick;      // the name shown in the room
};

struct LobbyTimes {
    int pingMs = 30'000;        // a quiet server is asked whether it is still there...
    int answerMs = 20'000;      // ...and given this long to answer
    int viewMs = 250;           // the room's view is sent at most this often
    int joinAnswerMs = 15'000;  // how long a player waits for a host's answer
    // A lost link is tried again after this long, doubling each time up to the most.
    int retryFirstMs = 2'000;
    int retryMostMs = 60'000;
};

class OnlineLobby : public QObject {
    Q_OBJECT
public:
    enum class State { offline, connecting, inRoom };

    explicit OnlineLobby(LobbyTimes times = {}, QObject* parent = nullptr);
    // Leaves the room (withdrawing a listed table) and closes the connection.
    ~OnlineLobby() override;

    void start(const LobbyAccount& account);
    void stop();
    State state() const { return state_; }
    const RoomView& view() const { return view_; }
    // The name this program has in the room (the wanted one may have been taken).
    QString nick() const { return nick_; }

    // Lists this program's table in the room, or withdraws it (nothing).
    void listTable(const std::optional<ListedTable>& table);
    void say(const QString& text);

    // Asks the host at `occupant` for its address; answered by joinAnswered or joinFailed.
    void askToJoin(const QString& occupant);
    void answerJoin(const QString& occupant, const QString& id, const QString& address, int port);
    void refuseJoin(const QString& occupant, const QString& id, const QString& reason);

signals:
    void stateChanged(tess::OnlineLobby::State state);
    // Something the user should read: why the connection ended, what was dropped.
    void notice(const QString& text);
    void viewChanged();
    void chatLines(const QStringList& lines);
    void joinRequested(const QString& occupant, const QString& id);
    void joinAnswered(const QString& occupant, const QString& address, int port);
    void joinFailed(const QString& occupant, const QString& reason);

private:
    friend class XmppWorker;
    void setState(State state, const QString& text);
    void finishWorker();
    // The worker's connection ended; a lost link of a session that was in the room is
    // tried again with growing pauses, a refused login or room is not.
    void workerEnded(const QString& why, bool mayRetry);
    void reconnect();

    LobbyTimes times_;
    State state_ = State::offline;
    RoomView view_;
    QString nick_;
    std::unique_ptr<XmppWorker> worker_;
    std::optional<ListedTable> listed_;
    QString asked_;  // the host a join request waits for
    QTimer joinTimeout_;
    LobbyAccount account_;  // for reconnecting
    bool wasInRoom_ = false;
    int retryMs_ = 0;
    QTimer retry_;
};

}  // namespace tess

Q_DECLARE_METATYPE(tess::OnlineLobby::State)
