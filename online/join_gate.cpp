#include "online/join_gate.h"

namespace tess {

void JoinGate::forgetBefore(std::int64_t oldest) {
    while (!all_.empty() && all_.front().at < oldest) {
        if (all_.front().admitted) --admitted_;
        auto it = bySender_.find(all_.front().sender);
        if (it != bySender_.end()) {
            if (!it->empty()) it->pop_front();
            if (it->empty()) bySender_.erase(it);
        }
        all_.pop_front();
    }
}

bool JoinGate::admit(const QString& sender, std::int64_t nowMs) {
    forgetBefore(nowMs - limits_.windowMs);
    // Remembering is bounded too: a crowd of new names pushes out the oldest requests.
    while (!bySender_.contains(sender) && bySender_.size() >= limits_.senders && !all_.empty())
        forgetBefore(all_.front().at + 1);
    auto& mine = bySender_[sender];
    const bool ok = static_cast<int>(mine.size()) < limits_.perSender && admitted_ < limits_.total;
    // Refused requests are remembered while the sender's own share is not yet full, so
    // that asking faster does not open the gate sooner.
    if (static_cast<int>(mine.size()) < limits_.perSender * 2) {
        mine.push_back(nowMs);
        all_.push_back({nowMs, sender, ok});
        if (ok) ++admitted_;
    }
    return ok;
}

}  // namespace tess
