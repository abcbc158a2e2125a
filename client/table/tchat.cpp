#include "client/table/tchat.h"

#include <charconv>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QPointer>
#include <QShowEvent>
#include <QTimer>
#include <bitset>
#include <cstdio>
#include <memory>

#include "assets/pictures/pictures.h"
#include "client/joining/connecting_box.h"
#include "client/joining/invitation.h"
#include "client/joining/join_memory.h"
#include "client/joining/offer_box.h"
#include "client/table/board_view.h"
#include "client/table/keyboard_home.h"
#include "client/table/main_menu.h"
#include "client/table/model_texts.h"
#include "client/table/table_routes.h"
#include "client/windows/gamestart_form.h"
#include "net/server.h"
#include "net/tsock.h"
#include "shell/download_form.h"
#include "shell/maker_site.h"
#include "shell/quick_instructions.h"
#include "shell/shell_pictures.h"
#include "social/chat_panel.h"
#include "social/message_box.h"
#include "social/phrase_bar.h"
#include "social/seat_menu.h"
#include "social/spylist_form.h"
#include "wire/announcements.h"
#include "wire/commands.h"
#include "wire/fields.h"
#include "wire/limits.h"

Q_LOGGING_CATEGORY(lcWindow, "tessarine.window")

namespace tess {

namespace {

QString fromWire(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The maker's logo above the chat column; a click opens the maker's web site.
constexpr QRect logoPlace(497, 12, 243, 24);

QLabel* addLogo(QWidget* board) {
    auto* logo = new ClickLabel(board);
    logo->setObjectName(QStringLiteral("image_logo"));
    logo->setAccessibleName(Tchat::tr("Maker's web site"));
    QObject::connect(logo, &ClickLabel::clicked, board, [board] { openMakerSite(board); });
    return logo;
}

}  // namespace

Tchat::Tchat(TServer* server, TchatOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      params_(parseStartParams(options_.args)),
      board_(new BoardView(model_, this)),
      chat_(new ChatPanel(board_)),
      menu_(new MainMenu(menuBar())),
      file_(options_.settingsPath.isEmpty() ? SettingsFile::defaultPath() : options_.settingsPath) {
    setWindowTitle(QApplication::applicationName());
    setCentralWidget(board_);
    board_->setMinimumSize(BoardView::boardSize + QSize(4, 4));
    logo_ = addLogo(board_);
    setPlacement(Settings::defaultLeft, Settings::defaultTop, Settings::defaultWidth,
                 Settings::defaultHeight);
    // Asked for before the settings are read: a hosted table opens before the login.
    settings_.openRouterPort = file_.openRouterPort();
    menu_->OpenPort1->setChecked(settings_.openRouterPort);

    useServer(server);
    connect(board_->button_start(), &QAbstractButton::clicked, this, &Tchat::button_startClick);
    connect(menu_->StartGame1, &QAction::triggered, this, &Tchat::button_startClick);
    connect(menu_->Exit1, &QAction::triggered, this, &QWidget::close);
    connectOptionsMenu();

    setUpPhrases();
    panel_help_ = new QuickInstructionsPanel(board_);
    setUpSeatMenu();
    connect(board_, &BoardView::rescaled, this, &Tchat::placeColumn);
    placeColumn();
    connect(chat_, &ChatPanel::lineReady, this,
            [this](const std::string& line) { link_.send(line); });
    connect(&link_, &ClientLink::loggedIn, this, [this](int slot) {
        endConnecting();
        // Only a table that let us in is offered first next time.
        if (params_.mode == StartParams::Mode::join)
            JoinMemory(settingsPath()).rememberAddress(params_.host);
        chat_->setConnection(true, slot);
        model_.setConnection(slot);
    });
    link_.setAnswerTimeout(options_.answerMs);
    turntimer_.setInterval(1000);
    connect(&turntimer_, &QTimer::timeout, this, [this] { model_.turntimerTimer(); });
    routeClient(link_, model_, *this);
    keyboard_ = new KeyboardHome(this, board_, chat_->input());
    connect(&link_, &ClientLink::closed, this, [this] {
        // After "Game is full" the window closes once its box is dismissed.
        if (!awaitingFullBox_) linkEnded();
    });
    setUpTableMenu();
}

Tchat::~Tchat() = default;

// The host tells its own user of refused moves: those of the user's seat and the bots'.
void Tchat::useServer(TServer* server) {
    if (server == server_) return;
    if (server_) disconnect(server_, &TServer::refusalNotice, this, nullptr);
    server_ = server;
    if (server_)
        connect(server_, &TServer::refusalNotice, this, [this](const QString& text) {
            showMessage(this, shownModelText(text.toStdString()));
        });
}

void Tchat::setUpPhrases() {
    PhraseBar::Context context;
    context.mySlot = [this] { return link_.mySlot(); };
    context.connected = [this] { return link_.connected(); };
    context.colourText = [this] {
        return QString::fromStdString(colourToText(chat_->chatColour()));
    };
    context.seatName = [this](int slot) { return board_->label_playername(slot)->text(); };
    phrases_ = new PhraseBar(sounds_, context, board_);
    phrases_->setButtonPixmaps([this](int n, bool pressed) {
        const qreal ratio = devicePixelRatioF() * board_->scale();
        return n <= PhraseBar::phraseCount ? pictures::phraseButton(n, pressed, ratio)
                                           : pictures::musicSymbol(pressed, ratio);
    });
    connect(phrases_, &PhraseBar::sendLine, this,
            [this](const QString& line) { link_.send(line.toStdString()); });
    connect(phrases_, &PhraseBar::notice, this,
            [this](const QString& line) { chat_->addlinetochat(line.toStdString(), clBlue); });
}

void Tchat::setUpSeatMenu() {
    seatMenu_ = new SeatMenu(
        LinkState{[this] { return link_.connected(); }, [this] { return link_.mySlot(); }}, this);
    connect(seatMenu_, &SeatMenu::sendLine, this,
            [this](const std::string& line) { link_.send(line); });
    // A label's seat changes when the seats turn to the user's place.
    for (int position = 1; position <= wire::seatCount; ++position)
        seatMenu_->attach(
            board_->nameAtPosition(position), [this, position] { return model_.seatAt(position); },
            [this] { return hosting_; });
}

QStringList Tchat::spies() const {
    return windows_.spylist ? windows_.spylist->entries() : QStringList();
}

void Tchat::sendlogininfo(std::string_view rest) { link_.sendloginfo(rest); }

void Tchat::chatrecieved(std::string_view rest) {
    // The sender's name as this window shows it: a seat's label or a spectator's entry.
    int slot = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), slot);
    std::string name;
    if (error == std::errc() && slot >= 1 && slot <= wire::seatCount)
        name = model_.seat(slot).name;
    else if (error == std::errc() && windows_.spylist)
        for (const QString& entry : spies())
            if (entry.startsWith(QString::number(slot) + QStringLiteral(": ")))
                name = entry.mid(entry.indexOf(QLatin1Char(' ')) + 1).toStdString();
    const bool solo = params_.mode == StartParams::Mode::solo && name == "You";
    chat_->chatrecieved(shownChatLine(rest, name, solo ? tr("You").toStdString() : name, solo));
}

void Tchat::playasound(std::string_view rest) { phrases_->playasound(rest); }

void Tchat::newplayerinfo(std::string_view rest) {
    lastListing_.clear();
    const wire::NewPlayerInfo player = wire::NewPlayerInfo::decode(rest);
    newplayers({{player.slot, player.name, false}}, false);
}

// The host sends a newcomer the list of the others twice; the repeat shows the same
// table without announcing everybody a second time.
void Tchat::existingplayers(std::string_view rest) {
    const bool repeat = rest == lastListing_;
    lastListing_ = std::string(rest);
    newplayers(wire::ExistingPlayers::decode(rest).players, repeat);
}

void Tchat::havewrongversion(std::string_view rest) {
    notice(tr("%1 has a different version of the game then you.")
               .arg(fromWire(wire::HaveWrongVersion::decode(rest).name)));
}

void Tchat::wrongversion(std::string_view) {
    notice(tr("You have a differnt version of the game then the host."));
}

// The logo, the phrase buttons and the chat at their places times the board's scale;
// the chat also takes whatever room the board leaves to the right and below.
void Tchat::placeColumn() {
    const QRect logo = board_->scaled(logoPlace);
    if (logo.size() != logo_->size()) logo_->setPixmap(makerLogo(logo.size()));
    logo_->setGeometry(logo);
    phrases_->setScale(board_->scale());
    phrases_->move(board_->scaled(PhraseBar::origin));
    const QRect design(ChatPanel::origin,
                       BoardView::clientSize - QSize(ChatPanel::origin.x(), ChatPanel::origin.y()));
    const QRect column = board_->scaled(design);
    chat_->setScale(board_->scale());
    chat_->setGeometry(QRect(column.topLeft(), column.size() + board_->spare()));
    panel_help_->setScale(board_->scale());
    panel_help_->move(board_->scaled(QuickInstructionsPanel::boardPosition));
}

void Tchat::notice(const QString& text) { chat_->addlinetochat("0+" + text.toStdString(), clBlue); }

void Tchat::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    keyboard_->toChat();  // typing goes to the chat from the start
    if (options_.sinceStart) {
        std::fprintf(stderr, "tessarine: window shown after %lld ms\n",
                     static_cast<long long>(options_.sinceStart->elapsed()));
        std::fflush(stderr);
    }
    processparams();
}

