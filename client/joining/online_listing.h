// A table hosted for others, listed in the online room while the hosting user wants it:
// its figures go out as the host's presence, and a player who asks to join gets the
// address the router forwards, by private message, or a refusal that says why.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "online/lobby_stanzas.h"

namespace tess {

class OnlineLobby;

class OnlineListing : public QObject {
    Q_OBJECT
public:
    OnlineListing(OnlineLobby& lobby, std::function<ListedTable()> figures,
                  QObject* parent = nullptr, int checkMs = 1000);
    // Withdraws the table.
    ~OnlineListing() override;

    void setOn(bool on);
    bool on() const { return on_; }
    // The address players on the internet reach the table at ("" while there is none).
    void setReachable(const QString& address);

signals:
    // A line for the hosting user's chat.
    void notice(const QString& text);

private:
    void update();
    void asked(const QString& occupant, const QString& id);

    OnlineLobby& lobby_;
    std::function<ListedTable()> figures_;
    QTimer check_;
    bool on_ = false;
    bool listed_ = false;
    QString address_;
};

}  // namespace tess
