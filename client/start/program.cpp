#include "client/start/program.h"

#include <QDir>
#include <QFileInfo>

#include "client/joining/online_account.h"
#include "client/joining/online_form.h"
#include "client/joining/online_listing.h"
#include "client/table/main_menu.h"
#include "client/windows/gamestart_form.h"
#include "client/windows/tallylist_form.h"
#include "online/online_lobby.h"
#include "reach/table_announcer.h"
#include "reach/table_reach.h"
#include "records/tally_file.h"
#include "shell/about_form.h"
#include "shell/download_form.h"
#include "shell/help_form.h"
#include "social/message_box.h"
#include "social/phrases_form.h"
#include "social/spylist_form.h"

namespace tess {

Program::Program(TchatOptions options)
    : random_(SeededRandom::clockSeed()), listOnline_(options.listOnline) {
    // The tally keeps to the settings' folder when a caller chose one.
    QString tallyPath;
    if (!options.settingsPath.isEmpty())
        tallyPath = QFileInfo(options.settingsPath)
                        .dir()
                        .filePath(QString::fromLatin1(tallyfile::fileName.data(),
                                                      tallyfile::fileName.size()));
    // The windows, in this order, then the host; help, about and the phrase editor wait
    // until asked for.
    chat_ = std::make_unique<Tchat>(nullptr, std::move(options));
    download_ = new Tdownload(chat_.get());
    gamestart_ = new Tgamestart(chat_.get());
    server_ = std::make_unique<TServer>(clock_, random_);
    spylist_ = new Tspylist(LinkState{[chat = chat_.get()] { return chat->link().connected(); },
                                      [chat = chat_.get()] { return chat->link().mySlot(); }},
                            chat_.get());
    // Saves itself when the main window, its parent, goes.
    tally_ = new Ttallylist(
        tallyPath, [chat = chat_.get()](const QString& text) { showMessage(chat, text); },
        chat_.get());

    Tchat::Windows windows;
    windows.about = [this] { return &about(); };
    windows.download = download_;
    windows.gamestart = gamestart_;
    windows.help = [this] { return &help(); };
    windows.phrases = [this] { return &phrases(); };
    windows.server = server_.get();
    windows.spylist = spylist_;
    windows.tally = tally_;
    windows.ownTable = [this] {
        const TableAnnouncer* announcer = reach_ ? reach_->announcer() : nullptr;
        return announcer && announcer->established() ? announcer->serviceName() : QString();
    };
    chat_->attachWindows(windows);

    QObject::connect(chat_.get(), &Tchat::hostingForOthers, chat_.get(),
                     [this](quint16 port) { openReach(port); });
    // The option takes effect at once on an open table.
    QObject::connect(chat_.get(), &Tchat::openRouterPortChanged, chat_.get(), [this] {
        if (!reach_) return;
        reach_.reset();  // the router hears of it on its own thread
        chat_->setInternetAddress({});
        openReach(reachPort_);
    });
    QObject::connect(chat_.get(), &Tchat::onlineWindowRequested, chat_.get(),
                     [this] { openOnlineWindow(); });
    QObject::connect(chat_.get(), &Tchat::listOnlineChanged, chat_.get(),
                     [this](bool on) { listOnline(on); });
    QObject::connect(chat_.get(), &Tchat::listOnlineChosen, chat_.get(),
                     [this](bool on) { nextListOnline_ = on; });
    // Closing the window ends this table (and frees its port) before the next starts.
    QObject::connect(chat_.get(), &Tchat::startRequested, chat_.get(),
                     [this](const QStringList& args) {
                         nextStart_ = args;
                         chat_->leave();
                     });
}

Program::~Program() = default;

// What others see of the table, read from the host as it is now.
static AnnouncedTable figuresOf(TServer& server) {
    AnnouncedTable t;
    t.hostName = QString::fromStdString(server.name(1));
    for (int slot = 1; slot <= wire::slotCount; ++slot) {
        if (!server.inUse(slot) || server.name(slot).empty()) continue;
        (slot <= wire::seatCount ? t.seated : t.spectators) += 1;
    }
    const TableState& table = server.engine().table();
    t.playing = table.inProgress;
    t.tableSize = table.inProgress ? table.tablePlayers : wire::seatCount;
    return t;
}

void Program::openReach(quint16 port) {
    reachPort_ = port;
    chat_->menu()->ListOnline1->setEnabled(true);
    if (listOnline_) {
        listOnline_ = false;  // once: the option is the menu's from here on
        chat_->menu()->ListOnline1->setChecked(true);
    }
    // For automated runs on a real network: the table stays unannounced and the router
    // is left alone.
    if (qEnvironmentVariableIsSet("TESSARINE_NO_REACH")) return;
    TableReach::Options options;
    options.openRouterPort = chat_->openRouterPort();
    reach_ = std::make_unique<TableReach>(
        port, [server = server_.get()] { return figuresOf(*server); }, options);
    QObject::connect(reach_.get(), &TableReach::notice, chat_.get(),
                     [chat = chat_.get()](const QString& line) { chat->notice(line); });
    QObject::connect(reach_->announcer(), &TableAnnouncer::establishedChanged, chat_.get(),
                     &Tchat::ownTableChanged);
    QObject::connect(reach_.get(), &TableReach::externalAddressKnown, chat_.get(),
                     &Tchat::externalAddressKnown);
    QObject::connect(reach_.get(), &TableReach::externalAddressKnown, chat_.get(),
                     &Tchat::setInternetAddress);
    QObject::connect(reach_.get(), &TableReach::internetReach, chat_.get(),
                     [this](const QString& address) {
                         internetAddress_ = address;
                         if (listing_) listing_->setReachable(address);
                     });
}

Thelp& Program::help() {
    if (!help_) {
        help_ = new Thelp(chat_.get());
        QObject::connect(help_, &Thelp::aboutRequested, chat_.get(), [this] {
            Tabout& window = about();
            window.show();
            window.raise();
            window.activateWindow();
        });
    }
    return *help_;
}

Tphrases& Program::phrases() {
    if (!phrases_)
        phrases_ =
            new Tphrases(*chat_->phraseBar(), SettingsFile(chat_->settingsPath()), chat_.get());
    return *phrases_;
}

Tabout& Program::about() {
    if (!about_) about_ = new Tabout(chat_.get());
    return *about_;
}

}  // namespace tess

