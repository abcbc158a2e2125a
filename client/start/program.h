// The whole program: every window, created once in a fixed order, and the table's host.
// Afterwards windows are only shown and hidden.
#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <memory>
#include <optional>

#include "client/table/tchat.h"
#include "engine/random.h"
#include "net/qt_clock.h"
#include "net/server.h"

namespace tess {

class Tabout;
class Tdownload;
class Thelp;
class Tphrases;
class Ttallylist;
class Tgamestart;
class Tspylist;
class TableReach;
class OnlineLobby;
class OnlineListing;
class Tonline;

class Program {
public:
    explicit Program(TchatOptions options);
    ~Program();

    Tchat& chat() { return *chat_; }
    TServer& server() { return *server_; }
    Tdownload& download() { return *download_; }
    Ttallylist& tally() { return *tally_; }
    void show() { chat_->show(); }
    // Built when first opened: most runs never show them.
    Thelp& help();
    Tabout& about();
    Tphrases& phrases();
    // Find Players Online, built when first opened.
    Tonline& openOnlineWindow();
    // The online room, shared by that window and a listed table.
    OnlineLobby& lobby();
    OnlineListing* listing() const { return listing_.get(); }
    // Whether the next start's table is to be listed online.
    bool nextListOnline() const { return nextListOnline_; }
    // Announcement and router mapping of a table hosted for others; null otherwise.
    TableReach* reach() const { return reach_.get(); }
    // The arguments of the next start, when the user chose to host or join a table: the
    // program then runs again as the lobby starts it, once this one is gone.
    const std::optional<QStringList>& nextStart() const { return nextStart_; }

private:
    QtClock clock_;
    SeededRandom random_;
    // Declared first, so it goes last: the main window's closing work may still use it.
    std::unique_ptr<TServer> server_;
    std::unique_ptr<Tchat> chat_;
    // Owned by the main window, whose children they are.
    Tabout* about_ = nullptr;
    Tdownload* download_ = nullptr;
    Tgamestart* gamestart_ = nullptr;
    Thelp* help_ = nullptr;
    Tphrases* phrases_ = nullptr;
    Tspylist* spylist_ = nullptr;
    Ttallylist* tally_ = nullptr;
    Tonline* online_ = nullptr;
    std::unique_ptr<OnlineLobby> lobby_;
    bool listOnline_ = false;
    bool nextListOnline_ = false;
    // Declared last, so it goes first: the table is withdrawn while everything else is
    // still there.
    std::unique_ptr<TableReach> reach_;
    quint16 reachPort_ = 0;
    // Goes before the room it is listed in.
    std::unique_ptr<OnlineListing> listing_;
    QString internetAddress_;

    void listOnline(bool on);

    void openReach(quint16 port);
    std::optional<QStringList> nextStart_;
};

}  // namespace tess
