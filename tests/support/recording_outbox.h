// An outbox that records every message, for checking the engine's announcements.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "engine/ports.h"

namespace tess::testing {

// A message as written, with the terminator shown as "|" so failures read well.
std::string readable(const std::string& text);

struct Sent {
    int slot;
    std::string text;  // readable form
    bool operator==(const Sent&) const = default;
};

struct Refusal {
    std::string text;
    int seat;
    bool byBot;
    bool operator==(const Refusal&) const = default;
};

class RecordingOutbox : public Outbox {
public:
    std::set<int> slots{1};   // connections in use
    std::set<int> humans{1};  // seats with a client
    int botSpeed = 1000;
    BotLevel botLevelAll = BotLevel::classic;
    std::vector<Sent> sent;
    std::vector<Refusal> refusals;
    // Called after each message is recorded.
    std::function<void(int slot, const std::string& text)> onSend;

    std::vector<int> slotsInUse() const override { return {slots.begin(), slots.end()}; }
    void send(int slot, const std::string& text) override;
    bool humanPresent(int seat) const override { return humans.count(seat) != 0; }
    int botSpeedMs() const override { return botSpeed; }
    BotLevel botLevel(int) const override { return botLevelAll; }
    void refusal(std::string_view text, int seat, bool byBot) override {
        refusals.push_back({std::string(text), seat, byBot});
    }

    // Readable texts sent to one slot, in order.
    std::vector<std::string> to(int slot) const;
    // Readable texts whose command word is `word`, to any slot (each message once per
    // slot it went to).
    std::vector<Sent> withWord(std::string_view word) const;
    void clear() {
        sent.clear();
        refusals.clear();
    }
};

}  // namespace tess::testing
