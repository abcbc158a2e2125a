#include "scripted_client.h"

#include <cstring>

namespace tess {

ScriptedClient::ScriptedClient(const LobbyAccount& account)
    : account_(account), room_(account.room.toStdString()), nick_(account.nick.toStdString()) {
    xmpp_initialize();
    ctx_ = xmpp_ctx_new(nullptr, nullptr);
    conn_ = xmpp_conn_new(ctx_);
    xmpp_conn_set_flags(conn_, XMPP_CONN_FLAG_MANDATORY_TLS);
    xmpp_conn_set_jid(conn_, account.server.toUtf8().constData());
    xmpp_handler_add(conn_, &ScriptedClient::onPresence, nullptr, "presence", nullptr, this);
    xmpp_connect_client(conn_, account.address.toUtf8().constData(), account.port,
                        &ScriptedClient::onConnection, this);
    thread_ = std::thread([this] { run(); });
}

ScriptedClient::~ScriptedClient() {
    stop_ = true;
    thread_.join();
    xmpp_conn_release(conn_);
    xmpp_ctx_free(ctx_);
}

void ScriptedClient::send(std::string xml) {
    const std::lock_guard<std::mutex> lock(mutex_);
    empty_ = false;
    queue_.push_back(std::move(xml));
}

bool ScriptedClient::flushed() { return empty_; }

void ScriptedClient::run() {
    while (!stop_) {
        xmpp_run_once(ctx_, 5);
        std::deque<std::string> batch;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            batch.swap(queue_);
        }
        for (const std::string& xml : batch) {
            xmpp_send_raw(conn_, xml.data(), xml.size());
            xmpp_run_once(ctx_, 0);
        }
        // Everything written out before saying so.
        for (int i = 0; i < 20 && !batch.empty(); ++i)
            xmpp_run_once(ctx_, 1);
        if (!batch.empty()) {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (queue_.empty()) empty_ = true;
        }
    }
    if (!closed_) xmpp_disconnect(conn_);
    for (int i = 0; i < 50 && !closed_; ++i)
        xmpp_run_once(ctx_, 10);
}

int ScriptedClient::onPresence(xmpp_conn_t*, xmpp_stanza_t* s, void* self) {
    auto* c = static_cast<ScriptedClient*>(self);
    const char* from = xmpp_stanza_get_from(s);
    if (from && c->self() == from && !xmpp_stanza_get_type(s)) c->inRoom_ = true;
    return 1;
}

void ScriptedClient::onConnection(xmpp_conn_t* conn, xmpp_conn_event_t e, int, xmpp_stream_error_t*,
                                  void* self) {
    auto* c = static_cast<ScriptedClient*>(self);
    if (e != XMPP_CONN_CONNECT) {
        c->closed_ = true;
        return;
    }
    const std::string join =
        "<presence to='" + c->self() + "'><x xmlns='http://jabber.org/protocol/muc'/></presence>";
    xmpp_send_raw(conn, join.data(), join.size());
}

}  // namespace tess
