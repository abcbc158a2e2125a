// Cuts received bytes into complete lines at the 0xFF terminator.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tess::wire {

// One splitter per connection. Bytes are cut before they are decoded, so a character
// that a read cut in two is whole again in its line.
class LineSplitter {
public:
    // A connection may hold at most this many bytes without a terminator.
    static constexpr std::size_t defaultPendingLimit = 64 * 1024;

    LineSplitter() = default;
    explicit LineSplitter(std::size_t pendingLimit) : pendingLimit_(pendingLimit) {}

    // Appends every line that `bytes` completes, in order, to `lines` (empty lines
    // included; the dispatcher ignores them). Returns false when a line, counting what
    // earlier reads left pending, grows past the limit: the peer is misbehaving, that
    // line is discarded and no later line of `bytes` is taken.
    bool feed(std::string_view bytes, std::vector<std::string>& lines);

    const std::string& pending() const { return pending_; }

private:
    std::size_t pendingLimit_ = defaultPendingLimit;
    std::string pending_;
};

}  // namespace tess::wire
