#include "client/windows/tallylist_form.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QtDebug>

#include "records/tally_store.h"
#include "widgets/felt_window.h"

namespace tess {

namespace {

const char* const noNameText = QT_TRANSLATE_NOOP("tess::Ttallylist", "Player");

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Text on the window's felt is white; panels and lists keep their own colours.
QLabel* label(const QString& text, QWidget* parent, QRect at, bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);  // names come from other players
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->setGeometry(at);
    return l;
}

QFrame* panel(QWidget* parent, QRect at, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f->setGeometry(at);
    return f;
}

// Shown for a cell that a reset emptied.
QString figure(const std::string& cell) { return cell.empty() ? QStringLiteral("0") : qs(cell); }

}  // namespace

Ttallylist::Ttallylist(QString path, Report report, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      path_(path.isEmpty() ? tallyFilePath() : std::move(path)),
      report_(std::move(report)) {
    setObjectName(QStringLiteral("tallylist"));
    setWindowTitle(tr("Tessarine - Tally List"));
    setFixedSize(clientSize);
    setModal(false);
    useFeltBackground(this, clientSize);
    buildOwnPanel();
    buildDetailPanel();
    buildLists();
    readFile();
    showOwnTotals();
}

Ttallylist::~Ttallylist() {
    saveFailureTold_ = true;  // the windows are going: a failure is only logged
    saveTable();
}

void Ttallylist::buildOwnPanel() {
    QFrame* own = panel(this, {2, 3, 297, 86}, "panel_total");
    label(tr("Your Total Tally"), own, {8, 4, 280, 20}, true);
    label(tr("Total Games:"), own, {16, 30, 110, 20});
    label(tr("Your Wins"), own, {16, 56, 110, 20});
    for (int i = 0; i < 2; ++i) {
        ownFigures_[static_cast<std::size_t>(i)] =
            label(QStringLiteral("0"), own, {130, 30 + 26 * i, 150, 20}, true);
    }
}

void Ttallylist::buildDetailPanel() {
    QFrame* detail = panel(this, {2, 90, 297, 140}, "panel_detail");
    heading_ = label(tr("%1's Tally").arg(tr(noNameText)), detail, {8, 4, 280, 20}, true);
    label(tr("Total"), detail, {160, 26, 60, 18}, true);
    label(tr("Session"), detail, {225, 26, 65, 18}, true);
    const std::array<QString, 4> rows{tr("Number of Games"), tr("%1 Wins:").arg(tr(noNameText)),
                                      tr("Your Wins:"), tr("Neither Won:")};
    for (int r = 0; r < 4; ++r) {
        const int top = 48 + 22 * r;
        QLabel* title = label(rows[static_cast<std::size_t>(r)], detail, {16, top, 140, 18});
        if (r == 1) rowTitle_ = title;
        detailFigures_[static_cast<std::size_t>(r)] =
            label(QStringLiteral("0"), detail, {160, top, 60, 18});
        detailFigures_[static_cast<std::size_t>(r + 4)] =
            label(QStringLiteral("0"), detail, {225, top, 65, 18});
    }
}

void Ttallylist::buildLists() {
    label(tr("Players In Current Game"), this, {4, 230, 290, 17}, true);
    checklist_ = new QListWidget(this);
    checklist_->setObjectName(QStringLiteral("checklist"));
    checklist_->setGeometry(2, 247, 297, 98);
    connect(checklist_, &QListWidget::itemChanged, this, &Ttallylist::checklistClickCheck);

    label(tr("Players Being Tallied"), this, {303, 1, 170, 17}, true);
    listboxTally_ = new QListWidget(this);
    listboxTally_->setObjectName(QStringLiteral("listbox_tally"));
    listboxTally_->setGeometry(301, 19, 172, 297);
    connect(listboxTally_, &QListWidget::itemChanged, this, &Ttallylist::listbox_tallyClickCheck);
    connect(listboxTally_, &QListWidget::currentRowChanged, this, &Ttallylist::listbox_tallyClick);

    reset_ = new QPushButton(tr("Reset Tally"), this);
    reset_->setObjectName(QStringLiteral("button_reset"));
    reset_->setGeometry(301, 320, 84, 25);
    connect(reset_, &QPushButton::clicked, this, &Ttallylist::button_resetClick);
    done_ = new QPushButton(tr("Done"), this);
    done_->setObjectName(QStringLiteral("button_done"));
    done_->setGeometry(389, 320, 84, 25);
    done_->setDefault(true);
    connect(done_, &QPushButton::clicked, this, &QDialog::hide);
}

void Ttallylist::readFile() {
    const std::optional<TallyReadResult> read = loadTallyFile(path_);
    if (!read) return;
    if (read->ok()) {
        tally_.load(*read->value);
        for (std::size_t i = 0; i < tally_.followedCount(); ++i)
            addTallyEntry(tally_.followedName(i));
        return;
    }
    loadError_ = qs(read->error);
    qWarning().noquote() << "The tally file could not be read:" << loadError_;
    moveAside();
    // Once, when the event loop runs, so the box comes up over the main window.
    if (report_) QTimer::singleShot(0, this, [this] { report_(loadError_); });
}

void Ttallylist::moveAside() {
    QString target = path_ + QStringLiteral(".bad");
    for (int n = 2; QFile::exists(target) && n < 1000; ++n)
        target = path_ + QStringLiteral(".%1.bad").arg(n);
    if (!QFile::exists(target) && QFile::rename(path_, target)) {
        movedAside_ = target;
        qWarning().noquote() << "The unreadable tally file was kept as" << target;
        return;
    }
    keepFile_ = true;
    qWarning().noquote() << "The unreadable tally file could not be moved aside;"
                         << "the tally will not be saved over it";
}

bool Ttallylist::saveTable() {
    if (keepFile_) return false;
    QString error;
    if (saveTallyFile(path_, tally_.table(), &error)) return true;
    qWarning().noquote() << "The tally could not be saved:" << error;
    if (!saveFailureTold_ && report_) {
        // Once: the file on disk is still the last good one.
        saveFailureTold_ = true;
        report_(tr("The tally could not be saved: ") + error);
    }
    return false;
}

void Ttallylist::ViewTally1Click(const TallySeats& seats) {
    loadchecklist(seats);
    if (QWidget* owner = parentWidget())
        move(owner->window()->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void Ttallylist::loadchecklist(const TallySeats& seats) {
    updating_ = true;
    checklist_->clear();
    for (const std::string& name : Tally::playersInGame(seats)) {
        auto* item = new QListWidgetItem(qs(name), checklist_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(tally_.follows(name) ? Qt::Checked : Qt::Unchecked);
    }
    updating_ = false;
}

void Ttallylist::addgame(const std::string& winner, const TallySeats& seats) {
    if (seats.mySlot < 1 || seats.mySlot > static_cast<int>(seats.captions.size())) return;
    loadchecklist(seats);
    tally_.addgame(winner, seats);
    saveTable();
    showOwnTotals();
    if (listboxTally_->currentRow() >= 0) listbox_tallyClick();
}

void Ttallylist::showOwnTotals() {
    ownFigures_[0]->setText(figure(tally_.cell(0, Tally::gamesTotal)));
    ownFigures_[1]->setText(figure(tally_.cell(0, Tally::theirWinsTotal)));
}

void Ttallylist::clearDetail() {
    heading_->setText(tr("%1's Tally").arg(tr(noNameText)));
    rowTitle_->setText(tr("%1 Wins:").arg(tr(noNameText)));
    for (QLabel* f : detailFigures_)
        f->setText(QStringLiteral("0"));
}

void Ttallylist::addTallyEntry(const std::string& name) {
    updating_ = true;
    auto* item = new QListWidgetItem(qs(name), listboxTally_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    updating_ = false;
}

void Ttallylist::setChecklistChecks(const std::string& name, bool checked) {
    updating_ = true;
    for (int i = 0; i < checklist_->count(); ++i) {
        QListWidgetItem* item = checklist_->item(i);
        if (item->text().toStdString() == name)
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    updating_ = false;
}

void Ttallylist::checklistClickCheck(QListWidgetItem* item) {
    if (updating_) return;
    // Unchecking a followed player does not stop following him.
    const std::string name = item->text().toStdString();
    if (!tally_.follow(name)) return;
    addTallyEntry(name);
    setChecklistChecks(name, true);
    saveTable();
}

void Ttallylist::listbox_tallyClickCheck(QListWidgetItem* item) {
    if (updating_ || item->checkState() == Qt::Checked) return;
    const QString name = item->text();
    ask(tr("This will delete %1's Tally, Are you want to delete it?").arg(name),
        [this, item](bool yes) {
            // Compared by address only: the entry may be gone by the time of the answer.
            int index = listboxTally_->count() - 1;
            while (index >= 0 && listboxTally_->item(index) != item)
                --index;
            if (index < 0) return;
            if (!yes) {
                updating_ = true;
                item->setCheckState(Qt::Checked);
                updating_ = false;
                return;
            }
            const std::string removed = item->text().toStdString();
            tally_.unfollow(static_cast<std::size_t>(index));
            saveTable();
            updating_ = true;
            delete listboxTally_->takeItem(index);
            updating_ = false;
            setChecklistChecks(removed, false);
            if (listboxTally_->currentRow() >= 0)
                listbox_tallyClick();
            else
                clearDetail();
        });
}

void Ttallylist::listbox_tallyClick() {
    const int index = listboxTally_->currentRow();
    if (updating_ || index < 0) return;
    const std::size_t row = static_cast<std::size_t>(index) + 1;
    const QString name = qs(tally_.cell(row, Tally::nameColumn));
    for (std::size_t i = 0; i < detailFigures_.size(); ++i)
        detailFigures_[i]->setText(figure(tally_.cell(row, Tally::gamesTotal + i)));
    rowTitle_->setText(tr("%1 Wins:").arg(name));
    heading_->setText(tr("%1's Tally").arg(name));
}

void Ttallylist::button_resetClick() {
    ask(tr("Are you sure you want to reset the Tally?"), [this](bool yes) {
        if (!yes) return;
        tally_.reset();
        saveTable();
        updating_ = true;
        listboxTally_->clear();
        for (int i = 0; i < checklist_->count(); ++i)
            checklist_->item(i)->setCheckState(Qt::Unchecked);
        updating_ = false;
        showOwnTotals();
        clearDetail();
    });
}

void Ttallylist::ask(const QString& text, std::function<void(bool yes)> answered) {
    auto* box = new QMessageBox(QMessageBox::Question, QApplication::applicationName(), text,
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setTextFormat(Qt::PlainText);  // a followed player's name
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QDialog::finished, this,
            [answered](int result) { answered(result == QMessageBox::Yes); });
    question_ = box;
    box->open();
}

}  // namespace tess
