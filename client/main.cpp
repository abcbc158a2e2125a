// Tessarine: one table for one to four players. Without arguments it plays solo against
// the bot; the lobby starts it with a name, the host's address and "true" to host.
#include <QApplication>
#include <QElapsedTimer>

#include "client/program.h"

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.2"));

    tess::TchatOptions options;
    options.args = QApplication::arguments().mid(1);
    options.sinceStart = &sinceStart;
    tess::Program program(options);
    program.show();
    return QApplication::exec();
}
