// The main window: the table board on the left, the chat column on the right, the menu
// bar above. It owns the client's connection and turns the host's announcements of
// players into what the window shows; each panel lives in its own files.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "client/model/client_routes.h"
#include "client/model/table_model.h"
#include "client/start/start_params.h"
#include "client/table/client_link.h"
#include "records/settings_file.h"
#include "social/sounds.h"
#include "wire/announcements.h"
#include "wire/limits.h"

class QLabel;

namespace tess {

class BoardView;
class ChatPanel;
class QuickInstructionsPanel;
class Tabout;
class Tdownload;
class Thelp;
class Tphrases;
class Ttallylist;
class KeyboardHome;
class Tgamestart;
class Tspylist;
class SeatMenu;
struct TallySeats;
class MainMenu;
class PhraseBar;
class TServer;
class Thost;
class Tjoin;
class ConnectingBox;

struct TchatOptions {
    QStringList args;      // the command line without the program's name
    QString settingsPath;  // empty: the usual place
    quint16 port = wire::tablePort;
    quint16 lobbyPort = 9001;
    int answerMs = ClientLink::defaultAnswerMs;  // a join gives up after this long
    const QElapsedTimer* sinceStart = nullptr;   // for the log line at login
    bool listOnline = false;  // a table hosted for others is listed in the online room
};

class Tchat : public QMainWindow, private TableEvents, private PlayerEvents {
    Q_OBJECT
public:
    // `server` is the table's host object, switched on when this copy hosts.
    Tchat(TServer* server, TchatOptions options, QWidget* parent = nullptr);
    ~Tchat() override;

    // The program's other windows; each adds its menu items. Help and about are asked
    // for when first opened (the same window every time after that).
    struct Windows {
        std::function<QWidget*()> about;
        Tdownload* download = nullptr;
        Tgamestart* gamestart = nullptr;
        std::function<QWidget*()> help;
        std::function<Tphrases*()> phrases;
        TServer* server = nullptr;
        Tspylist* spylist = nullptr;
        Ttallylist* tally = nullptr;
        // The name the table this program hosts is announced under on this network.
        std::function<QString()> ownTable;
    };
    void attachWindows(const Windows& windows);
    QString settingsPath() const { return file_.path(); }

    // Closes the window without asking, as a signal or a confirmed choice does; closing
    // it otherwise asks first while others are at the user's table.
    void leave();
    // The names of the others who sit at or watch the table this copy hosts.
    QStringList othersAtTable() const;

    // Writes a notice ("0+" text) in the notice colour.
    void notice(const QString& text);

    ClientLink& link() { return link_; }
    TableModel& model() { return model_; }
    BoardView* board() const { return board_; }
    ChatPanel* chat() const { return chat_; }
    MainMenu* menu() const { return menu_; }
    // Joins the table a host in the online room answered with, as "NAME ADDRESS false".
    void joinOnlineTable(const QString& name, const QString& address);
    PhraseBar* phraseBar() const { return phrases_; }
    SoundPlayer& sounds() { return sounds_; }
    bool hosting() const { return hosting_; }
    const Settings& settings() const { return settings_; }
    // The spectators' entries ("slot: name").
    QStringList spies() const;

    // Tables with others. The join window, filled in with `address` when one is given.
    void openJoinWindow(const QString& address = {});
    void openHostWindow();
    // The announcement of the table this program hosts came or went.
    void ownTableChanged();
    Tjoin* joinWindow() const { return join_; }
    Thost* hostWindow() const { return host_; }
    // The address players on the internet reach this table at, once the router has told
    // it; invitations carry it instead of the local network's address.
    void setInternetAddress(const QString& address) { internetAddress_ = address; }
    // The invitation to this table ("tessarine://ADDRESS"); empty when not hosting others.
    QString invitation() const;

    // The settings file: read at the user's own entry, written on every change.
    void loadinifile();
    void saveinifile();

