#include "wire/splitter.h"

#include "wire/message.h"

namespace tess::wire {

bool LineSplitter::feed(std::string_view bytes, std::vector<std::string>& lines) {
    std::size_t start = 0;
    for (std::size_t end = bytes.find(terminator); end != std::string_view::npos;
         end = bytes.find(terminator, start)) {
        pending_.append(bytes.substr(start, end - start));
        lines.push_back(std::move(pending_));
        pending_.clear();
        start = end + 1;
    }
    pending_.append(bytes.substr(start));
    if (pending_.size() > pendingLimit_) {
        pending_.clear();
        pending_.shrink_to_fit();
        return false;
    }
    return true;
}

}  // namespace tess::wire
