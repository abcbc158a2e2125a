// The client's connection to the table's host: logs in when the host asks, cuts what
// arrives into lines, and hands them one at a time, in order, to the handler of each
// command word. Knows nothing of windows; the main window registers the handlers.
#pragma once

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "net/dispatch_pacer.h"
#include "net/tsock.h"
#include "wire/limits.h"
#include "wire/splitter.h"

namespace tess {

class ClientLink : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(std::string_view rest)>;
    // Queued lines are handled back to back for this long, then the event loop gets its
    // turn (reads, paints, the user's clicks) before the next pass.
    static constexpr int dispatchSliceMs = 4;
    // What the receive queue may hold, each line counted with what keeping it costs. The
    // client stops reading before it gets there (below), so only a broken bound would
    // reach it; a host that did is dropped.
    static constexpr std::size_t maxQueuedBytes = 1024 * 1024;
    static constexpr std::size_t queuedLineCost = sizeof(std::string);
    // Past this much queued the client reads no further until it has caught up to half of
    // it; meanwhile TCP, and then the host's own output buffer, hold the rest. Reads come
    // in steps of 8 KiB: a step of nothing but one-byte lines costs 132 KiB queued, and
    // two such steps (the one that crosses the mark, and one more at a close) still fit
    // under the cap.
    static constexpr std::size_t pauseReadingAt = 752 * 1024;
    static constexpr qint64 readChunkBytes = 8 * 1024;

    // How the connection ended, for the words the user is given.
    enum class Ending {
        open,         // not ended
        closed,       // the host closed it
        lost,         // it failed once made (reset, keep-alive gave up, flooded)
        refused,      // nothing takes connections there
        unreachable,  // no route to the address
        notFound,     // the name has no address
        noAnswer,     // no login request within the answer time
        cancelled,    // the user gave the attempt up
    };
    // A host that has not asked for the login by then is given up.
    static constexpr int defaultAnswerMs = 10000;

    explicit ClientLink(QObject* parent = nullptr);

    // Opens the connection to the host and logs in as `name` when it asks.
    void connectTo(const QString& host, quint16 port, const std::string& name);
    // Holds a connection to the lobby's local port; nothing is sent on it, what arrives is
    // thrown away, and a failure is ignored.
    void openLobbyLink(quint16 port = 9001);

    // The handler for a command word; lines with words nobody handles are dropped. A word
    // has one handler: registering it again throws std::logic_error.
    void on(std::string_view word, Handler handler);
    // Whether a word has a handler.
    bool handles(std::string_view word) const { return handlers_.count(word) > 0; }
    // Sends a line with its terminator; false while not connected.
    bool send(std::string_view line);

    // The ends of the connection to the host, by which the host knows its own user.
    std::optional<SocketEnds> ends() const { return sock.ends(); }
    int mySlot() const { return mySlot_; }
    bool connected() const { return connected_; }
    bool isSpectator() const { return mySlot_ > wire::seatCount; }
    std::size_t queuedLines() const { return receivedlist_.size(); }
    Ending ending() const { return ending_; }
    void setAnswerTimeout(int ms) { answerTimer_.setInterval(ms); }
    std::size_t queuedBytes() const { return queuedBytes_; }
    // Bytes received and not cut into lines yet (bounded by a few read steps).
    qint64 heldInput() const { return sock.heldInput(); }

    // Gives up a connection not yet let in, reported as closed.
    void cancel() {
        if (!connected_) fail(Ending::cancelled);
    }

    // The host's login request: answers with the login.
    void sendloginfo(std::string_view rest);

signals:
    // The host asked for the login and has been answered.
    void loggedIn(int slot);
    // The connection is gone (closed, reset or failed after it was made); everything
    // received before has been handled, in slices like any other lines.
    void closed();

private:
    void sockRead(TSock* sender, int count);
    void sockInfo(TSock* sender, SocketInfo info, const QString& msg);
    void enqueue(std::string line);
    void processsocktimer();
    void dispatch(const std::string& line);
    void finish();
    void tellClosed();
    // The connection could not be made or answered: given up, reported as closed.
    void fail(Ending why);
    // The connection failed under a handler or the host overran us: close as for a
    // close by the host.
    void drop(const char* why);

    TSock sock;
    TSock lobbyLink_;  // held open for the lobby; what it sends is dropped
    wire::LineSplitter splitter_;
    std::deque<std::string> receivedlist_;
    std::size_t queuedBytes_ = 0;
    std::map<std::string, Handler, std::less<>> handlers_;
    DispatchPacer dispatchPacer_;  // runs only while lines wait
    std::string loginName_;
    int mySlot_ = 0;
    bool connected_ = false;
    bool opened_ = false;      // the connection was made at least once
    bool finished_ = false;    // the connection is gone (queued lines may still be handled)
    bool toldClosed_ = false;  // closed() has been emitted
    Ending ending_ = Ending::open;
    QTimer answerTimer_;
};

}  // namespace tess
