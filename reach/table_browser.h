#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace tess {

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

signals:
    void changed();

private:
    bool available_ = false;
    QString reason_;
    QList<FoundTable> tables_;
};

}  // namespace tess