void Tchat::processparams() {
    model_.setHosting(false);
    menu_->StartGame1->setEnabled(false);
    if (params_.mode == StartParams::Mode::solo) {
        board_->setSoloName(tr("You"));
        notice(tr("Loading Solo Game..Please wait."));
        if (windows_.download) {
            windows_.download->show();
            windows_.download->raise();
        }
        hostpress();
        return;
    }
    if (params_.mode == StartParams::Mode::invited) {
        invited(params_.host);
        return;
    }
    notice(tr("Loading Multi-player Game.. Please Wait."));
    if (params_.mode == StartParams::Mode::incomplete) return;
    // A start that failed goes no further: no lobby link either.
    if (params_.mode == StartParams::Mode::join)
        joinpress();
    else if (hostpress()) {
        link_.openLobbyLink(options_.lobbyPort);
        emit hostingForOthers(server_->port());
    }
}

bool Tchat::hostpress() {
    if (!server_) return false;
    try {
        server_->startListening(options_.port);
    } catch (const ESockException& e) {
        portTaken(QString::fromUtf8(e.what()));
        return false;
    }
    server_->setBotSpeed(settings_.botSpeedMs);
    server_->setBotLevel(settings_.strongBot ? BotLevel::strong : BotLevel::classic);
    // Slot 1 is for this window's connection, whoever else comes first.
    server_->setOwnClient([link = QPointer<ClientLink>(&link_)]() -> std::optional<SocketEnds> {
        return link ? link->ends() : std::nullopt;
    });
    hosting_ = true;
    // The port really bound (a test's host may ask for any free one).
    link_.connectTo(QStringLiteral("127.0.0.1"), server_->port(), params_.name.toStdString());
    model_.setHosting(true);
    menu_->StartGame1->setEnabled(true);
    // A table for others is not hosted again from here, but can be handed on.
    const bool forOthers = params_.mode == StartParams::Mode::host;
    menu_->HostTable1->setEnabled(!forOthers);
    menu_->CopyInvitation1->setEnabled(forOthers);
    if (windows_.spylist) windows_.spylist->setHosting(true);
    return true;
}

