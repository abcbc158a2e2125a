#include "shell/quick_instructions.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>

#include "shell/shell_pictures.h"

namespace tess {

namespace {

QLabel* label(QWidget* parent, const QString& text, int pointSize, bool bold,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setAlignment(align);
    QFont f = l->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

QLabel* caption(QLabel* picture, const QString& text, const QRect& geometry) {
    auto* l = label(picture, text, 7, true, Qt::AlignCenter);
    l->setGeometry(geometry);
    l->setWordWrap(false);
    l->setStyleSheet(QStringLiteral("color: #fff4c0; background: transparent;"));
    return l;
}

}  // namespace

QuickInstructionsPanel::QuickInstructionsPanel(QWidget* board) : QFrame(board) {
    setObjectName(QStringLiteral("panel_help"));
    setGeometry(QRect(boardPosition, QSize(625, 361)));
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
}

// Laid out rather than placed: every text takes the height it needs in any language,
// so nothing is cut at the top or runs into its neighbour.
void QuickInstructionsPanel::build() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 8, 14, 8);
    column->setSpacing(6);
    column->addWidget(label(this, tr("QUICK INSTRUCTIONS"), 16, true, Qt::AlignCenter));
    column->addWidget(
        label(this,
              tr("PLAY WITH FRIENDS: File > Host a Table…, Join a Table… or Find Players "
                 "Online…"),
              8, false, Qt::AlignCenter));

    auto* middle = new QHBoxLayout;
    middle->setSpacing(18);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("image_layout"));
    picture->setFixedSize(158, 209);
    picture->setPixmap(tableLayoutPicture());
    caption(picture, tr("FOUNDATIONS"), tableLayoutFoundationsCaption());
    caption(picture, tr("TAB SPOTS"), tableLayoutTabSpotsCaption());
    caption(picture, tr("DRAW PILE"), tableLayoutDrawPileCaption());
    middle->addWidget(picture, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(10);
    texts->addWidget(label(this,
                           tr("Get rid of your cards by playing them on foundations and tab "
                              "spots. All cards played must be one lower and opposite color of "
                              "the top card."),
                           11, false));
    texts->addWidget(label(this,
                           tr("FOUNDATIONS always start with KINGS. Cards cannot be removed from "
                              "Foundations. "),
                           11, false));
    texts->addWidget(label(this,
                           tr("Tab Spots can start with anything and can be moved. When moving "
                              "TAB SPOTS the whole pile will move. "),
                           11, false));
    texts->addStretch(1);
    middle->addLayout(texts, 1);
    column->addLayout(middle, 1);
    column->addWidget(label(this,
                            tr("Your turn ends when you either play all your cards or you draw "
                               "from the DRAW PILE. "),
                            11, true, Qt::AlignCenter));

    // The keys, in small print on either side of DONE.
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addWidget(label(this,
                            tr("KEYS: F6 or Tab takes the keyboard to the table and back. Arrows "
                               "choose, Space or Enter plays; the yellow badges show the keys of "
                               "tab spots and foundations."),
                            8, false),
                      1);
    auto* done = new QToolButton(this);
    done->setObjectName(QStringLiteral("button_done"));
    done->setFixedSize(65, 29);
    done->setIcon(QIcon(doneButtonPicture()));
    done->setIconSize(QSize(65, 29));
    done->setAutoRaise(true);
    done->setToolTip(tr("Done"));
    done->setAccessibleName(QCoreApplication::translate("tess::Pictures", "DONE"));
    done->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    connect(done, &QToolButton::clicked, this, &QuickInstructionsPanel::button_doneClick);
    bottom->addWidget(done, 0, Qt::AlignVCenter);
    bottom->addWidget(label(this,
                            tr("S sorts your cards, D draws, H hints, Esc lets go. Help > Content "
                               "lists every key."),
                            8, false),
                      1);
    column->addLayout(bottom);
}

void QuickInstructionsPanel::showQuickInstructions() {
    show();
    raise();
}

void QuickInstructionsPanel::button_doneClick() { hide(); }

}  // namespace tess
