// How the engine reaches the world: messages and seat facts through an outbox, its
// three timers through a clock, and shuffling through a random source. The host
// implements them with sockets and QTimers; tests with recordings and virtual time.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

// How a bot plays: the classic bot's fixed checks, or the strong bot that plans its turn.
enum class BotLevel { classic, strong };

class Outbox {
public:
    virtual ~Outbox() = default;
    // Every connection slot in use, in ascending order.
    virtual std::vector<int> slotsInUse() const = 0;
    virtual void send(int slot, const std::string& text) = 0;
    // Whether a client is connected in the seat's slot.
    virtual bool humanPresent(int seat) const = 0;
    // The hosting user's bot speed, the interval of one bot step.
    virtual int botSpeedMs() const = 0;
    // How the bot playing `seat` plays; the hosting user's choice applies to every seat.
    virtual BotLevel botLevel(int seat) const {
        (void)seat;
        return BotLevel::classic;
    }
    // A refused move that the hosting user is told about ("noplay", "match", ...).
    // `byBot` says the bot of `seat` made it rather than a client.
    virtual void refusal(std::string_view text, int seat, bool byBot) = 0;
};

enum class Timer { breaks, turn, computer };

class Clock {
public:
    using Handler = std::function<void(Timer)>;

    virtual ~Clock() = default;
    // (Re)starts a repeating timer; each tick goes to the handler until it is stopped.
    virtual void start(Timer timer, int intervalMs) = 0;
    virtual void stop(Timer timer) = 0;
    // Milliseconds on this clock's own time line (virtual time in tests); the host's
    // rate limits read it.
    virtual std::int64_t nowMs() const = 0;

    // The engine registers itself here when it is created.
    void setHandler(Handler handler) { handler_ = std::move(handler); }

protected:
    void fire(Timer timer) {
        if (handler_) handler_(timer);
    }

private:
    Handler handler_;
};

class Random {
public:
    virtual ~Random() = default;
    // A uniformly chosen number 1..n.
    virtual int uniform(int n) = 0;
};

}  // namespace tess
