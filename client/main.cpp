// Tessarine: one table for one to four players. Without arguments it plays solo against
// the bot; the lobby starts it with a name, the host's address and "true" to host.
#include <QApplication>
#include <QElapsedTimer>

#include "client/tchat.h"
#include "engine/random.h"
#include "net/qt_clock.h"
#include "net/server.h"

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.2"));

    tess::TchatOptions options;
    options.args = QApplication::arguments().mid(1);
    options.sinceStart = &sinceStart;

    // The windows exist for the whole run, created once in this order.
    tess::Tchat chat(nullptr, options);
    tess::QtClock clock;
    tess::SeededRandom random(tess::SeededRandom::clockSeed());
    tess::TServer server(clock, random);
    chat.setServer(&server);

    chat.show();
    return QApplication::exec();
}
