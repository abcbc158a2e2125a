// The thread that talks to the XMPP server for OnlineLobby. libstrophe is not thread-safe,
// so everything that touches it runs here: the lobby posts commands, and the worker
// posts events back to the lobby's thread.
#pragma once

#include <strophe.h>

#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "online/join_gate.h"
#include "online/online_lobby.h"
#include "online/room_roster.h"

namespace tess {

class XmppWorker {
public:
    static std::int64_t nowMs() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    // What the server may make us hold at once (a huge stanza, a flood read ahead).
    static constexpr std::size_t maxHeldBytes = 16 * 1024 * 1024;
    // Chat lines waiting for the next view; past this the oldest are dropped.
    static constexpr int maxWaitingLines = 200;

    XmppWorker(OnlineLobby* lobby, LobbyAccount account, LobbyTimes times);
    // Leaves the room and disconnects (waiting at most a second or two), then joins.
    ~XmppWorker();
    XmppWorker(const XmppWorker&) = delete;
    XmppWorker& operator=(const XmppWorker&) = delete;

    // Runs `command` on the worker's thread.
    void post(std::function<void(XmppWorker&)> command);

    // Commands.
    void setTable(const std::optional<ListedTable>& table);
    void say(const QString& text);
    void ask(const QString& occupant, const QString& id);
    void send(xmpp_stanza_t* stanza);
    xmpp_ctx_t* ctx() const { return ctx_; }
    QString occupantAddress(const QString& occupant) const;

private:
    struct Alloc;
    void run();
    void openConnection();
    void runCommands();
    void watch(std::int64_t now);
    void leave();
    // `mayRetry`: the link failed, not the login or the room; worth another try later.
    void end(const QString& why, bool mayRetry = false);
    void joinRoom();
    void sendPresence();
    void unlockRoom();
    void publishView(std::int64_t now, bool force);
    int presence(xmpp_stanza_t* stanza);
    int message(xmpp_stanza_t* stanza);
    void presenceError(xmpp_stanza_t* stanza);
    void privateMessage(const QString& occupant, xmpp_stanza_t* stanza);
    void connectionEvent(xmpp_conn_event_t event, int error, xmpp_stream_error_t* streamError);
    QString loginFailure(int error) const;
    QString occupantOf(xmpp_stanza_t* stanza) const;
    // Runs `f` on the lobby's thread; dropped once the lobby is gone or the worker stops.
    template <typename F>
    void toLobby(F f) {
        if (stopping_) return;
        QMetaObject::invokeMethod(
            lobby_, [lobby = lobby_, f = std::move(f)] { f(*lobby); }, Qt::QueuedConnection);
    }

    static void onLog(void* self, xmpp_log_level_t level, const char* area, const char* msg);
    static int onPresence(xmpp_conn_t*, xmpp_stanza_t* s, void* self);
    static int onMessage(xmpp_conn_t*, xmpp_stanza_t* s, void* self);
    static int onAny(xmpp_conn_t*, xmpp_stanza_t* s, void* self);
    static void onConnection(xmpp_conn_t*, xmpp_conn_event_t e, int error,
                             xmpp_stream_error_t* streamError, void* self);

    OnlineLobby* lobby_;
    LobbyAccount account_;
    LobbyTimes times_;
    std::thread thread_;
    std::mutex mutex_;
    std::deque<std::function<void(XmppWorker&)>> commands_;
    std::atomic<bool> stopping_{false};

    // Below: the worker's thread only.
    std::atomic<std::size_t> heldBytes_{0};
    xmpp_mem_t mem_{};
    xmpp_log_t log_{};
    xmpp_ctx_t* ctx_ = nullptr;
    xmpp_conn_t* conn_ = nullptr;
    bool connected_ = false;
    // How far a login got, for the words when it fails.
    enum class Login { started, reached, insecure, refused };
    Login login_ = Login::started;
    int connectError_ = 0;
    bool inRoom_ = false;
    bool ended_ = false;
    int nickTries_ = 0;
    int lockedTries_ = 0;
    std::int64_t rejoinAt_ = 0;
    QString nick_;
    std::optional<ListedTable> table_;
    RoomRoster roster_;
    bool rosterChanged_ = false;
    std::deque<QString> waitingLines_;
    int droppedLines_ = 0;
    std::int64_t lastView_ = 0;
    std::int64_t lastHeard_ = 0;
    std::int64_t pingSent_ = 0;
    JoinGate gate_;
    QString askedId_, asked_;
};

}  // namespace tess
