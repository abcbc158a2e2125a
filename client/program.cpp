#include "client/program.h"

#include <QDir>
#include <QFileInfo>

#include "client/gamestart_form.h"
#include "client/tallylist_form.h"
#include "reach/table_reach.h"
#include "records/tally_file.h"
#include "shell/about_form.h"
#include "shell/download_form.h"
#include "shell/help_form.h"
#include "social/message_box.h"
#include "social/phrases_form.h"
#include "social/spylist_form.h"

namespace tess {

Program::Program(TchatOptions options) : random_(SeededRandom::clockSeed()) {
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
    chat_->attachWindows(windows);

    QObject::connect(chat_.get(), &Tchat::hostingForOthers, chat_.get(),
                     [this](quint16 port) { openReach(port); });
    // The option takes effect at once on an open table.
    QObject::connect(chat_.get(), &Tchat::openRouterPortChanged, chat_.get(), [this] {
        if (!reach_) return;
        reach_.reset();
        openReach(reachPort_);
    });
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
    // For automated runs on a real network: the table stays unannounced and the router
    // is left alone.
    if (qEnvironmentVariableIsSet("TESSARINE_NO_REACH")) return;
    TableReach::Options options;
    options.openRouterPort = chat_->openRouterPort();
    reach_ = std::make_unique<TableReach>(
        port, [server = server_.get()] { return figuresOf(*server); }, options);
    QObject::connect(reach_.get(), &TableReach::notice, chat_.get(),
                     [chat = chat_.get()](const QString& line) { chat->notice(line); });
    QObject::connect(reach_.get(), &TableReach::externalAddressKnown, chat_.get(),
                     &Tchat::externalAddressKnown);
    QObject::connect(reach_.get(), &TableReach::externalAddressKnown, chat_.get(),
                     &Tchat::setInternetAddress);
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
