#include "client/joining/join_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "client/joining/invitation.h"
#include "shell/window_place.h"

namespace tess {

QLineEdit* playerNameField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(cleanPlayerName(name), parent);
    field->setObjectName(QStringLiteral("edit_name"));
    field->setAccessibleName(Tjoin::tr("Your name"));
    QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& typed) {
        const QString clean = cleanPlayerName(typed);
        if (clean == typed) return;
        const int cursor = field->cursorPosition();
        field->setText(clean);
        field->setCursorPosition(std::min<int>(cursor, clean.size()));
    });
    return field;
}

QLabel* problemLabel(QWidget* parent) {
    auto* problem = new QLabel(parent);
    problem->setObjectName(QStringLiteral("label_problem"));
    problem->setStyleSheet(QStringLiteral("color: #b00000;"));
    problem->setAccessibleName(Tjoin::tr("Problem"));
    problem->hide();
    return problem;
}

QHBoxLayout* actionRow(QDialog* dialog, QPushButton* action) {
    action->setDefault(true);
    auto* close = new QPushButton(Tjoin::tr("Close"), dialog);
    close->setObjectName(QStringLiteral("button_close"));
    close->setAccessibleName(Tjoin::tr("Close"));
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(action);
    buttons->addWidget(close);
    return buttons;
}

Tjoin::Tjoin(QString settingsPath, QWidget* parent)
    : QDialog(parent), memory_(std::move(settingsPath)) {
    setObjectName(QStringLiteral("join"));
    setWindowTitle(tr("Join a Table"));
    setAccessibleName(windowTitle());

    name_ = playerNameField(this, memory_.playerName());
    address_ = new QComboBox(this);
    address_->setObjectName(QStringLiteral("combo_address"));
    address_->setEditable(true);
    address_->setInsertPolicy(QComboBox::NoInsert);
    address_->addItems(memory_.recentAddresses());
    address_->setCurrentIndex(address_->count() > 0 ? 0 : -1);
    address_->setAccessibleName(tr("Address of the table"));
    address_->setAccessibleDescription(
        tr("A host name, an IPv4 address or an IPv6 address; "
           "the list holds the last five tables joined."));
    address_->lineEdit()->setPlaceholderText(tr("host name or address"));
    address_->setMinimumContentsLength(28);
    // However long what is pasted, the window keeps its width; the whole is in the tip.
    address_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(address_, &QComboBox::editTextChanged, address_, [this](const QString& text) {
        address_->setToolTip(text.size() > 28 ? text : QString());
    });
    address_->lineEdit()->installEventFilter(this);

    auto* form = new QFormLayout;
    form->addRow(tr("Your &name:"), name_);
    form->addRow(tr("&Address:"), address_);

    problem_ = problemLabel(this);
    problem_->setWordWrap(true);

    join_ = new QPushButton(tr("&Join"), this);
    join_->setObjectName(QStringLiteral("button_join"));
    join_->setAccessibleName(tr("Join the table"));
    connect(join_, &QPushButton::clicked, this, &Tjoin::joinClick);
    QHBoxLayout* buttons = actionRow(this, join_);
    auto* online = new QPushButton(tr("Find Players &Online…"), this);
    online->setObjectName(QStringLiteral("button_online"));
    online->setAccessibleName(tr("Find players online"));
    online->setAutoDefault(false);
    connect(online, &QPushButton::clicked, this, [this] {
        hide();
        emit onlineRequested();
    });
    buttons->insertWidget(0, online);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    buildTableList();
    auto* listLabel = new QLabel(tr("&Tables on this network:"), this);
    listLabel->setBuddy(tables_);
    layout->addWidget(listLabel);
    layout->addWidget(tables_);
    layout->addWidget(tableNote_);
    layout->addWidget(problem_);
    layout->addLayout(buttons);
    setTabOrder(name_, address_);
    setTabOrder(address_, tables_);
    setTabOrder(tables_, join_);
    setTabOrder(join_, findChild<QPushButton*>(QStringLiteral("button_close")));
    resize(560, 380);
}

void Tjoin::buildTableList() {
    tables_ = new QTreeWidget(this);
    tables_->setObjectName(QStringLiteral("list_tables"));
    tables_->setAccessibleName(tr("Tables on this network"));
    tables_->setRootIsDecorated(false);
    tables_->setUniformRowHeights(true);
    tables_->setHeaderLabels(
        {tr("Host"), tr("Players"), tr("Spectators"), tr("State"), tr("Address")});
    // Names and addresses are strangers' text: bounded columns, the whole in a tip.
    tables_->header()->setSectionResizeMode(QHeaderView::Interactive);
    tables_->header()->setStretchLastSection(true);
    tables_->setTextElideMode(Qt::ElideRight);
    const QFontMetrics metrics(tables_->font());
    const int widths[] = {16, 8, 9, 8};  // in average characters: Host, Players, ...
    for (int column = 0; column < 4; ++column)
        tables_->setColumnWidth(column, metrics.averageCharWidth() * widths[column] + 16);
    // Choosing a table fills in its address; Enter or a double click joins it.
    connect(tables_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) setAddress(item->data(4, Qt::UserRole).toString());
    });
    connect(tables_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        setAddress(item->data(4, Qt::UserRole).toString());
        joinClick();
    });
    tableNote_ = new QLabel(this);
    tableNote_->setObjectName(QStringLiteral("label_tables"));
    tableNote_->setWordWrap(true);
    tableNote_->setAccessibleName(tr("About the tables on this network"));
}

