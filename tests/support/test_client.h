// A player's connection for tests: a real QTcpSocket that collects the lines the host
// sends, cut at the terminator.
#pragma once

#include <QTcpSocket>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "wire/splitter.h"

namespace tess::testing {

// Runs the event loop until `done` holds or `ms` have passed; returns `done()`.
bool waitUntil(const std::function<bool()>& done, int ms = 5000);

class TestClient {
public:
    static constexpr int waitMs = 5000;

    // Connects to the host on loopback, from `from` when given (another loopback
    // address such as 127.0.0.2 stands for a machine of its own).
    // `to` is the host's address (IPv4 loopback unless given).
    explicit TestClient(quint16 port, bool waitForSlot = true, const QString& from = {},
                        const QString& to = {});

    // Waits for the host's login request and returns the slot it gives (0: the host
    // closed the connection instead).
    int awaitSlot();

    // Sends a line with its terminator ("CMD_chat+2+hi|clBlack").
    void send(std::string_view line);
    void sendRaw(std::string_view bytes);
    // Answers the host's slot number with a login, as the program does.
    void login(std::string_view name, std::string_view version = "1.0.2");

    // Waits until a line satisfying `match` has come (looking only at lines not yet
    // taken by an earlier wait), and returns it; "" on timeout.
    std::string waitFor(const std::function<bool(const std::string&)>& match, int ms = waitMs);
    // Waits for the next line starting with `prefix`.
    std::string waitForPrefix(std::string_view prefix, int ms = waitMs);
    bool waitClosed(int ms = waitMs);
    // Later waits look only at lines that arrive from now on.
    void skipSeen() { seen_ = lines_.size(); }
    // Resets the connection (RST) instead of closing it.
    void killHard();
    // Stops taking in what arrives (the system's buffers fill and the sender's output
    // piles up), or takes it in again.
    void pauseReading(bool paused);

    int slot() const { return slot_; }
    bool closed() const { return closed_; }
    const std::vector<std::string>& lines() const { return lines_; }
    std::string raw() const { return raw_; }
    std::vector<std::string> linesStartingWith(std::string_view prefix) const;
    QTcpSocket& socket() { return socket_; }

private:
    void readable();

    QTcpSocket socket_;
    wire::LineSplitter splitter_;
    std::vector<std::string> lines_;
    std::string raw_;
    std::size_t seen_ = 0;
    int slot_ = 0;
    bool closed_ = false;
    bool paused_ = false;
};

}  // namespace tess::testing
