// The table model speaks plain English (it has no Qt); its status lines, notices and boxes
// are shown in the user's language by matching them against their English patterns.
#pragma once

#include <QString>
#include <string_view>

namespace tess {

// The translation of one of the model's texts; a text it does not know is shown as it is.
QString shownModelText(std::string_view english);

}  // namespace tess
