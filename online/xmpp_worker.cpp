#include "online/xmpp_worker.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "online/lobby_address.h"

namespace tess {

namespace {

constexpr std::size_t maxOccupantBytes = 1023;  // the longest resource XMPP allows

QString tr(const char* text) { return QCoreApplication::translate("OnlineLobby", text); }

}  // namespace

// Counts what libstrophe holds, so that a server cannot make it hold without bound.
struct XmppWorker::Alloc {
    static constexpr std::size_t header = alignof(std::max_align_t);
    static void* alloc(std::size_t size, void* self) {
        auto* block = static_cast<char*>(std::malloc(size + header));
        if (block == nullptr) return nullptr;
        std::memcpy(block, &size, sizeof size);
        static_cast<XmppWorker*>(self)->heldBytes_ += size;
        return block + header;
    }
    static void release(void* p, void* self) {
        if (p == nullptr) return;
        char* block = static_cast<char*>(p) - header;
        std::size_t size = 0;
        std::memcpy(&size, block, sizeof size);
        static_cast<XmppWorker*>(self)->heldBytes_ -= size;
        std::free(block);
    }
    static void* resize(void* p, std::size_t size, void* self) {
        if (p == nullptr) return alloc(size, self);
        char* block = static_cast<char*>(p) - header;
        std::size_t old = 0;
        std::memcpy(&old, block, sizeof old);
        auto* grown = static_cast<char*>(std::realloc(block, size + header));
        if (grown == nullptr) return nullptr;
        std::memcpy(grown, &size, sizeof size);
        auto& held = static_cast<XmppWorker*>(self)->heldBytes_;
        held += size;
        held -= old;
        return grown + header;
    }
};

XmppWorker::XmppWorker(OnlineLobby* lobby, LobbyAccount account, LobbyTimes times)
    : lobby_(lobby), account_(std::move(account)), times_(times) {
    static std::once_flag once;
    std::call_once(once, [] { xmpp_initialize(); });
    mem_ = {&Alloc::alloc, &Alloc::release, &Alloc::resize, this};
    nick_ = account_.nick;
    thread_ = std::thread([this] { run(); });
}

XmppWorker::~XmppWorker() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
}

void XmppWorker::post(std::function<void(XmppWorker&)> command) {
    const std::lock_guard<std::mutex> lock(mutex_);
    commands_.push_back(std::move(command));
}

void XmppWorker::run() {
    openConnection();
    while (!ended_) {
        if (stopping_) {
            leave();
            break;
        }
        xmpp_run_once(ctx_, 20);
        runCommands();
        watch(nowMs());
    }
    xmpp_conn_release(conn_);
    xmpp_ctx_free(ctx_);
}

void XmppWorker::openConnection() {
    log_ = {&XmppWorker::onLog, this};
    ctx_ = xmpp_ctx_new(&mem_, &log_);
    conn_ = xmpp_conn_new(ctx_);
    xmpp_conn_set_flags(conn_, XMPP_CONN_FLAG_MANDATORY_TLS);
    xmpp_conn_set_sockopt_callback(conn_, xmpp_sockopt_cb_keepalive);
    // A JID without a name logs in anonymously.
    const bool anonymous = account_.jid.isEmpty();
    xmpp_conn_set_jid(conn_, (anonymous ? account_.server : account_.jid).toUtf8().constData());
    if (!anonymous) xmpp_conn_set_pass(conn_, account_.password.toUtf8().constData());
    xmpp_handler_add(conn_, &XmppWorker::onAny, nullptr, nullptr, nullptr, this);
    xmpp_handler_add(conn_, &XmppWorker::onPresence, nullptr, "presence", nullptr, this);
    xmpp_handler_add(conn_, &XmppWorker::onMessage, nullptr, "message", nullptr, this);
    lastHeard_ = nowMs();
    const QByteArray address = account_.address.toUtf8();
    if (xmpp_connect_client(conn_, address.isEmpty() ? nullptr : address.constData(), account_.port,
                            &XmppWorker::onConnection, this) != XMPP_EOK)
        end(tr("The server's address could not be used."));
}

