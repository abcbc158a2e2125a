// The program's one-line message boxes ("Game is full", "Cannot open Webpage", ...).
// They never block the event loop, so the table keeps running while one is open.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tess {

// Shows `text` in a box with an OK button; `dismissed` runs once the box is closed. The
// text also goes to the log. When the environment sets TESSARINE_DISMISS_MS (automated
// runs of the whole program), the box closes itself after that many milliseconds.
void showMessage(QWidget* parent, const QString& text, std::function<void()> dismissed = {});

}  // namespace tess
