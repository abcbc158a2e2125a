#include "client/board_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tess {

namespace {

constexpr QPoint namePlace[4] = {{33, 390}, {299, 50}, {299, 178}, {299, 305}};
constexpr QSize cardSize{60, 82};
// Tab spots' first cards and the draw pile: the fixed markers beneath them.
constexpr QPoint tabSpots[4] = {{96, 218}, {29, 128}, {96, 38}, {163, 128}};
constexpr QPoint drawPile{96, 128};
constexpr QPoint foundations[4] = {{29, 218}, {29, 38}, {163, 38}, {163, 218}};

QFont boldArial(int pixelSize) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

void drawSpot(QPainter& p, QPoint at, const QColor& line) {
    const QRectF r(QPointF(at) + QPointF(1.5, 1.5), QSizeF(cardSize) - QSizeF(3, 3));
    p.setPen(QPen(line, 1.5, Qt::DashLine));
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(r, 6, 6);
}

}  // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    resize(clientSize);
    for (int seat = 1; seat <= 4; ++seat) {
        const QPoint at = namePlace[seat - 1];
        names_[seat - 1] = makeLabel(at.x(), at.y(), 16, waiting);
        names_[seat - 1]->setObjectName(QStringLiteral("label_playername%1").arg(seat));
        scores_[seat - 1] = makeLabel(at.x(), at.y(), 16, QStringLiteral("0"));
        scores_[seat - 1]->setObjectName(QStringLiteral("label_score%1").arg(seat));
        names_[seat - 1]->hide();
        scores_[seat - 1]->hide();
    }
    makeLabel(165, 3, 12, QStringLiteral("Play to Score: 0"))
        ->setObjectName(QStringLiteral("label_playtoscore"));
    makeLabel(165, 19, 12, QStringLiteral("Time Per Turn: 60 sec"))
        ->setObjectName(QStringLiteral("label_timeperturn"));
    makeLabel(20, 351, 13, QStringLiteral("TIME:0:00"))
        ->setObjectName(QStringLiteral("label_timer"));
    QLabel* pot = makeLabel(172, 334, 43, QStringLiteral("0"));
    pot->setObjectName(QStringLiteral("label_potscore"));

    label_status_ = makeLabel(16, 508, 13, QStringLiteral("Welcome to Tessarine"));
    label_status_->setObjectName(QStringLiteral("label_status"));
    label_status_->setFixedWidth(441);
    label_status_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    button_start_ =
        new PictureButton(pictures::Button::startGame, QStringLiteral("button_start"), this);
    button_start_->move(61, 160);
    button_start_->hide();
}

QLabel* BoardView::makeLabel(int left, int top, int pixelSize, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setFont(boldArial(pixelSize));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void BoardView::placeScore(int seat) {
    QLabel* name = names_[seat - 1];
    name->adjustSize();
    scores_[seat - 1]->move(name->x() + name->width() + 4, name->y());
}

void BoardView::showSeat(int seat, const QString& name) {
    setSeatCaption(seat, name);
    names_[seat - 1]->show();
    scores_[seat - 1]->show();
}

void BoardView::setSeatCaption(int seat, const QString& caption) {
    names_[seat - 1]->setText(caption);
    placeScore(seat);
}

void BoardView::setEyes(int seat, bool shown) {
    if (eyes_[seat - 1] == shown) return;
    eyes_[seat - 1] = shown;
    update();
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A wooden rim around green felt, lit from the middle of the play area.
    p.fillRect(rect(), QColor(74, 44, 22));
    const QRectF felt(QPointF(2, 2), QSizeF(boardSize));
    QRadialGradient light(QPointF(230, 250), 520);
    light.setColorAt(0, QColor(24, 128, 62));
    light.setColorAt(1, QColor(8, 70, 34));
    QPainterPath cloth;
    cloth.addRoundedRect(felt.adjusted(3, 3, -3, -3), 14, 14);
    p.fillPath(cloth, light);
    p.setPen(QPen(QColor(196, 160, 84), 2));
    p.drawPath(cloth);

    // The play area and the seats' column.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(QRectF(3, 4, 248, 330), 10, 10);
    p.drawRoundedRect(QRectF(268, 40, 194, 380), 10, 10);

    const QColor marker(230, 240, 230, 150);
    for (const QPoint& spot : tabSpots)
        drawSpot(p, spot, marker);
    for (const QPoint& spot : foundations)
        drawSpot(p, spot, QColor(244, 208, 63, 150));
    drawSpot(p, drawPile, QColor(231, 76, 60, 170));

    // The pot's green box and the time bar's frame.
    p.setPen(QPen(QColor(196, 160, 84), 1.5));
    p.setBrush(QColor(10, 90, 40));
    p.drawRoundedRect(QRectF(160, 332, 92, 66), 8, 8);
    p.setPen(QColor(244, 230, 180));
    p.setFont(boldArial(10));
    p.drawText(QRectF(160, 382, 92, 14), Qt::AlignCenter, QStringLiteral("POT SCORE"));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(QRectF(18, 345, 139, 30), 4, 4);

    // Eyes of the seats that are just watching.
    for (int seat = 1; seat <= 4; ++seat) {
        if (!eyes_[seat - 1]) continue;
        const QPoint at = names_[seat - 1]->pos() + QPoint(-25, 6);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(at.x(), at.y(), 10, 9));
        p.drawEllipse(QRectF(at.x() + 12, at.y(), 10, 9));
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(at.x() + 4, at.y() + 3, 3, 3));
        p.drawEllipse(QRectF(at.x() + 16, at.y() + 3, 3, 3));
    }
}

}  // namespace tess