// The library says only in its log why a login failed: read it until logged in.
void XmppWorker::onLog(void* self, xmpp_log_level_t level, const char* area, const char* msg) {
    static const bool printing = qEnvironmentVariableIsSet("TESSARINE_XMPP_LOG");
    if (printing) std::fprintf(stderr, "xmpp %s %d %s\n", area, int(level), msg);
    auto* w = static_cast<XmppWorker*>(self);
    if (w->connected_) return;
    const std::string_view text(msg);
    if (text == "connection successful") {
        w->login_ = Login::reached;
    } else if (text.rfind("connection failed, error ", 0) == 0) {
        w->connectError_ = std::atoi(msg + 25);
    } else if (level >= XMPP_LEVEL_WARN && std::string_view(area) == "tls") {
        w->login_ = Login::insecure;
    } else if (level >= XMPP_LEVEL_ERROR && std::string_view(area) == "auth") {
        w->login_ = Login::refused;
    }
}

void XmppWorker::runCommands() {
    std::deque<std::function<void(XmppWorker&)>> batch;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        batch.swap(commands_);
    }
    for (auto& command : batch)
        command(*this);
}

void XmppWorker::watch(std::int64_t now) {
    if (ended_) return;
    if (heldBytes_ > maxHeldBytes) {
        xmpp_disconnect(conn_);
        end(
            tr("The server sent more at once than this program keeps (16 MB); the connection "
               "was closed."));
        return;
    }
    if (!inRoom_ && now - lastHeard_ > times_.answerMs) {
        xmpp_disconnect(conn_);
        end(tr("The server did not answer within %1 seconds.").arg(times_.answerMs / 1000), true);
        return;
    }
    if (rejoinAt_ != 0 && now >= rejoinAt_) {
        rejoinAt_ = 0;
        joinRoom();
    }
    if (inRoom_ && pingSent_ == 0 && now - lastHeard_ > times_.pingMs) {
        xmpp_stanza_t* iq = xmpp_iq_new(ctx_, "get", "ping");
        char* server = xmpp_jid_domain(ctx_, xmpp_conn_get_bound_jid(conn_));
        if (server) xmpp_stanza_set_to(iq, server);
        xmpp_free(ctx_, server);
        xmpp_stanza_t* ping = xmpp_stanza_new(ctx_);
        xmpp_stanza_set_name(ping, "ping");
        xmpp_stanza_set_ns(ping, "urn:xmpp:ping");
        xmpp_stanza_add_child_ex(iq, ping, 0);
        send(iq);
        pingSent_ = now;
    }
    if (pingSent_ != 0 && now - pingSent_ > times_.answerMs) {
        xmpp_disconnect(conn_);
        end(tr("The server stopped answering."), true);
        return;
    }
    publishView(now, false);
}

void XmppWorker::send(xmpp_stanza_t* stanza) {
    if (connected_) xmpp_send(conn_, stanza);
    xmpp_stanza_release(stanza);
}

// Leaving says so to the room first, so that a listed table goes at once.
void XmppWorker::leave() {
    if (connected_) {
        xmpp_stanza_t* p = xmpp_presence_new(ctx_);
        xmpp_stanza_set_type(p, "unavailable");
        xmpp_stanza_set_to(p, occupantAddress(nick_).toUtf8().constData());
        send(p);
        xmpp_disconnect(conn_);
        const std::int64_t until = nowMs() + 2000;
        while (connected_ && nowMs() < until)
            xmpp_run_once(ctx_, 20);
    }
    ended_ = true;
}

void XmppWorker::end(const QString& why, bool mayRetry) {
    if (ended_) return;
    ended_ = true;
    inRoom_ = false;
    roster_.clear();
    rosterChanged_ = true;
    publishView(nowMs(), true);
    toLobby([why, mayRetry](OnlineLobby& l) { l.workerEnded(why, mayRetry); });
}

QString XmppWorker::occupantAddress(const QString& occupant) const {
    return account_.room + QLatin1Char('/') + occupant;
}

QString XmppWorker::occupantOf(xmpp_stanza_t* stanza) const {
    const char* from = xmpp_stanza_get_from(stanza);
    if (from == nullptr) return {};
    const std::string_view f(from);
    const auto slash = f.find('/');
    if (slash == std::string_view::npos || f.size() - slash - 1 > maxOccupantBytes) return {};
    const QString bare = QString::fromUtf8(f.data(), static_cast<qsizetype>(slash));
    if (bare.compare(account_.room, Qt::CaseInsensitive) != 0) return {};
    return QString::fromUtf8(f.data() + slash + 1, static_cast<qsizetype>(f.size() - slash - 1));
}

}  // namespace tess