void Tchat::joinpress() {
    model_.setHosting(false);
    menu_->StartGame1->setEnabled(false);
    // The program's own default: a lobby may pass no address for this computer.
    if (params_.host.trimmed().isEmpty()) params_.host = QStringLiteral("127.0.0.1");
    // The command line's address is checked as the join window checks it: the table
    // joined is the one the address shows.
    const AddressCheck check = checkTableAddress(params_.host);
    if (!check.address) {
        joinFailed(check.problemText(params_.host));
        return;
    }
    params_.host = *check.address;
    const quint16 port = check.port != 0 ? check.port : options_.port;
    connecting_ = new ConnectingBox(params_.host, port, this);
    connect(connecting_, &ConnectingBox::cancelled, this, [this] { link_.cancel(); });
    connecting_->show();
    // Finding the name and the table's answer share one budget.
    QElapsedTimer since;
    since.start();
    const auto connectToHost = [this, since, port] {
        if (link_.ending() != ClientLink::Ending::open) return;  // given up meanwhile
        link_.setAnswerTimeout(int(std::max<qint64>(1, options_.answerMs - since.elapsed())));
        link_.connectTo(params_.host, port, params_.name.toStdString());
        link_.openLobbyLink(options_.lobbyPort);
    };
    // An address is used as it stands; a name must be found first, or the connection
    // would wait for ever without a word.
    if (QHostAddress address; address.setAddress(params_.host)) {
        connectToHost();
        return;
    }
    auto lookup = std::make_shared<int>(-1);
    auto* giveUp = new QTimer(this);
    giveUp->setSingleShot(true);
    connect(giveUp, &QTimer::timeout, this, [this, lookup, giveUp] {
        QHostInfo::abortHostLookup(*lookup);
        giveUp->deleteLater();
        joinFailed(joinFailureText(ClientLink::Ending::noAnswer));
    });
    giveUp->start(options_.answerMs);
    *lookup = QHostInfo::lookupHost(
        params_.host, this, [this, connectToHost, giveUp](const QHostInfo& info) {
            giveUp->stop();
            giveUp->deleteLater();
            if (info.error() == QHostInfo::NoError && !info.addresses().isEmpty()) {
                connectToHost();
                return;
            }
            if (link_.ending() != ClientLink::Ending::open) return;
            qCInfo(lcWindow) << "No host" << info.hostName() << "-" << info.errorString();
            endConnecting();
            joinFailed(joinFailureText(ClientLink::Ending::notFound));
        });
}

