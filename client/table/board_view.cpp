#include "client/table/board_view.h"

#include <QMouseEvent>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

#include "client/model/table_model.h"
#include "client/table/hand_spread.h"
#include "client/table/model_texts.h"

namespace tess {

namespace {

QFont boldArial(int pixelSize) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

QPoint at(layout::Point p) { return {p.left, p.top}; }
QRect rectOf(layout::Rect r) { return {r.left, r.top, r.width, r.height}; }
QRect rectOf(layout::Point p) { return {p.left, p.top, layout::cardWidth, layout::cardHeight}; }
QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

BoardView::BoardView(TableModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    // The felt covers every pixel: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(clientSize);
    for (int p = 1; p <= wire::seatCount; ++p) {
        const layout::SeatPlace& place = layout::seatPlaces[p - 1];
        names_[p - 1] = makeLabel(at(place.name), 16, waiting);
        scores_[p - 1] = makeLabel(at(place.score), 16, QStringLiteral("0"));
        counts_[p - 1] = makeLabel(at(place.cardCount), 11, QString());
        names_[p - 1]->hide();
        scores_[p - 1]->hide();
        counts_[p - 1]->hide();
    }
    label_potscore_ = makeLabel(at(layout::potScore), 43, QStringLiteral("0"));
    label_potscore_->setObjectName(QStringLiteral("label_potscore"));
    label_playtoscore_ = makeLabel(at(layout::playToScore), 12, tr("Play to Score: 0"));
    label_playtoscore_->setObjectName(QStringLiteral("label_playtoscore"));
    label_timeperturn_ = makeLabel(at(layout::timePerTurn), 12, tr("Time Per Turn: 60 sec"));
    label_timeperturn_->setObjectName(QStringLiteral("label_timeperturn"));
    label_timer_ = makeLabel(at(layout::timerText), 16, tr("TIME:0:00"));
    label_timer_->setObjectName(QStringLiteral("label_timer"));
    label_status_ =
        makeLabel({layout::status.left, layout::status.top}, 13, tr("Welcome to Tessarine"));
    label_status_->setObjectName(QStringLiteral("label_status"));
    label_status_->setFixedWidth(layout::status.width);
    label_status_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    button_turndone_ =
        new PicturePushButton(pictures::Button::done, QStringLiteral("button_turndone"), this);
    button_turndone_->move(layout::turnDone.left, layout::turnDone.top);
    button_turndone_->hide();
    connect(button_turndone_, &QAbstractButton::clicked, this, &BoardView::image_topcardClick);

    button_start_ =
        new PicturePushButton(pictures::Button::startGame, QStringLiteral("button_start"), this);
    button_start_->move(layout::start.left, layout::start.top);
    button_start_->hide();

    panel_kings_ = new QWidget(this);
    panel_kings_->setObjectName(QStringLiteral("panel_kings"));
    panel_kings_->setAutoFillBackground(true);
    auto* kingsLayout = new QVBoxLayout(panel_kings_);
    label_kings_ = new QLabel(panel_kings_);
    label_kings_->setTextFormat(Qt::PlainText);
    label_kings_->setObjectName(QStringLiteral("label_kings"));
    label_kings_->setWordWrap(true);
    label_kings_->setAlignment(Qt::AlignCenter);
    kingsLayout->addWidget(label_kings_, 1);
    button_kings_ =
        new PicturePushButton(pictures::Button::ok, QStringLiteral("button_kings"), panel_kings_);
    kingsLayout->addWidget(button_kings_, 0, Qt::AlignHCenter);
    connect(button_kings_, &QAbstractButton::clicked, this, &BoardView::button_kingsClick);
    panel_kings_->hide();
    refusalTimer_ = new QTimer(this);
    refusalTimer_->setSingleShot(true);
    refusalTimer_->setInterval(3000);
    connect(refusalTimer_, &QTimer::timeout, this, [this] {
        refusal_.clear();
        refreshCaptions();
    });
    placeControls();
    setUpKeyboard();
}

void BoardView::showRefusal(const QString& reason) {
    refusal_ = reason;
    statusAtRefusal_ = model_.status();
    refusalTimer_->start();
    refreshCaptions();
}

qreal BoardView::scaleFor(QSize size) {
    const qreal s = std::min(qreal(size.width()) / minimumBoard.width(),
                             qreal(size.height()) / minimumBoard.height());
    return std::max<qreal>(1, s);
}

int BoardView::scaled(int design) const { return qRound(design * scale_); }
QPoint BoardView::scaled(QPoint design) const { return {scaled(design.x()), scaled(design.y())}; }
QRect BoardView::scaled(const QRect& design) const {
    // Both edges scaled, so neighbouring pieces keep touching at any scale.
    const QPoint topLeft = scaled(design.topLeft());
    const QPoint end = scaled(design.topLeft() + QPoint(design.width(), design.height()));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

std::vector<QRect> BoardView::handRects() const {
    return handSpread::rects(model_.hand().cards(), handSpread::amountAt(scale_));
}

QPoint BoardView::toDesign(QPointF where) const {
    return {qFloor(where.x() / scale_), qFloor(where.y() / scale_)};
}

QSize BoardView::spare() const {
    return {std::max(0, width() - scaled(designSpan.width())),
            std::max(0, height() - scaled(designSpan.height()))};
}

void BoardView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const qreal s = scaleFor(size());
    if (s != scale_) {
        scale_ = s;
        placeControls();
        // The hand may stand elsewhere at the new scale; the whole board is repainted.
        drawn_ = BoardDamage::of(model_, handRects());
    }
    emit rescaled(scale_);
}

void BoardView::placeLabel(QLabel* label, QPoint where, int pixelSize) {
    label->setFont(boldArial(scaled(pixelSize)));
    label->move(scaled(where));
    label->adjustSize();
}

// Every control at its design place and size, times the scale.
void BoardView::placeControls() {
    for (int p = 1; p <= 4; ++p) {
        names_[p - 1]->setFont(boldArial(scaled(16)));
        scores_[p - 1]->setFont(boldArial(scaled(16)));
        counts_[p - 1]->setFont(boldArial(scaled(11)));
    }
    placeLabel(label_potscore_, at(layout::potScore), 43);
    placeLabel(label_playtoscore_, at(layout::playToScore), 12);
    placeLabel(label_timeperturn_, at(layout::timePerTurn), 12);
    placeLabel(label_timer_, at(layout::timerText), 16);
    placeLabel(label_status_, {layout::status.left, layout::status.top}, 13);
    label_status_->setFixedWidth(scaled(layout::status.width));

    for (PicturePushButton* b : {button_turndone_, button_start_, button_kings_})
        b->setScale(scale_);
    button_turndone_->move(scaled(QPoint(layout::turnDone.left, layout::turnDone.top)));
    button_start_->move(scaled(QPoint(layout::start.left, layout::start.top)));

    panel_kings_->setGeometry(scaled(rectOf(layout::kingsPanel)));
    QPalette kingsPalette = panel_kings_->palette();
    kingsPalette.setBrush(QPalette::Window, QBrush(pictures::messagePanel(panel_kings_->size(),
                                                                          devicePixelRatioF())));
    panel_kings_->setPalette(kingsPalette);
    panel_kings_->layout()->setContentsMargins(scaled(12), scaled(12), scaled(12), scaled(10));
    label_kings_->setFont(boldArial(scaled(13)));
    for (int p = 1; p <= 4; ++p)
        placeSeatLabels(p);
    update();
}

QLabel* BoardView::makeLabel(QPoint where, int pixelSize, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setTextFormat(Qt::PlainText);  // seat names are whatever a player typed
    label->setFont(boldArial(pixelSize));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->move(where);
    label->adjustSize();
    return label;
}

QLabel* BoardView::label_playername(int seat) const {
    return names_[model_.screenPosition(seat) - 1];
}

QLabel* BoardView::label_score(int seat) const { return scores_[model_.screenPosition(seat) - 1]; }

void BoardView::showSeat(int seat) {
    if (seat < 1 || seat > 4) return;
    listed_[seat - 1] = true;
    refreshSeats();
}

void BoardView::refresh(unsigned areas) {
    dropStaleHint(areas);
    if (areas & areaSeats) refreshSeats();
    if (areas & (areaCaptions | areaCountdown)) refreshCaptions();
    if (areas & areaKings) {
        const MoveInput& input = model_.input();
        label_kings_->setText(text(input.kingsText()));
        panel_kings_->setVisible(input.kingsVisible());
        if (input.kingsVisible()) panel_kings_->raise();
    }
    if (areas & areaButtons) {
        button_turndone_->setVisible(model_.doneVisible());
        button_start_->setVisible(model_.startVisible());
    }
    // Only the pieces that look different from what was drawn last.
    BoardDamage now = BoardDamage::of(model_, handRects());
    QRegion changed;
    for (const BoardDamage::Area& a : now.changedSince(drawn_))
        changed += a.smoothed ? scaledArea(a.rect) : pictureArea(a.rect);
    drawn_ = std::move(now);
    if (hasFocus()) {
        setAccessibleDescription(describeFocus());
        // The keyboard marker follows what it stands on, wherever that went.
        update();
        return;
    }
    if (!changed.isEmpty()) update(changed);
}

void BoardView::refreshSeats() {
    for (int p = 1; p <= wire::seatCount; ++p) {
        const int seat = model_.seatAt(p);
        const SeatView& view = model_.atPosition(p);
        QLabel* name = names_[p - 1];
        name->setObjectName(QStringLiteral("label_playername%1").arg(seat));
        scores_[p - 1]->setObjectName(QStringLiteral("label_score%1").arg(seat));
        // An empty seat in the user's language; a player's name as typed.
        name->setText(view.name == TableModel::waiting                       ? tr("<Waiting>")
                      : p == 1 && !soloName_.isEmpty() && view.name == "You" ? soloName_
                                                                             : text(view.name));
        const bool shown = listed_[seat - 1] || view.name != TableModel::waiting;
        name->setVisible(shown);
        scores_[p - 1]->setText(text(view.score));
        scores_[p - 1]->setVisible(shown);
        QLabel* count = counts_[p - 1];
        count->setText(text(view.cardCount));
        placeSeatLabels(p);
        count->setVisible(layout::cardCountShown(p) && !view.cardCount.empty());
    }
}

// The score follows the name's width, the card count the fan's.
void BoardView::placeSeatLabels(int position) {
    const layout::SeatPlace& place = layout::seatPlaces[position - 1];
    QLabel* name = names_[position - 1];
    name->move(scaled(at(place.name)));
    name->adjustSize();
    QLabel* score = scores_[position - 1];
    score->adjustSize();
    score->move(name->x() + name->width() + scaled(layout::labelGap), name->y());
    QLabel* count = counts_[position - 1];
    count->adjustSize();
    const int fanWidth = model_.atPosition(position).fanWidth;
    count->move(scaled(QPoint(place.hand.left + fanWidth + layout::labelGap, place.cardCount.top)));
}

void BoardView::refreshCaptions() {
    label_potscore_->setText(QString::number(model_.pot()));
    label_potscore_->adjustSize();
    label_playtoscore_->setText(shownModelText(model_.playToScoreText()));
    label_playtoscore_->adjustSize();
    label_timeperturn_->setText(shownModelText(model_.timePerTurnText()));
    label_timeperturn_->adjustSize();
    // A new status (the turn passed, the round ended) says more than why a move failed.
    if (!refusal_.isEmpty() && model_.status() != statusAtRefusal_) {
        refusal_.clear();
        refusalTimer_->stop();
    }
    label_status_->setText(refusal_.isEmpty() ? shownModelText(model_.status()) : refusal_);
    const TurnCountdown& countdown = model_.countdown();
    label_timer_->setText(shownModelText(countdown.text()));
    label_timer_->adjustSize();
    // Black only while the light bar still lies under the whole text; white near the end
    // and wherever the text stands on the dark box.
    const int textRight = layout::timerText.left + qCeil(label_timer_->width() / scale_);
    const bool onBar = layout::timerBar.left + countdown.barWidth() >= textRight;
    QPalette p = label_timer_->palette();
    p.setColor(QPalette::WindowText, countdown.white() || !onBar ? Qt::white : Qt::black);
    label_timer_->setPalette(p);
}

BoardView::Hit BoardView::hitAt(QPoint where) const {
    const auto& cards = model_.hand().cards();
    const std::vector<QRect> shown = handRects();
    for (std::size_t i = cards.size(); i-- > 0;)  // the topmost card first
        if (shown[i].contains(where)) return {Hit::Kind::hand, cards[i].position};
    for (int spot = 1; spot <= wire::spotCount; ++spot)
        if (rectOf(layout::tabFirst[spot - 1]).contains(where) ||
            rectOf(layout::tabTop[spot - 1]).contains(where))
            return {Hit::Kind::tab, spot};
    for (int f = 1; f <= wire::foundationCount; ++f)
        if (rectOf(layout::foundation[f - 1]).contains(where)) return {Hit::Kind::foundation, f};
    if (rectOf(layout::topcard).contains(where)) return {Hit::Kind::pile, 0};
    return {};
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (keyed_) {  // playing by mouse now: no marker until the next key
        keyed_ = false;
        update();
    }
    const Hit hit = hitAt(toDesign(event->position()));
    const bool left = event->button() == Qt::LeftButton;
    switch (hit.kind) {
        case Hit::Kind::hand:
            cardimagesMouseDown(hit.number, event->button());
            break;
        case Hit::Kind::tab:
            if (left) image_tab22Click(hit.number);
            break;
        case Hit::Kind::foundation:
            if (left) image_found2Click(hit.number);
            break;
        case Hit::Kind::pile:
            if (left) image_topcardClick();
            break;
        case Hit::Kind::none:
            QWidget::mousePressEvent(event);
            break;
    }
}

void BoardView::cardimagesMouseDown(int position, Qt::MouseButton button) {
    const auto pressed = button == Qt::RightButton    ? MoveInput::Button::right
                         : button == Qt::MiddleButton ? MoveInput::Button::middle
                                                      : MoveInput::Button::left;
    model_.input().pressHandCard(position, pressed);
}

void BoardView::image_tab22Click(int spot) { model_.input().clickTabSpot(spot); }

void BoardView::image_found2Click(int foundation) { model_.input().clickFoundation(foundation); }

void BoardView::image_topcardClick() { model_.input().clickDrawPile(); }

void BoardView::button_kingsClick() { model_.input().dismissKings(); }

}  // namespace tess
