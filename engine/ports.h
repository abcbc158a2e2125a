// How the engine reaches the world: messages and seat facts through an outbox, its
// three timers through a clock, and shuffling through a random source. The host
// implements them with sockets and QTimers; tests with recordings and virtual time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tess {

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
    // A refused move that the hosting user is told about ("noplay", "match", ...).
    // `byBot` says the bot of `seat` made it rather than a client.
    virtual void refusal(std::string_view text, int seat, bool byBot) = 0;
};

enum class Timer { breaks, turn, computer };

class Clock {
public:
    virtual ~Clock() = default;
    // (Re)starts a repeating timer; the engine is told of each tick through
    // Engine::timerFired until it stops the timer.
    virtual void start(Timer timer, int intervalMs) = 0;
    virtual void stop(Timer timer) = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // A uniformly chosen number 1..n.
    virtual int uniform(int n) = 0;
};

}  // namespace tess
