// Writes a picture of every window of a solo table to a folder, in one language:
//   tess-window-shots de /tmp/shots    (QT_QPA_PLATFORM=offscreen works)
// The main window is taken at its first size and twice as large, with the quick
// instructions, the Game Options, the key numbers on the board and a refused move.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstdio>

#include "client/start/program.h"
#include "client/table/board_view.h"
#include "client/table/tchat.h"
#include "client/windows/gamestart_form.h"
#include "client/windows/tallylist_form.h"
#include "shell/about_form.h"
#include "shell/download_form.h"
#include "shell/help_form.h"
#include "social/phrases_form.h"
#include "social/spylist_form.h"
#include "translations/language.h"
#include "wire/cards.h"

namespace {

using namespace tess;

bool waitFor(const std::function<bool()>& done, int ms = 10000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void settle() {
    waitFor([] { return false; }, 150);
}

class Shots {
public:
    explicit Shots(QString dir) : dir_(std::move(dir)) {}
    void take(QWidget* w, const QString& name) {
        settle();
        const QString path = QDir(dir_).filePath(name + ".png");
        if (!w->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }

private:
    QString dir_;
};

// A card of the hand that fits on no tab spot and is no king: its move is refused.
bool tryRefusedMove(Tchat& chat) {
    const TableModel& m = chat.model();
    for (const HandCard& card : m.hand().cards())
        for (int spot = 1; spot <= 4; ++spot) {
            const TabSpotView& tab = m.tab(spot);
            const int target = tab.top != 0 ? tab.top : tab.first;
            if (target != 0 && !isKing(target) && !isKing(card.card) &&
                !fitsOn(card.card, target)) {
                chat.board()->cardimagesMouseDown(card.position, Qt::LeftButton);
                chat.board()->image_tab22Click(spot);
                return true;
            }
        }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tess-window-shots en|de FOLDER\n");
        return 2;
    }
    QTranslator translator;
    loadLanguage(translator, args[1], QLocale(QLocale::English));
    QApplication::installTranslator(&translator);
    QDir().mkpath(args[2]);
    Shots shots(args[2]);

    QTemporaryDir home;
    TchatOptions options;
    options.settingsPath = home.filePath(QStringLiteral("orvanelobby.ini"));
    options.port = 0;
    options.lobbyPort = 1;
    Program program(options);
    Tchat& chat = program.chat();
    chat.show();
    chat.activateWindow();
    if (!waitFor([&] { return chat.model().connected(); })) return 1;
    settle();
    shots.take(&program.download(), QStringLiteral("download"));
    shots.take(&chat, QStringLiteral("main-quick-instructions"));
    chat.board()->findChild<QWidget*>(QStringLiteral("panel_help"))->hide();

    chat.board()->button_start()->click();
    auto* gamestart = chat.findChild<Tgamestart*>();
    shots.take(gamestart, QStringLiteral("game-options"));
    gamestart->button_start()->click();
    waitFor([&] { return chat.model().input().canact(); }, 20000);
    shots.take(&chat, QStringLiteral("main-playing"));
    chat.activateWindow();
    waitFor([&] { return chat.isActiveWindow(); }, 2000);
    chat.board()->setFocus(Qt::TabFocusReason);
    shots.take(&chat, QStringLiteral("main-keys"));
    if (tryRefusedMove(chat)) shots.take(&chat, QStringLiteral("main-refused-move"));
    chat.resize(chat.size() * 2);
    shots.take(&chat, QStringLiteral("main-large-keys"));

    program.help().show();
    shots.take(&program.help(), QStringLiteral("help"));
    program.about().show();
    shots.take(&program.about(), QStringLiteral("about"));
    program.phrases().show();
    shots.take(&program.phrases(), QStringLiteral("phrase-list"));
    program.tally().show();
    shots.take(&program.tally(), QStringLiteral("tally"));
    if (auto* spies = chat.findChild<Tspylist*>()) {
        spies->show();
        shots.take(spies, QStringLiteral("spy-list"));
    }
    return 0;
}
