// Playing by keyboard. The board takes the focus by F6 or Tab (never by a click, so a
// mouse player's typing stays in the chat); while it has it, a marker frames the piece
// the keys point at, and every key acts through the same move input as the mouse.
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "client/model/table_model.h"
#include "client/table/board_accessible.h"
#include "client/table/board_view.h"

namespace tess {

namespace {

using Kind = BoardItem::Kind;

QRect rectOf(layout::Point p) { return {p.left, p.top, layout::cardWidth, layout::cardHeight}; }

QString cardName(int card) {
    static const char* const ranks[] = {QT_TRANSLATE_NOOP("tess::BoardView", "Ace"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Two"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Three"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Four"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Five"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Six"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Seven"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Eight"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Nine"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Ten"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Jack"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Queen"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "King")};
    static const char* const suits[] = {QT_TRANSLATE_NOOP("tess::BoardView", "Clubs"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Hearts"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Spades"),
                                        QT_TRANSLATE_NOOP("tess::BoardView", "Diamonds")};
    if (card < 1 || card > 52) return BoardView::tr("empty");
    return BoardView::tr("%1 of %2")
        .arg(BoardView::tr(ranks[(card - 1) % 13]), BoardView::tr(suits[(card - 1) / 13]));
}

}  // namespace

void BoardView::setUpKeyboard() {
    installBoardAccessibility();
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Card table"));
    button_turndone_->setAccessibleName(tr("Done"));
    button_turndone_->setAccessibleDescription(tr("Draw a card and end your turn"));
    button_start_->setAccessibleName(tr("Start Game"));
    button_kings_->setAccessibleName(tr("OK"));
    panel_kings_->setAccessibleName(tr("Kings message"));
    label_potscore_->setAccessibleDescription(tr("Pot score"));
    label_timer_->setAccessibleDescription(tr("Time left in the turn"));
    label_status_->setAccessibleDescription(tr("Status"));
    focusMoved();
}

int BoardView::handSize() const { return static_cast<int>(model_.hand().cards().size()); }

QString BoardView::describeFocus() const {
    BoardCursor fitted = cursor_;
    fitted.fit(handSize());
    return describe(fitted.item());
}

QRect BoardView::pieceRect(BoardItem item) const {
    switch (item.kind) {
        case Kind::hand: {
            if (item.number < 1 || item.number > handSize()) return {};
            return handRects()[std::size_t(item.number - 1)];
        }
        case Kind::tab: {
            QRect r = rectOf(layout::tabFirst[item.number - 1]);
            if (model_.tab(item.number).top != 0) r |= rectOf(layout::tabTop[item.number - 1]);
            return r;
        }
        case Kind::foundation:
            return rectOf(layout::foundation[item.number - 1]);
        case Kind::pile:
            return rectOf(layout::topcard);
    }
    return {};
}

QString BoardView::describe(BoardItem item) const {
    const auto& cards = model_.hand().cards();
    const MoveInput& input = model_.input();
    switch (item.kind) {
        case Kind::hand: {
            if (item.number < 1 || item.number > handSize()) return {};
            const HandCard& card = cards[static_cast<std::size_t>(item.number - 1)];
            QString text = tr("Your card %1 of %2: %3")
                               .arg(item.number)
                               .arg(cards.size())
                               .arg(cardName(card.card));
            if (card.top != layout::handTop) text += tr(", raised");
            return text;
        }
        case Kind::tab: {
            const TabSpotView& tab = model_.tab(item.number);
            QString text = tr("Tab spot %1: %2").arg(item.number).arg(cardName(tab.first));
            if (tab.top != 0) text += tr(", top card %1").arg(cardName(tab.top));
            if (input.selectedtab() == item.number) text += tr(", selected");
            return text;
        }
        case Kind::foundation:
            return tr("Foundation %1: %2")
                .arg(item.number)
                .arg(cardName(model_.foundation(item.number)));
        case Kind::pile:
            return model_.drawPileEmpty() ? tr("Draw pile, empty") : tr("Draw pile");
    }
    return {};
}

void BoardView::focusMoved() {
    setAccessibleDescription(describeFocus());
    update();
}

void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // F6 and Tab are keys too: the marker shows where the next key acts.
    keyed_ = event->reason() != Qt::MouseFocusReason;
    focusMoved();
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void BoardView::moveFocus(BoardCursor::Direction direction) {
    cursor_.move(direction, model_.hand().size());
    focusMoved();
}

void BoardView::jumpTo(BoardItem item) {
    cursor_.jump(item, model_.hand().size());
    focusMoved();
}

void BoardView::activateFocus() {
    cursor_.fit(model_.hand().size());
    const BoardItem item = cursor_.item();
    switch (item.kind) {
        case Kind::hand:
            cardimagesMouseDown(model_.hand().cards()[std::size_t(item.number - 1)].position,
                                Qt::LeftButton);
            break;
        case Kind::tab:
            image_tab22Click(item.number);
            break;
        case Kind::foundation:
            image_found2Click(item.number);
            break;
        case Kind::pile:
            image_topcardClick();
            break;
    }
    focusMoved();
}

// Escape takes back the last step, as a second click would: the kings message goes,
// then the raised card comes down, then the selected pile is let go.
// With nothing left to let go, it hands the keyboard back to the chat.
void BoardView::dropSelection() {
    const MoveInput& input = model_.input();
    if (input.kingsVisible()) {
        button_kingsClick();
    } else if (input.selectedcard() != 0) {
        cardimagesMouseDown(input.selectedcard(), Qt::LeftButton);
    } else if (input.selectedtab() != 0) {
        image_tab22Click(input.selectedtab());
    } else {
        emit keyboardReleased();
        return;
    }
    focusMoved();
}

bool BoardView::boardKey(int key, bool control) {
    using Direction = BoardCursor::Direction;
    if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        // Straight onto a spot; the marker stays where it is, on the next card to play.
        const int n = key - Qt::Key_0;
        if (control)
            image_found2Click(n);
        else
            image_tab22Click(n);
        focusMoved();
        return true;
    }
    if (control) return false;
    switch (key) {
        case Qt::Key_Left:
            moveFocus(Direction::left);
            return true;
        case Qt::Key_Right:
            moveFocus(Direction::right);
            return true;
        case Qt::Key_Up:
            moveFocus(Direction::up);
            return true;
        case Qt::Key_Down:
            moveFocus(Direction::down);
            return true;
        case Qt::Key_Home:
        case Qt::Key_End:
            if (model_.hand().size() > 0)
                jumpTo({Kind::hand, key == Qt::Key_Home ? 1 : model_.hand().size()});
            return true;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            activateFocus();
            return true;
        case Qt::Key_S:  // as the right button on the hand
            if (model_.hand().size() > 0)
                cardimagesMouseDown(model_.hand().cards().front().position, Qt::RightButton);
            focusMoved();
            return true;
        case Qt::Key_D:
            image_topcardClick();
            focusMoved();
            return true;
        case Qt::Key_Escape:
            dropSelection();
            return true;
        case Qt::Key_H:
            showHint();
            return true;
        default:
            return false;
    }
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    // Keys the chat input (a child of the board) leaves alone come here too: they are
    // no moves.
    if (hasFocus() && (mods == Qt::NoModifier || mods == Qt::ControlModifier)) {
        if (!keyed_) {
            keyed_ = true;
            update();
        }
        if (boardKey(event->key(), mods == Qt::ControlModifier)) {
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

// Tab leaves the board for the chat rather than walking the buttons on it.
bool BoardView::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && hasFocus()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            emit keyboardReleased();
            return true;
        }
    }
    return QWidget::event(event);
}

QRect BoardView::focusFrame() const { return frameOf(cursor_.item()); }

QRect BoardView::frameOf(BoardItem wanted) const {
    BoardCursor fitted;
    const auto& cards = model_.hand().cards();
    fitted.jump(wanted, static_cast<int>(cards.size()));
    const BoardItem& item = fitted.item();
    constexpr int gap = 5;  // outside the selection frame's 3 pixels
    switch (item.kind) {
        case Kind::hand: {
            // Only the card's uncovered strip, so the frame names one card.
            const std::size_t i = std::size_t(item.number - 1);
            const std::vector<QRect> shown = handRects();
            const QRect& card = shown[i];
            const int width = i + 1 < shown.size()
                                  ? std::min(shown[i + 1].left() - card.left(), layout::cardWidth)
                                  : layout::cardWidth;
            return QRect(card.left(), card.top(), std::max(width, 6), layout::cardHeight)
                .adjusted(-gap + 2, -gap + 2, gap - 2, gap - 2);
        }
        case Kind::tab: {
            const int s = item.number - 1;
            QRect r = rectOf(layout::tabFirst[s]);
            if (model_.tab(item.number).top != 0) r |= rectOf(layout::tabTop[s]);
            return r.adjusted(-gap, -gap, gap, gap);
        }
        case Kind::foundation:
            return rectOf(layout::foundation[item.number - 1]).adjusted(-gap, -gap, gap, gap);
        case Kind::pile:
            return rectOf(layout::topcard).adjusted(-gap, -gap, gap, gap);
    }
    return {};
}

namespace {

// Where each key number sits, in design units: the tab spots' numbers in the gaps around
// the draw pile, the foundations' on their cards' outer edges.
constexpr QPointF tabBadge[4] = {{126, 214}, {92.5, 140}, {126, 124}, {159.5, 140}};
constexpr QPointF foundationBadge[4] = {{59, 300}, {59, 38}, {193, 38}, {193, 300}};

void paintBadge(QPainter& p, QPointF centre, const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal height = 15;
    const qreal width = std::max(height, metrics.horizontalAdvance(text) + 8);
    const QRectF r(centre.x() - width / 2, centre.y() - height / 2, width, height);
    p.setPen(QPen(QColor(20, 20, 20), 1.2));
    p.setBrush(QColor(255, 214, 0));
    p.drawRoundedRect(r, height / 2, height / 2);
    p.setPen(QColor(20, 20, 20));
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

// Drawn in design units like the cards, so they stay sharp at any scale.
void BoardView::paintKeyBadges(QPainter& p) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    for (int n = 1; n <= wire::spotCount; ++n)
        paintBadge(p, tabBadge[n - 1], QString::number(n), font);
    for (int n = 1; n <= wire::foundationCount; ++n)
        paintBadge(p, foundationBadge[n - 1], tr("Ctrl+%1").arg(n), font);
}

bool BoardView::showHint() {
    hint_ = findHint(model_);
    if (!hint_) {
        update();
        return false;
    }
    hintHandSize_ = model_.hand().size();
    jumpTo(hint_->from);
    update();
    return true;
}

void BoardView::dropStaleHint(unsigned areas) {
    if (!hint_) return;
    if ((areas & (areaBoard | areaButtons | areaSeats)) || model_.hand().size() != hintHandSize_) {
        hint_.reset();
        update();
    }
}

void BoardView::paintHint(QPainter& p) {
    paintMarker(p, frameOf(hint_->from));
    if (hint_->to) paintMarker(p, frameOf(*hint_->to));
}

void BoardView::paintFocus(QPainter& p) { paintMarker(p, focusFrame()); }

void BoardView::paintMarker(QPainter& p, const QRect& frame) {
    const QRectF r = QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setBrush(Qt::NoBrush);
    // A dark edge under a bright one, so the marker reads on felt and on cards alike.
    p.setPen(QPen(QColor(20, 20, 20, 200), 4.5));
    p.drawRoundedRect(r, 5, 5);
    p.setPen(QPen(QColor(255, 214, 0), 2.5));
    p.drawRoundedRect(r, 5, 5);
}

}  // namespace tess
