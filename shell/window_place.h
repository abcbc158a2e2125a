#pragma once

class QWidget;

namespace tess {

// Centres `window` over `over`'s top-level window, or on its screen when `over` is null.
void centreWindow(QWidget* window, const QWidget* over);

}  // namespace tess
