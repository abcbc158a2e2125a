// A hostile occupant of the lobby's room for tests: logs in anonymously, joins the room
// under a name, and sends whatever raw XML a test gives it, on a thread of its own.
#pragma once

#include <strophe.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "online/online_lobby.h"

namespace tess {

class ScriptedClient {
public:
    explicit ScriptedClient(const LobbyAccount& account);
    ~ScriptedClient();

    // Queued; sent in order on the client's thread.
    void send(std::string xml);
    // True once everything queued so far has been handed to the socket.
    bool flushed();
    bool inRoom() const { return inRoom_; }
    bool closed() const { return closed_; }
    std::string room() const { return room_; }
    std::string self() const { return room_ + "/" + nick_; }

private:
    void run();
    static int onPresence(xmpp_conn_t*, xmpp_stanza_t* s, void* self);
    static void onConnection(xmpp_conn_t*, xmpp_conn_event_t e, int, xmpp_stream_error_t*,
                             void* self);

    LobbyAccount account_;
    std::string room_, nick_;
    xmpp_ctx_t* ctx_ = nullptr;
    xmpp_conn_t* conn_ = nullptr;
    std::mutex mutex_;
    std::deque<std::string> queue_;
    std::atomic<bool> inRoom_{false}, closed_{false}, stop_{false}, empty_{true};
    std::thread thread_;
};

}  // namespace tess
