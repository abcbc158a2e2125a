// INI text as the settings reader sees it, by byte offset, so that a save can change the
// values of one section in place and leave every other byte of the file as it was.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tess::ini {

struct Entry {
    enum class Kind { section, key };
    Kind kind = Kind::key;
    std::string name;       // trimmed, as the reader takes it
    std::size_t lineEnd{};  // where the entry's line ends (its line break, or the end)
    std::size_t valueBegin{}, valueEnd{};  // a key's value, trimmed as the reader trims it
};

// Sections and keys in the order the reader meets them. The rules are the reader's own:
// leading blanks and blank lines skipped; ";" or "#" starts a comment line; "[" opens a
// header whose name may start on a later line and ends at "]" on its line (else the line
// is skipped); a key line needs "=" and a name before it; a UTF-8 signature at the start
// is skipped; "\r\n", "\n" and a lone "\r" each end a line.
std::vector<Entry> scan(std::string_view text);

// Names compare as the reader compares them: ASCII letters without regard to case.
bool sameName(std::string_view a, std::string_view b);

using Values = std::vector<std::pair<std::string, std::string>>;

// `text` with each key of `section` set to its value (single-line values). Every line the
// reader takes for that key in that section, in every header of that name, gets the new
// value in place; a missing key goes on a new line after the section's last entry; a
// missing section is added at the end. New lines take the file's line breaks. Every other
// byte stays as it was. The keys of `wherePresent` are set only where they already stand,
// never added.
std::string setValues(std::string_view text, std::string_view section, const Values& values,
                      const Values& wherePresent = {});

}  // namespace tess::ini
