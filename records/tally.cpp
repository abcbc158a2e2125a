#include "records/tally.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tess {

Tally::Tally() : table_(TallyTable::initial()) {}

void Tally::load(TallyTable table) {
    table_ = table.rows.empty() ? TallyTable::initial() : std::move(table);
    for (std::size_t row = 1; row < table_.rows.size(); ++row)
        for (std::size_t column = gamesSession; column <= neitherWonSession; ++column)
            table_.rows[row][column].assign(1, '0');  // not = "0": g++ 12 warns wrongly
}

const std::string& Tally::cell(std::size_t row, std::size_t column) const {
    return table_.rows.at(row).at(column);
}

long long Tally::count(std::string_view cell) {
    long long value = 0;
    const char* end = cell.data() + cell.size();
    const auto [ptr, ec] = std::from_chars(cell.data(), end, value);
    return ec == std::errc{} && ptr == end ? value : 0;
}

std::vector<std::string> Tally::playersInGame(const TallySeats& seats) {
    std::vector<std::string> names;
    for (int seat = 1; seat <= static_cast<int>(seats.captions.size()); ++seat) {
        const std::string& caption = seats.captions[static_cast<std::size_t>(seat - 1)];
        if (seat != seats.mySlot && caption != waiting) names.push_back(caption);
    }
    return names;
}

const std::string& Tally::followedName(std::size_t index) const {
    return cell(index + 1, nameColumn);
}

std::optional<std::size_t> Tally::rowOf(std::string_view name) const {
    for (std::size_t row = 1; row < table_.rows.size(); ++row)
        if (table_.rows[row][nameColumn] == name) return row;
    return std::nullopt;
}

bool Tally::addgame(std::string_view winner, const TallySeats& seats) {
    if (seats.mySlot < 1 || seats.mySlot > static_cast<int>(seats.captions.size())) return false;
    increase(0, gamesTotal);
    if (winner == ownWin) increase(0, theirWinsTotal);
    // Two seats of one name share a row; that row still gets one game, not two.
    std::vector<std::size_t> counted;
    for (const std::string& name : playersInGame(seats)) {
        const auto row = rowOf(name);
        if (!row || std::find(counted.begin(), counted.end(), *row) != counted.end()) continue;
        counted.push_back(*row);
        // A counted row holds numbers only, so the file reads the same everywhere.
        for (std::size_t c = gamesTotal; c <= neitherWonSession; ++c)
            if (table_.rows[*row][c].empty()) table_.rows[*row][c].assign(1, '0');
        increase(*row, gamesTotal);
        increase(*row, gamesSession);
        if (name == winner) {
            increase(*row, theirWinsTotal);
            increase(*row, theirWinsSession);
        } else if (winner == ownWin) {
            increase(*row, myWinsTotal);
            increase(*row, myWinsSession);
        } else {
            increase(*row, neitherWonTotal);
            increase(*row, neitherWonSession);
        }
    }
    return true;
}

bool Tally::follow(const std::string& name) {
    if (follows(name)) return false;
    TallyTable::Row row;
    row.fill("0");
    row[nameColumn] = name;
    table_.rows.push_back(std::move(row));
    return true;
}

bool Tally::unfollow(std::size_t index) {
    if (index >= followedCount()) return false;
    table_.rows.erase(table_.rows.begin() + static_cast<std::ptrdiff_t>(index + 1));
    return true;
}

void Tally::reset() {
    table_.rows.resize(1);
    table_.rows[0].fill(std::string());
}

void Tally::increase(std::size_t row, std::size_t column) {
    std::string& c = table_.rows[row][column];
    const long long value = count(c);
    // A damaged file may hold the largest number; it stays there rather than overflow.
    c = std::to_string(value == std::numeric_limits<long long>::max() ? value : value + 1);
}

}  // namespace tess
