#include "online/room_roster.h"

#include <algorithm>

namespace tess {

void RoomRoster::present(const QString& occupant, const std::optional<ListedTable>& table) {
    auto it = people_.find(occupant);
    if (it == people_.end()) {
        if (people_.size() >= maxPeople_) {
            peopleCut_ = true;
            return;
        }
        it = people_.insert(occupant, std::nullopt);
    }
    const bool had = it->has_value();
    if (table && !had && tables_ >= maxTables_) {
        tablesCut_ = true;
        return;
    }
    *it = table;
    tables_ += int(table.has_value()) - int(had);
}

void RoomRoster::left(const QString& occupant) {
    const auto it = people_.find(occupant);
    if (it == people_.end()) return;
    if (it->has_value()) --tables_;
    people_.erase(it);
}

void RoomRoster::clear() {
    people_.clear();
    tables_ = 0;
    peopleCut_ = tablesCut_ = false;
}

std::optional<ListedTable> RoomRoster::tableOf(const QString& occupant) const {
    const auto it = people_.find(occupant);
    return it == people_.end() ? std::nullopt : *it;
}

RoomView RoomRoster::view() const {
    RoomView v;
    v.people.reserve(people_.size());
    for (auto it = people_.begin(); it != people_.end(); ++it) {
        v.people << cleanLobbyText(it.key().toUtf8().constData(), maxLobbyNameBytes);
        if (it->has_value()) v.tables.append({it.key(), **it});
    }
    v.people.sort(Qt::CaseInsensitive);
    std::sort(v.tables.begin(), v.tables.end(), [](const RoomTable& a, const RoomTable& b) {
        const int c = a.table.hostName.compare(b.table.hostName, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.occupant < b.occupant;
    });
    v.peopleCut = peopleCut_;
    v.tablesCut = tablesCut_;
    return v;
}

}  // namespace tess
