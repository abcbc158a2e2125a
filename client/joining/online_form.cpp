#include "client/joining/online_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "client/joining/join_form.h"
#include "online/online_lobby.h"
#include "online/password_store.h"
#include "shell/window_place.h"

namespace tess {

namespace {

constexpr int chatLinesKept = 500;
constexpr int chatInputChars = 400;

QLineEdit* field(QWidget* parent, const char* name, const QString& text,
                 const QString& accessible) {
    auto* f = new QLineEdit(text, parent);
    f->setObjectName(QLatin1String(name));
    f->setAccessibleName(accessible);
    f->setMaxLength(300);
    return f;
}

QString tableState(const ListedTable& t) {
    return t.playing ? Tonline::tr("playing") : Tonline::tr("waiting");
}

}  // namespace

Tonline::Tonline(QString settingsPath, OnlineLobby& lobby, QWidget* parent)
    : QWidget(parent, Qt::Window),
      settingsPath_(std::move(settingsPath)),
      memory_(settingsPath_),
      lobby_(lobby),
      passwords_(new PasswordStore(this)) {
    setObjectName(QStringLiteral("online"));
    setWindowTitle(tr("Find Players Online"));
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPlace());
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("label_status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setAccessibleName(tr("Connection"));
    layout->addWidget(status_);
    layout->addWidget(buildRoom(), 1);
    auto* shared = new QLabel(
        tr("The room sees your name and, when you list a table, its players and state; "
           "never your address. A host gives its address only to a player who asks to join."),
        this);
    shared->setWordWrap(true);
    layout->addWidget(shared);

    connect(&lobby_, &OnlineLobby::stateChanged, this, &Tonline::stateChanged);
    connect(&lobby_, &OnlineLobby::notice, this, &Tonline::setStatus);
    connect(&lobby_, &OnlineLobby::viewChanged, this, &Tonline::showView);
    connect(&lobby_, &OnlineLobby::chatLines, this, &Tonline::addChat);
    connect(&lobby_, &OnlineLobby::joinAnswered, this,
            [this](const QString& occupant, const QString& address) {
                if (occupant != asked_) return;
                asked_.clear();
                join_->setEnabled(true);
                emit joinRequested(cleanPlayerName(name_->text()), address);
            });
    connect(&lobby_, &OnlineLobby::joinFailed, this,
            [this](const QString& occupant, const QString& reason) {
                if (occupant != asked_) return;
                asked_.clear();
                join_->setEnabled(true);
                setStatus(reason);
            });
    connect(passwords_, &PasswordStore::found, this, &Tonline::passwordFound);
    connect(passwords_, &PasswordStore::stored, this, [this](const QString&, const QString& error) {
        if (!error.isEmpty())
            setStatus(tr("The password could not be kept in the desktop's secret "
                         "store: %1")
                          .arg(error));
    });
    stateChanged();
    resize(820, 600);
}

QWidget* Tonline::buildPlace() {
    const OnlinePlace place = OnlinePlace::load(settingsPath_);
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    name_ = playerNameField(box, memory_.playerName());
    server_ = field(box, "edit_server", place.server, tr("Server"));
    server_->setToolTip(tr("The XMPP server to log in to without an account."));
    room_ = field(box, "edit_room", place.room, tr("Room"));
    room_->setToolTip(tr("The chat room where tables are listed: name@conference.server"));
    account_ = field(box, "edit_account", place.account, tr("Your account"));
    account_->setPlaceholderText(tr("empty: log in without an account"));
    password_ = field(box, "edit_password", {}, tr("Password"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setToolTip(tr("Kept in the desktop's secret store, never in a file."));
    connect_ = new QPushButton(tr("Connect"), box);
    connect_->setObjectName(QStringLiteral("button_connect"));
    connect_->setDefault(true);
    connect(connect_, &QPushButton::clicked, this, &Tonline::connectClick);
    auto* row = new QHBoxLayout;
    row->addWidget(account_, 1);
    row->addWidget(new QLabel(tr("Password:"), box));
    row->addWidget(password_, 1);
    form->addRow(tr("Your &name:"), name_);
    form->addRow(tr("&Server:"), server_);
    form->addRow(tr("&Room:"), room_);
    auto* accountLabel = new QLabel(tr("&Account:"), box);
    accountLabel->setBuddy(account_);
    form->addRow(accountLabel, row);
    form->addRow(QString(), connect_);
    if (!place.account.isEmpty()) passwords_->lookup(place.account);
    return box;
}

QWidget* Tonline::buildRoom() {
    auto* split = new QSplitter(Qt::Vertical, this);
    auto* top = new QSplitter(Qt::Horizontal, split);

    auto* tablesBox = new QWidget(top);
    auto* tablesLayout = new QVBoxLayout(tablesBox);
    tablesLayout->setContentsMargins(0, 0, 0, 0);
    tables_ = new QTreeWidget(tablesBox);
    tables_->setObjectName(QStringLiteral("list_tables"));
    tables_->setAccessibleName(tr("Tables in the room"));
    tables_->setRootIsDecorated(false);
    tables_->setUniformRowHeights(true);
    tables_->setHeaderLabels(
        {tr("Host"), tr("Players"), tr("Watching"), tr("State"), tr("Version")});
    tables_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(tables_, &QTreeWidget::itemDoubleClicked, this, &Tonline::joinClick);
    join_ = new QPushButton(tr("&Join"), tablesBox);
    join_->setObjectName(QStringLiteral("button_join"));
    connect(join_, &QPushButton::clicked, this, &Tonline::joinClick);
    tablesLayout->addWidget(tables_, 1);
    tablesLayout->addWidget(join_, 0, Qt::AlignRight);

    auto* peopleBox = new QWidget(top);
    auto* peopleLayout = new QVBoxLayout(peopleBox);
    peopleLayout->setContentsMargins(0, 0, 0, 0);
    peopleCount_ = new QLabel(tr("People"), peopleBox);
    people_ = new QListWidget(peopleBox);
    people_->setObjectName(QStringLiteral("list_people"));
    people_->setAccessibleName(tr("People in the room"));
    people_->setUniformItemSizes(true);
    peopleLayout->addWidget(peopleCount_);
    peopleLayout->addWidget(people_, 1);
    top->setStretchFactor(0, 3);
    top->setStretchFactor(1, 1);

    auto* chatBox = new QWidget(split);
    auto* chatLayout = new QVBoxLayout(chatBox);
    chatLayout->setContentsMargins(0, 0, 0, 0);
    chat_ = new QPlainTextEdit(chatBox);
    chat_->setObjectName(QStringLiteral("view_roomchat"));
    chat_->setAccessibleName(tr("Room chat"));
    chat_->setReadOnly(true);
    chat_->setMaximumBlockCount(chatLinesKept);
    say_ = new QLineEdit(chatBox);
    say_->setObjectName(QStringLiteral("edit_say"));
    say_->setAccessibleName(tr("Say in the room"));
    say_->setMaxLength(chatInputChars);
    connect(say_, &QLineEdit::returnPressed, this, &Tonline::sayClick);
    chatLayout->addWidget(chat_, 1);
    chatLayout->addWidget(say_);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    return split;
}

void Tonline::showEvent(QShowEvent* event) {
    if (!placed_) {
        centreWindow(this, parentWidget());
        placed_ = true;
    }
    QWidget::showEvent(event);
}

void Tonline::connectClick() {
    if (lobby_.state() != OnlineLobby::State::offline) {
        lobby_.stop();
        return;
    }
    const QString name = cleanPlayerName(name_->text());
    if (name.isEmpty()) {
        setStatus(tr("Please type your name first."));
        name_->setFocus();
        return;
    }
    memory_.rememberName(name);
    OnlinePlace place;
    place.server = server_->text().trimmed();
    place.room = room_->text().trimmed();
    place.account = account_->text().trimmed();
    place.address = OnlinePlace::load(settingsPath_).address;
    if (!place.room.contains(QLatin1Char('@')) ||
        (place.account.isEmpty() && place.server.isEmpty())) {
        setStatus(tr("The room is written name@server, and a server or an account is needed."));
        return;
    }
    place.save(settingsPath_);
    LobbyAccount account = place.accountFor(name);
    account.password = password_->text();
    if (!place.account.isEmpty()) passwords_->store(place.account, password_->text());
    chat_->clear();
    trying_ = true;
    lobby_.start(account);
}

void Tonline::joinClick() {
    QTreeWidgetItem* item = tables_->currentItem();
    if (item == nullptr) {
        setStatus(tr("Choose a table in the list first."));
        return;
    }
    asked_ = item->data(0, Qt::UserRole).toString();
    join_->setEnabled(false);
    setStatus(tr("Asking %1 for the table's address…").arg(item->text(0)));
    lobby_.askToJoin(asked_);
}

void Tonline::sayClick() {
    lobby_.say(say_->text());
    say_->clear();
}

void Tonline::stateChanged() {
    const OnlineLobby::State state = lobby_.state();
    connect_->setText(state == OnlineLobby::State::offline ? tr("Connect") : tr("Leave"));
    const bool in = state == OnlineLobby::State::inRoom;
    say_->setEnabled(in);
    join_->setEnabled(in && asked_.isEmpty());
    for (QLineEdit* f : {name_, server_, room_, account_, password_})
        f->setEnabled(state == OnlineLobby::State::offline);
    if (state == OnlineLobby::State::offline) asked_.clear();
    if (state == OnlineLobby::State::inRoom) trying_ = false;
    // A server or room that would not have us: the settings to choose another are here.
    if (state == OnlineLobby::State::offline && trying_) {
        trying_ = false;
        QMetaObject::invokeMethod(
            this,
            [this] {
                setStatus(status_->text() + QLatin1Char(' ') +
                          tr("You can choose another server or room above and connect again."));
                server_->setFocus();
                server_->selectAll();
            },
            Qt::QueuedConnection);
    }
}

void Tonline::showView() {
    const RoomView& view = lobby_.view();
    const QString current =
        tables_->currentItem() ? tables_->currentItem()->data(0, Qt::UserRole).toString() : "";
    tables_->setUpdatesEnabled(false);
    tables_->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(view.tables.size());
    QTreeWidgetItem* keep = nullptr;
    for (const RoomTable& t : view.tables) {
        auto* row = new QTreeWidgetItem(
            {t.table.hostName, tr("%1 of %2").arg(t.table.seated).arg(t.table.tableSize),
             QString::number(t.table.spectators), tableState(t.table), t.table.protocol});
        row->setData(0, Qt::UserRole, t.occupant);
        if (t.occupant == current) keep = row;
        rows << row;
    }
    tables_->addTopLevelItems(rows);
    // Join takes the chosen table, or the first while none is chosen.
    if (keep == nullptr && !rows.isEmpty()) keep = rows.first();
    if (keep) tables_->setCurrentItem(keep);
    tables_->setUpdatesEnabled(true);

    people_->setUpdatesEnabled(false);
    people_->clear();
    people_->addItems(view.people);
    people_->setUpdatesEnabled(true);
    peopleCount_->setText(view.peopleCut
                              ? tr("People (%1 shown; the room has more)").arg(view.people.size())
                              : tr("People (%1)").arg(view.people.size()));
    if (view.tablesCut) setStatus(tr("The room lists more tables than are shown here."));
}

void Tonline::addChat(const QStringList& lines) {
    for (const QString& line : lines)
        chat_->appendPlainText(line);
}

void Tonline::setStatus(const QString& text) { status_->setText(text); }

void Tonline::passwordFound(const QString& account, const QString& password, const QString& error) {
    if (account != account_->text().trimmed()) return;
    if (!password.isEmpty() && password_->text().isEmpty()) password_->setText(password);
    if (!error.isEmpty())
        setStatus(tr("The desktop's secret store could not be asked: %1").arg(error));
}

}  // namespace tess
