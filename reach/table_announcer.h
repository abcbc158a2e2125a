// Announces a table hosted for others on this network (DNS-SD, through the desktop's
// mDNS responder), keeps its text record up to date, and withdraws it when it goes.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "reach/table_record.h"

namespace tess {

class AvahiLink;

class TableAnnouncer : public QObject {
    Q_OBJECT
public:
    // `figures` is asked every `checkMs` for what the table looks like now; the table is
    // announced once it has a host's name.
    TableAnnouncer(quint16 port, std::function<AnnouncedTable()> figures, QObject* parent = nullptr,
                   int checkMs = 1000);
    ~TableAnnouncer() override;

    // Takes the announcement off the network now (also done on destruction).
    void withdraw();
    // Whether the responder has taken the announcement.
    bool established() const { return established_; }
    QString serviceName() const { return name_; }

signals:
    void establishedChanged(bool established);

private:
    struct Announcing;

    void start();
    void stop();
    void add();
    void takeNextName();
    void check();
    void setEstablished(bool on);

    quint16 port_;
    std::function<AnnouncedTable()> figures_;
    AvahiLink* link_;
    void* group_ = nullptr;  // the library's entry group
    AnnouncedTable shown_;
    QString name_;
    int localRenames_ = 0;
    static constexpr int maxLocalRenames = 20;
    QTimer check_;
    bool established_ = false;
    bool added_ = false;
    bool withdrawn_ = false;
};

}  // namespace tess
