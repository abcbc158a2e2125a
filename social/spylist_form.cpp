#include "social/spylist_form.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

#include "assets/pictures/pictures.h"
#include "social/chat_view.h"
#include "widgets/felt_window.h"
#include "widgets/picture_push_button.h"

namespace tess {

Tspylist::Tspylist(LinkState link, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      link_(std::move(link)),
      list_(new QListWidget(this)),
      menu_(new QMenu(this)),
      kickhim_(menu_->addAction(tr("Remove From Game"))),
      done_(new PicturePushButton(pictures::Button::done, QStringLiteral("button_done"), this)) {
    setObjectName(QStringLiteral("spylist"));
    setWindowTitle(tr("Tessarine - Spys"));
    setFixedSize(clientSize);
    useFeltBackground(this, clientSize);  // the main window's background picture

    list_->setObjectName(QStringLiteral("listbox_spys"));
    list_->setGeometry(5, 5, 154, 130);
    QPalette lp = list_->palette();
    lp.setColor(QPalette::Base, toQColor(listColour));
    list_->setPalette(lp);
    list_->viewport()->setMouseTracking(true);
    list_->viewport()->installEventFilter(this);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        remember(pos);
        menu_->popup(list_->viewport()->mapToGlobal(pos));
    });

    menu_->setObjectName(QStringLiteral("popup_kick"));
    kickhim_->setObjectName(QStringLiteral("popup_kickhim"));
    kickhim_->setEnabled(false);
    connect(kickhim_, &QAction::triggered, this, &Tspylist::popup_kickhimClick);

    auto* title = new QLabel(tr("Spy List"), this);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(14);
    title->setFont(font);
    QPalette tp = title->palette();
    tp.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(tp);
    title->setGeometry(8, 137, 80, 29);

    done_->move(clientSize.width() - done_->width() - 5, 137);
    connect(done_, &QAbstractButton::clicked, this, &QWidget::close);
}

void Tspylist::setHosting(bool hosting) {
    hosting_ = hosting;
    kickhim_->setEnabled(hosting);
}

QString Tspylist::entry(int slot, const QString& name) {
    return QStringLiteral("%1: %2").arg(slot).arg(name);
}

bool Tspylist::addSpy(int slot, const QString& name) {
    if (hasSpy(slot, name)) return false;
    list_->addItem(entry(slot, name));
    return true;
}

bool Tspylist::removeSpy(int slot, const QString& name) {
    const QList<QListWidgetItem*> found = list_->findItems(entry(slot, name), Qt::MatchExactly);
    if (found.isEmpty()) return false;
    delete found.front();
    forgetRowsPastEnd();
    return true;
}

bool Tspylist::hasSpy(int slot, const QString& name) const {
    return !list_->findItems(entry(slot, name), Qt::MatchExactly).isEmpty();
}

bool Tspylist::hasSlot(int slot) const {
    return !list_->findItems(entry(slot, QString()), Qt::MatchStartsWith).isEmpty();
}

QStringList Tspylist::entries() const {
    QStringList all;
    for (int row = 0; row < list_->count(); ++row)
        all.append(list_->item(row)->text());
    return all;
}

void Tspylist::SpyList1Click() {
    // Centred on the main window the first time; afterwards where the user left it.
    if (!placed_ && parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    placed_ = true;
    show();
    raise();
    activateWindow();
}

bool Tspylist::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseMove)
        remember(static_cast<QMouseEvent*>(event)->position().toPoint());
    return QDialog::eventFilter(watched, event);
}

void Tspylist::remember(const QPoint& viewportPos) { row_ = list_->indexAt(viewportPos).row(); }

void Tspylist::forgetRowsPastEnd() {
    if (row_ >= list_->count()) row_ = -1;
}

void Tspylist::popup_kickhimClick() {
    if (row_ < 0 || row_ >= list_->count()) return;
    const QString text = list_->item(row_)->text();
    bool ok = false;
    const int slot = text.left(text.indexOf(QLatin1Char(':'))).toInt(&ok);
    if (!ok) return;
    const std::string line = kicking(link_, hosting_, slot);
    if (!line.empty()) emit sendLine(line);
}

}  // namespace tess
