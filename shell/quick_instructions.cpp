#include "shell/quick_instructions.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "shell/shell_pictures.h"

namespace tess {

namespace {

QLabel* label(QWidget* parent, const QString& text, qreal pointSize, bool bold,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setAlignment(align);
    QFont f = l->font();
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

QRect scaledRect(const QRect& design, qreal scale) {
    return QRectF(QPointF(design.topLeft()) * scale, QSizeF(design.size()) * scale).toRect();
}

QLabel* caption(QLabel* picture, const QString& text, const QRect& design, qreal scale) {
    auto* l = label(picture, text, 7 * scale, true, Qt::AlignCenter);
    l->setGeometry(scaledRect(design, scale));
    l->setWordWrap(false);
    l->setStyleSheet(QStringLiteral("color: #fff4c0; background: transparent;"));
    return l;
}

}  // namespace

QuickInstructionsPanel::QuickInstructionsPanel(QWidget* board) : QFrame(board) {
    setObjectName(QStringLiteral("panel_help"));
    setGeometry(QRect(boardPosition, designSize));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(3);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xE2, 0xE2, 0xCB));  // 13361890
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    hide();
}

// The texts and pictures are made when the panel first shows: most starts never show it.
void QuickInstructionsPanel::setVisible(bool visible) {
    if (visible && !built_) {
        built_ = true;
        build();
    }
    QFrame::setVisible(visible);
    if (visible) fit();
}

void QuickInstructionsPanel::setScale(qreal scale) {
    if (scale <= 0 || qFuzzyCompare(scale, scale_)) return;
    scale_ = scale;
    if (built_)
        rebuild();
    else
        resize((QSizeF(designSize) * scale_).toSize());
}

// A text that asks for more room (another font, another style) gets it.
bool QuickInstructionsPanel::event(QEvent* event) {
    const bool done = QFrame::event(event);
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange)
        fit();
    return done;
}

void QuickInstructionsPanel::rebuild() {
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete child;
    delete layout();
    build();
    // Children made while the panel shows wait to be shown.
    if (isVisible())
        for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            child->show();
    fit();
}

// At least the design size times the scale; wider where a word or the keys need it,
// taller where the texts wrap to more lines (a longer language, larger fonts), so the
// layout never has to squeeze a text into the pictures.
void QuickInstructionsPanel::fit() {
    QLayout* column = layout();
    // Only what shows is laid out.
    if (!column || !isVisible()) return;
    column->activate();
    const QSize least = (QSizeF(designSize) * scale_).toSize();
    const int width = std::max(least.width(), column->totalMinimumSize().width());
    const int height = column->hasHeightForWidth() ? column->totalHeightForWidth(width)
                                                   : column->totalSizeHint().height();
    resize(width, std::max({least.height(), height, column->totalMinimumSize().height()}));
}

// Laid out rather than placed: every text takes the height it needs in any language,
// so nothing is cut at the top or runs into its neighbour.
void QuickInstructionsPanel::build() {
    auto* column = new QVBoxLayout(this);
    const qreal k = scale_;
    const auto px = [k](int design) { return qRound(design * k); };
    column->setContentsMargins(px(14), px(8), px(14), px(8));
    column->setSpacing(px(6));
    column->addWidget(label(this, tr("QUICK INSTRUCTIONS"), 16 * k, true, Qt::AlignCenter));
    column->addWidget(
        label(this,
              tr("PLAY WITH FRIENDS: File > Host a Table…, Join a Table… or Find Players "
                 "Online…"),
              8 * k, false, Qt::AlignCenter));

    auto* middle = new QHBoxLayout;
    middle->setSpacing(px(18));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("image_layout"));
    picture->setFixedSize(scaledRect(QRect(0, 0, 158, 209), k).size());
    picture->setPixmap(tableLayoutPicture(k));
    caption(picture, tr("FOUNDATIONS"), tableLayoutFoundationsCaption(), k);
    caption(picture, tr("TAB SPOTS"), tableLayoutTabSpotsCaption(), k);
    caption(picture, tr("DRAW PILE"), tableLayoutDrawPileCaption(), k);
    middle->addWidget(picture, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(px(10));
    texts->addWidget(label(this,
                           tr("Get rid of your cards by playing them on foundations and tab "
                              "spots. All cards played must be one lower and opposite color of "
                              "the top card."),
                           11 * k, false));
    texts->addWidget(label(this,
                           tr("FOUNDATIONS always start with KINGS. Cards cannot be removed from "
                              "Foundations. "),
                           11 * k, false));
    texts->addWidget(label(this,
                           tr("Tab Spots can start with anything and can be moved. When moving "
                              "TAB SPOTS the whole pile will move. "),
                           11 * k, false));
    texts->addStretch(1);
    middle->addLayout(texts, 1);
    column->addLayout(middle, 1);
    column->addWidget(label(this,
                            tr("Your turn ends when you either play all your cards or you draw "
                               "from the DRAW PILE. "),
                            11 * k, true, Qt::AlignCenter));

    // The keys, in small print on either side of DONE.
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(px(8));
    bottom->addWidget(label(this,
                            tr("KEYS: F6 or Tab takes the keyboard to the table and back. Arrows "
                               "choose, Space or Enter plays; the yellow badges show the keys of "
                               "tab spots and foundations."),
                            8 * k, false),
                      1);
    auto* done = new QToolButton(this);
    done->setObjectName(QStringLiteral("button_done"));
    const QSize doneSize = scaledRect(QRect(0, 0, 65, 29), k).size();
    done->setFixedSize(doneSize);
    done->setIcon(QIcon(doneButtonPicture(k)));
    done->setIconSize(doneSize);
    done->setAutoRaise(true);
    done->setToolTip(tr("Done"));
    done->setAccessibleName(QCoreApplication::translate("tess::Pictures", "DONE"));
    done->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    connect(done, &QToolButton::clicked, this, &QuickInstructionsPanel::button_doneClick);
    bottom->addWidget(done, 0, Qt::AlignVCenter);
    bottom->addWidget(label(this,
                            tr("S sorts your cards, D draws, H hints, Esc lets go. Help > Content "
                               "lists every key."),
                            8 * k, false),
                      1);
    column->addLayout(bottom);
}

void QuickInstructionsPanel::showQuickInstructions() {
    show();
    raise();
}

void QuickInstructionsPanel::button_doneClick() { hide(); }

}  // namespace tess
