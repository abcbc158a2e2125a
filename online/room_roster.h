// Who is in the lobby's room and which of them list a table, bounded: past the caps new
// arrivals are counted but not kept, so a crowded or hostile room cannot grow memory.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "online/lobby_stanzas.h"

namespace tess {

struct RoomTable {
    QString occupant;  // the host's name in the room: where a join request goes
    ListedTable table;
};

struct RoomView {
    QStringList people;       // shown names, sorted
    QList<RoomTable> tables;  // sorted by host name
    bool peopleCut = false;   // more people are in the room than are kept
    bool tablesCut = false;
};

class RoomRoster {
public:
    RoomRoster(int maxPeople = 10'000, int maxTables = 2'000)
        : maxPeople_(maxPeople), maxTables_(maxTables) {}

    // A presence from `occupant`; `table` is what it lists, if anything.
    void present(const QString& occupant, const std::optional<ListedTable>& table);
    void left(const QString& occupant);
    void clear();
    bool contains(const QString& occupant) const { return people_.contains(occupant); }
    std::optional<ListedTable> tableOf(const QString& occupant) const;
    RoomView view() const;

private:
    int maxPeople_;
    int maxTables_;
    QHash<QString, std::optional<ListedTable>> people_;
    int tables_ = 0;
    bool peopleCut_ = false;
    bool tablesCut_ = false;
};

}  // namespace tess
