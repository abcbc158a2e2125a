// How often the people in a room may ask a host for its table's address: a few times a
// minute each, and a bounded number for everybody together, so that one sender or a
// crowd of them cannot make the host answer without end. Time is passed in.
#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <deque>

namespace tess {

class JoinGate {
public:
    struct Limits {
        int perSender = 3;  // requests per sender within the window
        int total = 30;     // requests of all senders within the window
        std::int64_t windowMs = 60'000;
        int senders = 256;  // senders remembered; the oldest are forgotten first
    };
    JoinGate() = default;
    explicit JoinGate(Limits limits) : limits_(limits) {}

    // Whether a request from `sender` at `nowMs` is answered; a refused one counts too.
    bool admit(const QString& sender, std::int64_t nowMs);

private:
    void forgetBefore(std::int64_t oldest);

    Limits limits_;
    QHash<QString, std::deque<std::int64_t>> bySender_;
    struct Request {
        std::int64_t at;
        QString sender;
        bool admitted;
    };
    std::deque<Request> all_;  // every request remembered, in order
    int admitted_ = 0;         // of them, the answered ones
};

}  // namespace tess
