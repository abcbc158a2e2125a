// The table model speaks plain English (it has no Qt); its status lines, notices and boxes
// are shown in the user's language by matching them against their English patterns.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tess {

// The translation of one of the model's texts; a text it does not know is shown as it is.
QString shownModelText(std::string_view english);

// A relayed chat or phrase line ("3+Bob chats: hi|clBlue", "3+Bob says: Hi!|clBlue") with
// the host's English verb in the user's language, where it follows the sender's name as
// this window knows it, and the name written as `shownName`; any other line as it came.
// `user`: the name is the user's own, addressed as you ("Du sagst:").
std::string shownChatLine(std::string_view data, std::string_view senderName,
                          std::string_view shownName, bool user = false);

}  // namespace tess
