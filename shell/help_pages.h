// The pages of the help window, in the order of their buttons.
#pragma once

#include <QString>
#include <vector>

namespace tess {

struct HelpPage {
    QString caption;  // the page button
    QString heading;  // the window's heading line while the page is in front
    QString html;     // the page itself, as rich text
};

const std::vector<HelpPage>& helpPages();

}  // namespace tess
