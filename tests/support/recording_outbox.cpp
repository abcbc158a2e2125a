#include "tests/support/recording_outbox.h"

namespace tess::testing {

std::string readable(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\xFF') c = '|';
    return out;
}

void RecordingOutbox::send(int slot, const std::string& text) {
    sent.push_back({slot, readable(text)});
    if (onSend) onSend(slot, text);
}

std::vector<std::string> RecordingOutbox::to(int slot) const {
    std::vector<std::string> out;
    for (const Sent& s : sent)
        if (s.slot == slot) out.push_back(s.text);
    return out;
}

std::vector<Sent> RecordingOutbox::withWord(std::string_view word) const {
    std::vector<Sent> out;
    for (const Sent& s : sent)
        if (s.text.compare(0, word.size(), word) == 0 &&
            (s.text.size() == word.size() || s.text[word.size()] == '+' ||
             s.text[word.size()] == '|'))
            out.push_back(s);
    return out;
}

}  // namespace tess::testing