namespace tess {

OnlineLobby& Program::lobby() {
    if (!lobby_) lobby_ = std::make_unique<OnlineLobby>();
    return *lobby_;
}

Tonline& Program::openOnlineWindow() {
    if (!online_) {
        online_ = new Tonline(chat_->settingsPath(), lobby(), chat_.get());
        QObject::connect(online_, &Tonline::joinRequested, chat_.get(), &Tchat::joinOnlineTable);
    }
    online_->show();
    online_->raise();
    online_->activateWindow();
    return *online_;
}

// Listing needs the room: joined under the host's name when the window has not joined it.
void Program::listOnline(bool on) {
    if (!on) {
        if (listing_) listing_->setOn(false);
        return;
    }
    if (!listing_) {
        listing_ = std::make_unique<OnlineListing>(lobby(), [this] {
            const AnnouncedTable t = figuresOf(*server_);
            return ListedTable{t.hostName, t.seated, t.tableSize, t.spectators, t.playing, {}};
        });
        QObject::connect(listing_.get(), &OnlineListing::notice, chat_.get(),
                         [chat = chat_.get()](const QString& line) { chat->notice(line); });
        QObject::connect(&lobby(), &OnlineLobby::notice, chat_.get(),
                         [chat = chat_.get()](const QString& line) { chat->notice(line); });
        listing_->setReachable(internetAddress_);
    }
    if (lobby().state() == OnlineLobby::State::offline) {
        const OnlinePlace place = OnlinePlace::load(chat_->settingsPath());
        if (!place.account.isEmpty()) {
            // An account's password is in the window's keeping.
            openOnlineWindow();
            chat_->notice(
                Tchat::tr("Connect to the online room in the window that opened; your table "
                          "is listed there once you are in."));
        } else {
            lobby().start(place.accountFor(QString::fromStdString(server_->name(1))));
        }
    }
    listing_->setOn(true);
}

}  // namespace tess
