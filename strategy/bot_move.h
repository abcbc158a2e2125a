// One move of a bot or of a hint: which handler, from where, to where.
#pragma once

namespace tess {

struct BotMove {
    enum Kind { handToTab, tabToTab, handToFoundation, tabToFoundation };
    Kind kind;
    int from;  // hand position or tab spot
    int to;    // tab spot or foundation
    bool operator==(const BotMove&) const = default;
};

}  // namespace tess
