// The table's host: accepts up to nine connections on one port (slots 1-4 are the
// seats, 5-9 spectators), logs players in, relays chat, and feeds every request to the
// game engine: each connection's lines in arrival order, the connections taking turns.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "net/address_guard.h"
#include "net/dispatch_pacer.h"
#include "net/rate_limit.h"
#include "net/tsock.h"
#include "wire/limits.h"
#include "wire/splitter.h"

namespace tess {

using wire::slotCount;

// What one peer may do: relayed lines per connection, and per remote address how often
// it may connect, how many connections it may hold and how long a removed player stays
// away.
struct HostLimits {
    RelayLimits relay;
    AddressLimits address;
};

class TServer : public QObject, public Outbox {
    Q_OBJECT
public:
    // Limits that keep the host's memory bounded whatever a peer does.
    static constexpr qint64 defaultOutputLimit = 1024 * 1024;
    static constexpr std::size_t maxQueuedBytesPerConnection = 1024 * 1024;
    static constexpr std::size_t maxRelayedLine = 2000;
    // Queued lines are handled back to back for up to this long, then the event loop
    // gets its turn (a zero timer) before the next slice.
    static constexpr int dispatchSliceMs = 3;
    // A connection that has not logged in by then is closed: a slot is for a player.
    static constexpr int defaultLoginTimeoutMs = 15000;

    // The engine's timers run on `clock`: QtClock in the program, a virtual clock in
    // tests.
    TServer(Clock& clock, Random& random, QObject* parent = nullptr);
    ~TServer() override;

    // Starts listening; throws ESockException ("Listen - Error Binding Socket") when the
    // port is taken. Port 0 picks a free one.
    void startListening(quint16 port);
    bool listening() const { return Sock1.Listen(); }
    quint16 port() const { return Sock1.localPort(); }

    void setBotSpeed(int ms) { botSpeed_ = ms; }
    // How every bot-played seat plays, from its next step on.
    void setBotLevel(BotLevel level) { botLevel_ = level; }
    // A connection with more unsent output than this is let go.
    void setOutputLimit(qint64 bytes) { outputLimit_ = bytes; }
    // How long a new connection may take to log in.
    void setLoginTimeout(int ms) { loginTimeoutMs_ = ms; }
    // For connections that come from now on.
    void setLimits(const HostLimits& limits);
    // Tells the host which connection is its own user's: `ends` gives the ends of the
    // client's socket, and only the connection whose ends mirror them gets slot 1.
    // Everybody else gets slots 2-9, whenever they come.
    using OwnClientEnds = std::function<std::optional<SocketEnds>()>;
    void setOwnClient(OwnClientEnds ends) { ownClient_ = std::move(ends); }
    Engine& engine() { return engine_; }

    bool inUse(int slot) const { return validSlot(slot) && slots_[slot].sock != nullptr; }
    const std::string& name(int slot) const { return slots_[slot].name; }
    int highestSlot() const { return highestSlot_; }
    std::size_t queuedLines() const { return queuedLines_; }
    // How many remote addresses the host remembers (each until it no longer matters).
    std::size_t rememberedAddresses() const { return guard_.remembered(); }
    // Whether the dispatcher has a pass scheduled (idle means no timer at all).
    bool dispatching() const { return dispatchPacer_.active(); }

    void broadcast(const std::string& text);
    // Closes the slot's connection if it has one; the close handling follows.
    void disconnectsock(int slot);

    // Outbox for the engine.
    std::vector<int> slotsInUse() const override;
    void send(int slot, const std::string& text) override;
    bool humanPresent(int seat) const override { return inUse(seat); }
    int botSpeedMs() const override { return botSpeed_; }
    BotLevel botLevel(int) const override { return botLevel_; }
    void refusal(std::string_view text, int seat, bool byBot) override;

signals:
    // A refused move the hosting user should see: one made from slot 1 or by a bot.
    void refusalNotice(const QString& text);

private:
    struct Connection {
        TSock* sock = nullptr;
        std::uint64_t id = 0;  // tells a reused slot's connections apart
        std::string name;
        bool loggedIn = false;
        QTimer* loginTimer = nullptr;  // owned by sock
        wire::LineSplitter splitter;
        // This connection's lines in arrival order; they go when it closes.
        std::deque<std::string> receivedlist;
        std::size_t queuedBytes = 0;
        std::string address;   // the peer's, for the per-address limits
        bool own = false;      // the hosting user's own connection
        bool counted = false;  // open in the per-address count
        RelayLimit relay;
        LogPacer dropLog;
    };
    using Handler = void (TServer::*)(int origin, std::string_view rest);

    static bool validSlot(int slot) { return slot >= 1 && slot <= slotCount; }

    void Sock1Accept(TSock* sender);
    // Whether the accepted connection with `ends` is the hosting user's own.
    bool ownConnection(const std::optional<SocketEnds>& ends) const;
    int freeSlot(bool own);
    // Whether the peer at `ends` may come in; counts it (under `address`) when it may.
    AddressGuard::Verdict admissible(const std::optional<SocketEnds>& ends, std::string& address);
    void refuse(TSock* sock, const char* why);
    // Whether a line of a relayed word may go on; the sender may be let go as flooding.
    bool relayAllowed(int slot, const std::string& line);
    // The accepted connection `id` in `slot` (each connection's own, captured when it is
    // admitted): it has data, the peer closed, or a close or an error was reported.
    bool sameConnection(int slot, std::uint64_t id) const;
    void connectionRead(int slot, std::uint64_t id);
    void peerDisconnected(int slot, std::uint64_t id);
    void connectionInfo(int slot, std::uint64_t id, SocketInfo info, const QString& msg);
    void closeHandling(int slot);
    void dropConnection(int slot, const char* why);
    void admit(int slot, TSock* sock, bool own, std::string address);
    void clearQueue(Connection& c);
    void enqueue(int slot, std::string line);
    void dispatchNextLine();
    void dispatch(int slot, const std::string& line);

    // Handlers of the requests; `origin` is the slot whose connection sent the line.
    void receivedlogininfo(int origin, std::string_view rest);
    void chat(int origin, std::string_view rest);
    void action(int origin, std::string_view rest);
    void playasound(int origin, std::string_view rest);
    void kickhim(int origin, std::string_view rest);
    void justwatch(int origin, std::string_view rest);
    void startgame(int origin, std::string_view rest);
    void handplay(int origin, std::string_view rest);
    void tabplay(int origin, std::string_view rest);
    void handfound(int origin, std::string_view rest);
    void tabfound(int origin, std::string_view rest);
    void endturn(int origin, std::string_view rest);
    // Whether a request names the sending connection's own slot.
    bool fromSender(int origin, int named) const;

    TSock Sock1;  // the listener
    std::array<Connection, slotCount + 1> slots_;
    int highestSlot_ = 0;
    std::uint64_t nextId_ = 0;
    std::size_t queuedLines_ = 0;
    int nextTurn_ = 1;             // the slot whose queue the dispatcher looks at first
    DispatchPacer dispatchPacer_;  // runs only while lines wait
    int botSpeed_ = 1000;
    BotLevel botLevel_ = BotLevel::classic;
    qint64 outputLimit_ = defaultOutputLimit;
    int loginTimeoutMs_ = defaultLoginTimeoutMs;
    HostLimits limits_;
    AddressGuard guard_;
    LogPacer refusalLog_;
    OwnClientEnds ownClient_;
    Clock& clock_;
    Engine engine_;
};

}  // namespace tess
