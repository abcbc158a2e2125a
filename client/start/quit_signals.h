// SIGTERM and SIGINT (a logout, Ctrl+C in a terminal) end the program the way closing
// its window does: settings and tally are kept, a hosted table is withdrawn. The signal
// handler only writes a byte into a pipe; the event loop does the rest.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace tess {

class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

signals:
    void quitRequested(int signal);

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tess