void Tchat::button_startClick() {
    if (!link_.connected()) {
        showMessage(this, tr("You are not connected"));
        return;
    }
    if (!windows_.gamestart) return;
    const auto options = [gamestart = QPointer<Tgamestart>(windows_.gamestart)] {
        if (gamestart) gamestart->showCentred();
    };
    if (!server_ || !server_->engine().table().inProgress) {
        options();
        return;
    }
    if (othersAtTable().isEmpty())
        offer(this, tr("A game is in progress. A new game ends it."), tr("Start a New Game"),
              options);
    else
        askBeforeEnding(tr("A game is in progress. A new game ends it for everybody at the "
                           "table: %1."),
                        tr("Start a New Game"), options);
}

// A slot counts once per listing, and a spectator's slot once until it is left: a host
// that repeats them cannot grow the spy list or fill the chat.
void Tchat::newplayers(const std::vector<wire::ExistingPlayers::Player>& players, bool quiet) {
    std::bitset<wire::slotCount + 1> listed;
    for (const wire::ExistingPlayers::Player& player : players) {
        if (player.slot < 1 || player.slot > wire::slotCount || listed[player.slot]) continue;
        listed[player.slot] = true;
        if (player.slot > wire::seatCount && windows_.spylist &&
            windows_.spylist->hasSlot(player.slot))
            continue;
        const QString name = fromWire(player.name);
        const bool mine = player.slot == link_.mySlot();
        if (mine) {
            notice(tr("You are Connected."));
            model_.sortstuff(player.slot);
            loadinifile();
            if (!loggedInTold_ && options_.sinceStart) {
                loggedInTold_ = true;
                std::fprintf(stderr, "tessarine: logged in after %lld ms\n",
                             static_cast<long long>(options_.sinceStart->elapsed()));
                std::fflush(stderr);
            }
        } else if (!quiet) {
            notice(tr("%1 is Connected.").arg(name));
        }
        if (player.slot <= wire::seatCount) {
            model_.seatJoined(player.slot, player.name, player.watching);
            board_->showSeat(player.slot);
        } else {
            if (windows_.spylist) windows_.spylist->addSpy(player.slot, name);
            if (mine || !quiet)
                notice(mine ? tr("You are spying.") : tr("%1 is spying.").arg(name));
        }
    }
    if (!quiet) sounds_.playsounds(QStringLiteral("entered"));
}

void Tchat::playerdisconnected(std::string_view rest) {
    const wire::PlayerDisconnected gone = wire::PlayerDisconnected::decode(rest);
    const int slot = gone.slot;
    const QString name = fromWire(gone.name);
    if (slot >= 1 && slot <= wire::seatCount) {
        model_.seatLeft(slot);  // tells the table, unless the seat showed nobody or a bot
    } else if (slot > wire::seatCount && slot <= wire::slotCount) {
        if (windows_.spylist && windows_.spylist->removeSpy(slot, name))
            notice(tr("%1 has left.").arg(name));
    }
}

// The model's notices come as "0+" and its English text.
void Tchat::notice(const std::string& line) {
    if (line.starts_with("0+"))
        notice(shownModelText(std::string_view(line).substr(2)));
    else
        chat_->addlinetochat(line, clBlue);
}

void Tchat::playSound(const std::string& name) { sounds_.playsounds(QString::fromStdString(name)); }

void Tchat::send(const std::string& line) { link_.send(line); }

void Tchat::messageBox(const std::string& text) { showMessage(this, shownModelText(text)); }

void Tchat::moveRefused(const std::string& reason) { board_->showRefusal(shownModelText(reason)); }

void Tchat::turnTimer(bool run) {
    if (run)
        turntimer_.start();
    else
        turntimer_.stop();
}

void Tchat::changed(unsigned areas) {
    board_->refresh(areas);
    if (areas & areaMenu) emit justWatchChanged(model_.justWatchChecked());
}

void Tchat::full(std::string_view) {
    awaitingFullBox_ = true;
    showMessage(this, tr("Game is full"), [this] { leave(); });
}

}  // namespace tess
