#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <deque>
#include <string>

namespace tess {

class AvahiLink;

// One table announced on this network.
struct FoundTable {
    QString service;   // the announcement's own name, unique on the network
    QString hostName;  // the hosting player's name
    int seated = 0;
    int tableSize = 2;
    int spectators = 0;
    bool playing = false;
    QString address;  // numeric address to join
    quint16 port = 0;

    bool operator==(const FoundTable&) const = default;
};

// Lists the tables announced on this network; never blocks the caller.
class TableBrowser : public QObject {
    Q_OBJECT
public:
    explicit TableBrowser(QObject* parent = nullptr);
    ~TableBrowser() override;

    // False when tables cannot be listed here; unavailableReason() says why.
    bool available() const { return available_; }
    QString unavailableReason() const { return reason_; }
    QList<FoundTable> tables() const { return tables_; }
    // More tables are announced than the responder looks up for one program: some may
    // be missing from tables().
    bool crowded() const { return crowded_; }

signals:
    void changed();

private:
    struct Browsing;
    // One answer: a service seen on one interface with one protocol.
    struct Sighting {
        void* resolver = nullptr;  // the library's resolver, kept for changes of the text
        bool resolved = false;
        bool ipv4 = false;
        FoundTable table;
    };

    void start();
    void stop();
    void freeLookups();
    void publish();
    void itemNew(int interface, int protocol, const char* name, const char* type,
                 const char* domain);
    void itemRemove(const QString& key);
    void resolved(const QString& key, bool ok, const FoundTable& table, bool ipv4);

    // An announcement heard while the responder would look up no more for us.
    struct Waiting {
        int interface, protocol;
        std::string name, type, domain;
    };
    static constexpr std::size_t maxWaiting = 4096;

    bool available_ = false;
    bool crowded_ = false;
    std::deque<Waiting> waiting_;
    QString reason_;
    QList<FoundTable> tables_;
    AvahiLink* link_;
    void* browser_ = nullptr;
    QMap<QString, Sighting> sightings_;  // by interface, protocol, name and domain
};

}  // namespace tess
