// The card table on the left of the main window. It draws what the table model holds
// (seats, cards, pot, countdown, banners) at the board's fixed places, and passes
// presses on cards, spots and buttons to the user's move input.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "client/model/board_cursor.h"
#include "client/model/hint.h"
#include "client/table/board_damage.h"
#include "widgets/picture_push_button.h"

namespace tess {

class TableModel;

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize clientSize{767, 529};
    static constexpr QSize boardSize{764, 526};
    // The board's smallest size, which is also drawn at scale 1; a larger board is drawn
    // uniformly larger. Every layout number stays in these design units.
    static constexpr QSize minimumBoard{768, 530};
    // What the design fills at scale 1 (the default window is 772 wide); room beyond
    // it at a larger scale goes to the chat column and the felt.
    static constexpr QSize designSpan{772, 530};
    static inline const QString waiting = QStringLiteral("<Waiting>");

    BoardView(TableModel& model, QWidget* parent = nullptr);

    // Seat n's labels (1-4), wherever the rotation put them.
    QLabel* label_playername(int seat) const;
    QLabel* label_score(int seat) const;
    // The name label at screen position 1-4.
    QLabel* nameAtPosition(int position) const { return names_[position - 1]; }
    // A seat whose player was listed keeps its name label shown.
    void showSeat(int seat);

    PicturePushButton* button_start() const { return button_start_; }
    PicturePushButton* button_turndone() const { return button_turndone_; }
    PicturePushButton* button_kings() const { return button_kings_; }
    QWidget* panel_kings() const { return panel_kings_; }
    QLabel* label_status() const { return label_status_; }

    // The model changed these areas (TableArea bits).
    void refresh(unsigned areas);
    // A solo game logs in as "You"; the user's own seat shows `shown` instead.
    void setSoloName(const QString& shown) { soloName_ = shown; }

    // The controls' handlers: a press on the hand card of `position`, a click on tab
    // spot 1-4, on foundation 1-4, on the draw pile or DONE, on the kings panel's OK.
    void cardimagesMouseDown(int position, Qt::MouseButton button);
    void image_tab22Click(int spot);
    void image_found2Click(int foundation);
    void image_topcardClick();
    void button_kingsClick();

    // The piece the keyboard points at; its marker shows while the board has the focus
    // and the last input on it was a key.
    const BoardCursor& cursor() const { return cursor_; }
    bool markerShown() const { return hasFocus() && keyed_; }
    // The pointed-at piece in words, as the board's accessible description says it.
    QString describeFocus() const;
    // Marks the move the strong bot would make now: the keyboard marker goes to the card
    // or pile to take, and a second marker frames where it goes (or the draw pile alone).
    // False, and nothing marked, when the user may not move now.
    bool showHint();
    const std::optional<Hint>& hint() const { return hint_; }
    // A piece in words, and where it is drawn (design units).
    QString describe(BoardItem item) const;
    QRect pieceRect(BoardItem item) const;
    int handSize() const;
    // The hand's cards as the board shows them now, in place order (design units).
    std::vector<QRect> handRects() const;

    // Where a press lands: a hand position, a tab spot, a foundation or the draw pile.
    struct Hit {
        enum class Kind { none, hand, tab, foundation, pile } kind = Kind::none;
        int number = 0;
    };
    // `at` in design units; a press is mapped through toDesign first.
    Hit hitAt(QPoint at) const;

    // Widget pixels per design unit: 1 at the smallest size, growing with the widget
    // while the board keeps its proportions.
    qreal scale() const { return scale_; }
    static qreal scaleFor(QSize size);
    QRect scaled(const QRect& design) const;
    QPoint scaled(QPoint design) const;
    int scaled(int design) const;
    QPoint toDesign(QPointF at) const;
    // Pixels the widget holds beyond the scaled design span (0 at the default size).
    QSize spare() const;

