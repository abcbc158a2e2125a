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

// What one peer may do: relayed lines per address and the table's relay budget, and per
// remote address how often it may connect, how long it waits after connections that
// never logged in, and how long a removed player stays away.
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
    // At most this many connections wait for their login at once, one per address (the
    // machine's own aside); a newer one from the same address takes the place of one
    // that has waited this long. An honest program logs in within a round trip.
    static constexpr int maxWaitingForLogin = 3;
    static constexpr std::int64_t loginGraceMs = 1000;
    // A logged-in connection that has sent nothing for this long gives way when its
    // player's name comes back from its address (its connection died unnoticed).
    static constexpr std::int64_t silentMs = 5000;

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
    // A remote connection with more unsent output than this is let go; the hosting
    // user's own is sent no more relayed lines until it has caught up.
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
    // Relayed lines dropped as over a limit so far.
    std::size_t droppedRelayLines() const { return droppedRelayLines_; }
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
        std::string group;     // the peer's address group, for the per-address limits
        std::string relayKey;  // whose relay budget its lines take from
        bool own = false;      // the hosting user's own connection
        bool counted = false;  // open in the per-address count
        bool local = false;    // from this machine's own address
        std::int64_t admittedMs = 0;
        std::int64_t lastHeardMs = 0;
        FloodWatch flood;
        LogPacer dropLog;
    };
    using Handler = void (TServer::*)(int origin, std::string_view rest);

    static bool validSlot(int slot) { return slot >= 1 && slot <= slotCount; }

    void Sock1Accept(TSock* sender);
    // Whether the accepted connection with `ends` is the hosting user's own.
    bool ownConnection(const std::optional<SocketEnds>& ends) const;
    int freeSlot(bool own);
    // A connection from another than the hosting user: admitted within the limits of
    // its address, or refused.
    void admitStranger(TSock* sock, const SocketEnds& ends);
    // The slot of a connection from `group` that waits for its login (0: none).
    int waitingFrom(const std::string& group) const;
    // The slot of the connection that has waited longest for its login (0: none).
    int oldestWaiting() const;
    int waitingCount() const;
    // Lets a connection that waits for its login go, for a newcomer.
    void giveWay(int slot, const char* why);
    // Closes a connection that may not come in; only a full table tells the caller so.
    enum class Refusal { silent, full };
    void refuse(TSock* sock, const char* why, Refusal how);
    // The logged-in connection of the player `origin` names, from the same address,
    // that has been silent long enough to be a dead one (0: none).
    int silentNamesake(int origin) const;
    // How many connections in use take from the relay budget `key`, and how many
    // budgets share the table.
    int connectionsOf(const std::string& key) const;
    int senders() const;
    // Sends a relayed line to everybody; the hosting user's own client, when it lags,
    // misses it instead of being let go.
    void relay(const std::string& text);
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
    void admit(int slot, TSock* sock, bool own, std::string group, bool local);
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
    std::size_t droppedRelayLines_ = 0;
    int nextTurn_ = 1;             // the slot whose queue the dispatcher looks at first
    DispatchPacer dispatchPacer_;  // runs only while lines wait
    int botSpeed_ = 1000;
    BotLevel botLevel_ = BotLevel::classic;
    qint64 outputLimit_ = defaultOutputLimit;
    int loginTimeoutMs_ = defaultLoginTimeoutMs;
    HostLimits limits_;
    AddressGuard guard_;
    LogPacer refusalLog_;
    LogPacer ownLagLog_;
    OwnClientEnds ownClient_;
    Clock& clock_;
    Engine engine_;
};

}  // namespace tess