void Tjoin::setAddress(const QString& address) {
    address_->setCurrentIndex(-1);
    address_->setEditText(address);
    problem_->hide();
}

QString Tjoin::address() const { return address_->currentText(); }

QString Tjoin::playerName() const { return cleanPlayerName(name_->text()).trimmed(); }

void Tjoin::setOwnTable(std::function<QString()> announcedName) {
    ownTable_ = std::move(announcedName);
}

void Tjoin::showTables(const QList<FoundTable>& tables) {
    const QString chosen = tables_->currentItem()
                               ? tables_->currentItem()->data(4, Qt::UserRole).toString()
                               : QString();
    tables_->setEnabled(true);
    tables_->clear();
    ownAddress_.clear();
    // The announcement's name is unique on the network; a host's name is not.
    const QString own = ownTable_ ? ownTable_() : QString();
    const auto isOwn = [&own](const FoundTable& t) { return !own.isEmpty() && t.service == own; };
    // The user's own table first, then tables at addresses joined before, ahead of any
    // flood of strangers.
    QList<FoundTable> ordered = tables;
    const QStringList joinedBefore = memory_.recentAddresses();
    std::stable_partition(ordered.begin(), ordered.end(), [&](const FoundTable& t) {
        return joinedBefore.contains(tableAddress(t.address).value_or(t.address));
    });
    std::stable_partition(ordered.begin(), ordered.end(), isOwn);
    for (const FoundTable& table : ordered) {
        // A table at another port than the table's own is joined there, and says so.
        const QString address =
            addressWithPort(tableAddress(table.address).value_or(table.address), table.port);
        const bool mine = isOwn(table);
        const QString host = mine ? tr("%1 (your table)").arg(table.hostName) : table.hostName;
        auto* item = new QTreeWidgetItem(
            tables_, {host, tr("%1 of %2").arg(table.seated).arg(table.tableSize),
                      QString::number(table.spectators),
                      table.playing ? tr("playing") : tr("waiting"), address});
        item->setData(4, Qt::UserRole, address);
        item->setToolTip(0, host);
        item->setToolTip(4, address);
        if (mine) {
            ownAddress_ = address;
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column = 0; column < tables_->columnCount(); ++column)
                item->setFont(column, bold);
        }
        if (address == chosen) {
            const QSignalBlocker quiet(tables_);
            tables_->setCurrentItem(item);
        }
    }
    QString note = tables.isEmpty() ? tr("No tables found on this network yet.") : QString();
    if (browser_ && browser_->crowded())
        note =
            tr("So many tables are announced on this network that some may be missing "
               "from the list. You can still join a table by its address.");
    tableNote_->setText(note);
    tableNote_->setVisible(!note.isEmpty());
}

void Tjoin::showUnavailable(const QString& reason) {
    tables_->clear();
    ownAddress_.clear();
    tables_->setEnabled(false);
    tableNote_->setText(tr("%1 You can still join a table by its address.").arg(reason));
    tableNote_->show();
}

void Tjoin::refreshTables() {
    if (!browser_) return;
    if (browser_->available())
        showTables(browser_->tables());
    else
        showUnavailable(browser_->unavailableReason());
}

void Tjoin::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        centreWindow(this, parentWidget());
    }
    if (!browser_) {
        browser_ = new TableBrowser(this);
        connect(browser_, &TableBrowser::changed, this, &Tjoin::refreshTables);
        refreshTables();
    }
    QDialog::showEvent(event);
    // The address is what is missing most often; a name comes from the last time.
    if (name_->text().isEmpty())
        name_->setFocus();
    else
        address_->setFocus();
}

// Browsing the network only while somebody looks.
void Tjoin::hideEvent(QHideEvent* event) {
    delete browser_;
    browser_ = nullptr;
    QDialog::hideEvent(event);
}

bool Tjoin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == address_->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            joinClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tjoin::say(const QString& text) {
    problem_->setText(text);
    problem_->show();
}

void Tjoin::joinClick() {
    const QString name = playerName();
    if (name.isEmpty()) {
        say(tr("Type the name the others will see."));
        name_->setFocus();
        return;
    }
    const QString typed = address_->currentText().trimmed();
    std::optional<QString> address;
    if (looksLikeInvitation(typed)) {
        const Invitation invitation = readInvitation(typed);
        if (!invitation.ok()) {
            say(invitation.refusalText());
            address_->setFocus();
            return;
        }
        address = invitation.address;
    } else {
        const AddressCheck check = checkTableAddress(typed);
        if (!check.address) {
            say(check.problemText(typed));
            address_->setFocus();
            return;
        }
        address = addressWithPort(*check.address, check.port);
    }
    problem_->hide();
    hide();
    // Joining the table the user hosts would end it for everybody: the user is there.
    if (!ownAddress_.isEmpty() && *address == ownAddress_) {
        emit ownTableChosen();
        return;
    }
    memory_.rememberName(name);
    emit joinRequested(name, *address);
}

}  // namespace tess
