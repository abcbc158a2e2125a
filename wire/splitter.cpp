#include "wire/splitter.h"

#include "wire/message.h"

namespace tess::wire {

bool LineSplitter::feed(std::string_view bytes, std::vector<std::string>& lines) {
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const std::size_t end = bytes.find(terminator, start);
        const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
        // The whole line counts, also the part an earlier read left pending.
        if (pending_.size() + (stop - start) > pendingLimit_) {
            pending_.clear();
            pending_.shrink_to_fit();
            return false;
        }
        pending_.append(bytes.substr(start, stop - start));
        if (end == std::string_view::npos) break;
        lines.push_back(std::move(pending_));
        pending_.clear();
        start = end + 1;
    }
    return true;
}

}  // namespace tess::wire