    // Options > "Open the port on my router".
    bool openRouterPort() const { return settings_.openRouterPort; }

signals:
    void justWatchChanged(bool checked);
    // A table for others (not a solo table) is open on `port`.
    void hostingForOthers(quint16 port);
    void openRouterPortChanged(bool open);
    // File › Find Players Online…, or the join window's button.
    void onlineWindowRequested();
    // File › List This Table Online.
    void listOnlineChanged(bool on);
    // The host window's choice for the table it starts.
    void listOnlineChosen(bool on);
    // The internet address the router reports for a table hosted here.
    void externalAddressKnown(const QString& address);
    // The table ends and the program starts again with these arguments, as the lobby
    // starts it; the port is free by then.
    void startRequested(const QStringList& args);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What the table model asks of the window.
    void notice(const std::string& line) override;
    void playSound(const std::string& name) override;
    void send(const std::string& line) override;
    void messageBox(const std::string& text) override;
    void moveRefused(const std::string& reason) override;
    void turnTimer(bool run) override;
    void changed(unsigned areas) override;
    void addGame(const std::string& text) override;
    TallySeats tallySeats() const;

    void useServer(TServer* server);
    // Host, join and invite (tchat_tables.cpp).
    void setUpTableMenu();
    void attachTableWindows();
    void requestStart(const QStringList& args);
    void CopyInvitation1Click();
    void invited(const QString& link);
    // The connection went: says why, in plain words, where the user needs to know.
    void linkEnded();
    // A join that came to nothing: the reason, and the join window offered again.
    void joinFailed(const QString& text);
    void portTaken(const QString& error);
    // The join under way has an answer: the connecting box goes.
    void endConnecting();
    // A player whose table went: the join window or a solo game, or the program ends.
    void offerAnotherTable(const QString& text);
    // The join window closed without a join while this window holds no table.
    void joinWindowClosed();
    // Asks before something ends a game or a table others are at; `go` runs on a yes.
    void askBeforeEnding(const QString& what, const QString& action, std::function<void()> go);
    QString joinFailureText(ClientLink::Ending ending) const;
    void processparams();
    // False when the table could not be opened (the port is taken).
    bool hostpress();
    // Connects to the host (a name once it is found), then holds the lobby link.
    void joinpress();
    void button_startClick();
    // Options > Just Watch.
    void JustWatch1Click();
    void setUpPhrases();
    void setUpSeatMenu();
    // What the host tells of the players (the client's routes).
    void sendlogininfo(std::string_view rest) override;
    void chatrecieved(std::string_view rest) override;
    void newplayerinfo(std::string_view rest) override;
    void existingplayers(std::string_view rest) override;
    void playerdisconnected(std::string_view rest) override;
    void havewrongversion(std::string_view rest) override;
    void wrongversion(std::string_view rest) override;
    void full(std::string_view rest) override;
    void playasound(std::string_view rest) override;
    // `quiet`: a repeated listing updates the table without notices or sound.
    void newplayers(const std::vector<wire::ExistingPlayers::Player>& players, bool quiet);
    void connectOptionsMenu();
    void applySettings();
    void rememberPlacement();
    void placeColumn();
    QRect placement() const;
    void setPlacement(int left, int top, int width, int height);

    TServer* server_ = nullptr;
    TchatOptions options_;
    StartParams params_;
    ClientLink link_;
    SoundPlayer sounds_;
    TableModel model_{*this};
    QTimer turntimer_;
    BoardView* board_;
    ChatPanel* chat_;
    MainMenu* menu_;
    KeyboardHome* keyboard_ = nullptr;
    PhraseBar* phrases_ = nullptr;
    QuickInstructionsPanel* panel_help_ = nullptr;
    QLabel* logo_ = nullptr;
    Windows windows_;
    SettingsFile file_;
    Settings settings_;
    QRect remembered_{0, 0, 0, 0};  // placement as last read or saved
    bool hosting_ = false;
    bool shown_ = false;
    SeatMenu* seatMenu_ = nullptr;
    bool saveFailureTold_ = false;
    bool loggedInTold_ = false;
    bool awaitingFullBox_ = false;
    bool leaving_ = false;     // the window closes without asking
    std::string lastListing_;  // the last CMD_existingplayers, to tell its repeat
    Tjoin* join_ = nullptr;
    Thost* host_ = nullptr;
    QPointer<ConnectingBox> connecting_;  // while a join is under way
    QString internetAddress_;
};

}  // namespace tess
