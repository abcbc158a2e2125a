// A one-sentence box that offers one thing to do next ("Join That Table", "Join a
// Table…") besides closing it. Like the program's other boxes it never blocks the event
// loop and goes to the log; where TESSARINE_DISMISS_MS is set (automated runs of the
// whole program) it takes the offer by itself after that many milliseconds.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QMessageBox;
class QWidget;

namespace tess {

QMessageBox* offer(QWidget* parent, const QString& text, const QString& action,
                   std::function<void()> taken, std::function<void()> declined = {});

// The same with several things to do next, the first being the default.
struct OfferChoice {
    QString action;
    std::function<void()> taken;
};
QMessageBox* offer(QWidget* parent, const QString& text, const std::vector<OfferChoice>& choices,
                   std::function<void()> declined = {});

}  // namespace tess
