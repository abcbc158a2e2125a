#include "shell/quick_instructions.h"

#include <QLabel>
#include <QToolButton>

#include "shell/shell_pictures.h"

namespace tess {

namespace {

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, int pointSize, bool bold,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    l->setAlignment(align);
    QFont f = l->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

QLabel* caption(QLabel* picture, const QString& text, const QRect& geometry) {
    auto* l = label(picture, text, geometry, 7, true, Qt::AlignCenter);
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

void QuickInstructionsPanel::build() {
    label(this, tr("QUICK INSTRUCTIONS"), QRect(0, 10, 625, 30), 16, true, Qt::AlignCenter);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("image_layout"));
    picture->setGeometry(20, 52, 158, 209);
    picture->setPixmap(tableLayoutPicture());
    caption(picture, tr("FOUNDATIONS"), tableLayoutFoundationsCaption());
    caption(picture, tr("TAB SPOTS"), tableLayoutTabSpotsCaption());
    caption(picture, tr("DRAW PILE"), tableLayoutDrawPileCaption());

    const int x = 200, w = 405;
    label(this,
          tr("Get rid of your cards by playing them on foundations and tab spots. All "
             "cards played must be one lower and opposite color of the top card."),
          QRect(x, 52, w, 64), 11, false);
    label(this,
          tr("FOUNDATIONS always start with KINGS. Cards cannot be removed from "
             "Foundations. "),
          QRect(x, 124, w, 64), 11, false);
    label(this,
          tr("Tab Spots can start with anything and can be moved. When moving TAB "
             "SPOTS the whole pile will move. "),
          QRect(x, 196, w, 64), 11, false);
    label(this,
          tr("Your turn ends when you either play all your cards or you draw from the "
             "DRAW PILE. "),
          QRect(20, 272, 585, 36), 11, true, Qt::AlignCenter);

    // The keys, in small print on either side of DONE.
    label(this,
          tr("KEYS: F6 or Tab takes the keyboard to the table and back. Arrows choose, Space "
             "or Enter plays; the yellow badges show the keys of tab spots and foundations."),
          QRect(14, 311, 258, 44), 8, false);
    label(this, tr("S sorts your cards, D draws, Esc lets go. Help > Content lists every key."),
          QRect(353, 311, 258, 44), 8, false);

    auto* done = new QToolButton(this);
    done->setObjectName(QStringLiteral("button_done"));
    done->setGeometry(280, 318, 65, 29);
    done->setIcon(QIcon(doneButtonPicture()));
    done->setIconSize(QSize(65, 29));
    done->setAutoRaise(true);
    done->setToolTip(tr("Done"));
    done->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    connect(done, &QToolButton::clicked, this, &QuickInstructionsPanel::button_doneClick);
}

void QuickInstructionsPanel::showQuickInstructions() {
    show();
    raise();
}

void QuickInstructionsPanel::button_doneClick() { hide(); }

}  // namespace tess