    // Says for a few seconds in the status line why a move of the user's was refused.
    void showRefusal(const QString& reason);

signals:
    // The scale or the size changed: the window places what it put on the board.
    void rescaled(qreal scale);
    // Tab, or Escape with nothing left to let go: the keyboard goes back to the chat.
    void keyboardReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QLabel* makeLabel(QPoint at, int pixelSize, const QString& text);
    // Places a fixed label at its design point with its design font size, scaled.
    void placeLabel(QLabel* label, QPoint at, int pixelSize);
    void placeControls();
    void placeSeatLabels(int position);
    void refreshSeats();
    void refreshCaptions();
    // A design rectangle in widget pixels, with a pixel more for smoothed edges.
    // Captions, buttons and panels are widgets of their own and repaint themselves.
    QRect scaledArea(const QRect& design) const;
    // The widget pixels a picture of the design rectangle covers where drawPicture puts it.
    QRect pictureArea(const QRect& design) const;
    // A picture at the board's scale, drawn by `draw(ratio)` once per scale and kept.
    const QPixmap& picture(int key, const std::function<QPixmap(qreal)>& draw);
    QPixmap cardPicture(int index);
    // Draws `pixmap` at a design point when it reaches the repainted region.
    void drawPicture(QPainter& p, const QRegion& dirty, QPoint design, const QPixmap& pixmap);
    void paintFelt(QPainter& p);
    void paintBoardCards(QPainter& p, const QRegion& dirty);
    void paintSeat(QPainter& p, const QRegion& dirty, int position);
    void paintCountdown(QPainter& p);
    void paintHand(QPainter& p, const QRegion& dirty);
    void paintFocus(QPainter& p);
    // The key numbers of the tab spots and foundations, while the board has the keys.
    void paintKeyBadges(QPainter& p);

    // Keyboard play: the names screen readers give the controls, and what the keys do.
    void setUpKeyboard();
    bool boardKey(int key, bool control);
    void moveFocus(BoardCursor::Direction direction);
    void jumpTo(BoardItem item);
    // A left click on the pointed-at piece.
    void activateFocus();
    void dropSelection();
    // Around the pointed-at piece, and around any piece, in design units.
    QRect focusFrame() const;
    QRect frameOf(BoardItem item) const;
    void paintMarker(QPainter& p, const QRect& frame);
    void paintHint(QPainter& p);
    // A hint holds until the table, the hand or the turn changes.
    void dropStaleHint(unsigned areas);
    void focusMoved();

    TableModel& model_;
    BoardCursor cursor_;
    std::optional<Hint> hint_;
    int hintHandSize_ = 0;
    bool keyed_ = false;  // the last input on the board was a key, not the mouse
    QTimer* refusalTimer_;
    QString refusal_;  // shown in the status line while the timer runs
    std::string statusAtRefusal_;
    qreal scale_ = 1;
    QPixmap felt_;  // the felt at the current size
    // The pictures at the current scale (cards by their index, then the keys below).
    enum PictureKey : int {
        keyFan = 1000,
        keyNotPlaying = 2000,
        keyWinner,
        keyArrow,
        keyEyes,
        keyFrame = 1000000  // + width * 1000 + height
    };
    std::unordered_map<int, QPixmap> pictures_;
    qreal picturesRatio_ = 0;
    BoardDamage drawn_;                // what the board showed at the last refresh
    std::array<QLabel*, 4> names_{};   // by screen position
    std::array<QLabel*, 4> scores_{};  // by screen position
    std::array<QLabel*, 4> counts_{};  // by screen position
    std::array<bool, 4> listed_{};     // by seat
    QLabel* label_potscore_;
    QLabel* label_playtoscore_;
    QLabel* label_timeperturn_;
    QLabel* label_timer_;
    QLabel* label_status_;
    QWidget* panel_kings_;
    QLabel* label_kings_;
    PicturePushButton* button_kings_;
    PicturePushButton* button_start_;
    PicturePushButton* button_turndone_;
    QString soloName_;
};

}  // namespace tess
