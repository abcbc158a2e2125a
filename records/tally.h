// The counting behind the tally list: the user's own totals in row 0 and one row per
// followed opponent, in the order the window lists them. No widgets and no Qt, so every
// rule can be tested on its own.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/tally_file.h"

namespace tess {

// The table's seats as they are shown when a game is counted or the tally window opens.
struct TallySeats {
    std::array<std::string, 4> captions;  // the name labels of seats 1-4
    int mySlot = 0;                       // the user's slot; only 1-4 is a seat
};

class Tally {
public:
    // addgame's argument when the user won.
    static constexpr std::string_view ownWin = "addtomine";
    static constexpr std::string_view waiting = "<Waiting>";

    enum Column : std::size_t {
        nameColumn = 0,
        gamesTotal = 1,       // row 0: total games
        theirWinsTotal = 2,   // row 0: the user's wins
        myWinsTotal = 3,      // row 0: hidden, never increased
        neitherWonTotal = 4,  // row 0: hidden, never increased
        gamesSession = 5,
        theirWinsSession = 6,
        myWinsSession = 7,
        neitherWonSession = 8,
    };

    Tally();

    // Takes a table read from the tally file: the followed players' session counts start
    // at 0, their totals go on. A table without rows becomes the initial one.
    void load(TallyTable table);
    const TallyTable& table() const { return table_; }
    const std::string& cell(std::size_t row, std::size_t column) const;
    // A cell's value; empty or not a number counts as 0.
    static long long count(std::string_view cell);

    // The other seated players: seats 1-4 in order, without the user's own seat and
    // without seats that show "<Waiting>".
    static std::vector<std::string> playersInGame(const TallySeats& seats);

    std::size_t followedCount() const { return table_.rows.size() - 1; }
    // Followed player `index` is table row index + 1.
    const std::string& followedName(std::size_t index) const;
    // The table row of a followed name (1 or more); the first when a name is in twice.
    std::optional<std::size_t> rowOf(std::string_view name) const;
    bool follows(std::string_view name) const { return rowOf(name).has_value(); }

    // Counts a finished game. `winner` is ownWin when the user won, else the winner's
    // name. Nothing is counted unless the user has a seat; returns whether it counted.
    bool addgame(std::string_view winner, const TallySeats& seats);
    // Adds a row for `name`; false when the name is already followed.
    bool follow(const std::string& name);
    // Removes followed player `index` and its row; the rows below move up.
    bool unfollow(std::size_t index);
    // Empties the user's own row and stops following everybody.
    void reset();

private:
    void increase(std::size_t row, std::size_t column);

    TallyTable table_;
};

}  // namespace tess
