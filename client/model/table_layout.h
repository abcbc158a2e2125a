// Where the table's pieces stand in the main window's client area (767 x 529), in
// pixels. Screen position 1 is the local player's place at the bottom left; positions
// 2-4 form the right-hand column, top to bottom. The view places its controls from
// these numbers; the model only says which seat is at which position.
#pragma once

#include <array>

namespace tess::layout {

struct Point {
    int left;
    int top;
};
struct Rect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int cardWidth = 60;
inline constexpr int cardHeight = 82;

// The controls of one seat at one screen position.
struct SeatPlace {
    Point name;       // label_playername
    Point score;      // label_score (its left follows the name label's width)
    Point cardCount;  // label_cardcount (its left follows the fan's width)
    Point hand;       // image_hand
    Point turn;       // image_turn, 21 x 27
    Point eyes;       // image_eyes, 23 x 10
    Point playing;    // image_playing, 99 x 21
    Point winner;     // image_winner, 150 x 32
};

// Index 0 is screen position 1.
inline constexpr std::array<SeatPlace, 4> seatPlaces{{
    {{33, 390}, {115, 390}, {10, 509}, {8, 426}, {11, 384}, {8, 396}, {8, 423}, {9, 425}},
    {{299, 50}, {376, 50}, {336, 144}, {275, 75}, {275, 45}, {275, 52}, {275, 80}, {277, 75}},
    {{299, 178},
     {375, 178},
     {336, 272},
     {275, 203},
     {275, 173},
     {275, 180},
     {275, 206},
     {277, 203}},
    {{299, 305},
     {376, 305},
     {336, 400},
     {275, 331},
     {275, 300},
     {275, 308},
     {275, 334},
     {275, 331}},
}};
// The card count label at screen position 1 is never shown.
inline constexpr bool cardCountShown(int position) { return position != 1; }

// A seat's fan of card backs: 57 + 3 per card wide, backs 3 px apart.
inline constexpr int fanWidth(int count) { return 57 + 3 * count; }
inline constexpr int fanStep = 3;
// The card count label stands this far right of the fan, the score of the name.
inline constexpr int labelGap = 4;

// Board pieces; index 0 is spot / foundation 1.
inline constexpr std::array<Point, 4> tabFirst{{{96, 218}, {29, 128}, {96, 38}, {163, 128}}};
inline constexpr std::array<Point, 4> tabTop{{{96, 247}, {7, 128}, {96, 8}, {185, 128}}};
inline constexpr std::array<Point, 4> foundation{{{29, 218}, {29, 38}, {163, 38}, {163, 218}}};
inline constexpr Point topcard{96, 128};
inline constexpr Rect turnDone{93, 158, 65, 29};
inline constexpr Rect start{61, 160, 135, 29};
inline constexpr Point potScore{172, 334};
inline constexpr Point playToScore{165, 3};
inline constexpr Point timePerTurn{165, 19};
inline constexpr Rect timerBar{18, 345, 139, 30};
inline constexpr Point timerText{20, 351};
inline constexpr Rect status{16, 508, 441, 0};
inline constexpr Rect kingsPanel{3, 256, 254, 129};

// The lime frame around a selected tab spot, with one card or with two shown.
inline constexpr Rect highlight(int spot, bool two) {
    constexpr std::array<Rect, 4> one{
        {{93, 215, 66, 88}, {26, 125, 66, 88}, {93, 35, 66, 88}, {160, 125, 66, 88}}};
    constexpr std::array<Rect, 4> both{
        {{93, 215, 66, 116}, {4, 125, 88, 88}, {93, 5, 66, 118}, {160, 125, 88, 88}}};
    if (spot < 1 || spot > 4) return {0, 0, 0, 0};
    return two ? both[spot - 1] : one[spot - 1];
}

// Picture numbers of the card list besides the faces 1-52.
inline constexpr int pictureBack = 0;
inline constexpr int pictureEmptyFoundation = 53;
inline constexpr int pictureEmptyTab = 54;
inline constexpr int pictureEmptyPile = 55;

// The local hand: a card in place k (1-25) stands at 18k - 8, or 18k - 10 once sorting
// moved it; a raised card stands 16 px higher.
inline constexpr int handLeft(int place) { return 18 * place - 8; }
inline constexpr int sortedLeft(int place) { return 18 * place - 10; }
inline constexpr int handTop = 426;
inline constexpr int raisedTop = 410;

}  // namespace tess::layout
