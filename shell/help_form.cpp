#include "shell/help_form.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>

#include "shell/help_pages.h"
#include "shell/shell_pictures.h"
#include "shell/window_place.h"

namespace tess {

namespace {

QTextBrowser* pageView(const HelpPage& page, int number) {
    auto* view = new QTextBrowser;
    view->setObjectName(QStringLiteral("page%1").arg(number));
    view->setReadOnly(true);
    view->setOpenLinks(false);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, QColor(0xE2, 0xE2, 0xCB));  // 13361890
    palette.setColor(QPalette::Text, Qt::black);
    view->setPalette(palette);
    view->document()->setDocumentMargin(8);
    view->setHtml(page.html);
    return view;
}

QPushButton* sideButton(QWidget* panel, const QString& name, const QString& text, int y) {
    auto* b = new QPushButton(text, panel);
    b->setObjectName(name);
    b->setGeometry(10, y, 117, 20);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Thelp::Thelp(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(tr("Tessarine - Help File"));
    setFixedSize(623, 422);
    setModal(false);
    applyBackground(this, feltTile());

    auto* side = new QFrame(this);
    side->setGeometry(4, 4, 137, 414);
    side->setFrameShape(QFrame::Box);
    side->setAutoFillBackground(true);
    QPalette white = side->palette();
    white.setColor(QPalette::Window, Qt::white);
    side->setPalette(white);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("label_heading"));
    heading_->setGeometry(146, 4, 473, 30);
    heading_->setAlignment(Qt::AlignCenter);
    QFont big = heading_->font();
    big.setPointSize(15);
    big.setBold(true);
    heading_->setFont(big);
    heading_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    pages_ = new QStackedWidget(this);
    pages_->setGeometry(146, 38, 473, 380);

    const auto& pages = helpPages();
    int y = 10;
    for (int i = 0; i < int(pages.size()); ++i) {
        const int number = i + 1;
        pages_->addWidget(pageView(pages[i], number));
        auto* b = sideButton(side, QStringLiteral("SelButton%1").arg(number), pages[i].caption, y);
        connect(b, &QPushButton::clicked, this, [this, number] { SelButton1Click(number); });
        y += 24;
    }
    auto* about = sideButton(side, QStringLiteral("button_about"), tr("About"), y + 12);
    connect(about, &QPushButton::clicked, this, &Thelp::aboutRequested);
    auto* done = sideButton(side, QStringLiteral("button_done"), tr("Done"), 384);
    connect(done, &QPushButton::clicked, this, &Thelp::hide);

    SelButton1Click(1);
}

int Thelp::pageCount() const { return pages_->count(); }
int Thelp::currentPage() const { return pages_->currentIndex() + 1; }
QString Thelp::heading() const { return heading_->text(); }

QTextBrowser* Thelp::page(int number) const {
    return qobject_cast<QTextBrowser*>(pages_->widget(number - 1));
}

void Thelp::SelButton1Click(int number) {
    if (number < 1 || number > pageCount()) return;
    pages_->setCurrentIndex(number - 1);
    heading_->setText(helpPages()[number - 1].heading);
}

void Thelp::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        centreWindow(this, parentWidget());
    }
    QDialog::showEvent(event);
}

}  // namespace tess
