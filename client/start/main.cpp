// Tessarine: one table for one to four players. Without arguments it plays solo against
// the bot; the lobby starts it with a name, the host's address and "true" to host.
#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <optional>

#include "client/start/program.h"
#include "client/start/quit_signals.h"
#include "client/start/start_params.h"
#include "platform/program_mutex.h"
#include "reach/port_mapper.h"
#include "records/settings_file.h"
#include "shell/lazy_icon_style.h"
#include "shell/paint_pacer.h"
#include "translations/language.h"

namespace {

// The command line is read before QApplication exists: --help and --version need no
// display, and a refused command line opens no window.
QStringList argumentsOf(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

int print(std::FILE* stream, const QString& text, int exitCode) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return exitCode;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    const tess::CommandLine commandLine = tess::readCommandLine(argumentsOf(argc, argv));
    switch (commandLine.action) {
        case tess::CommandLine::Action::help:
        case tess::CommandLine::Action::version:
            return print(stdout, commandLine.text, 0);
        case tess::CommandLine::Action::misuse:
            return print(stderr, commandLine.text, tess::misuseExitCode);
        case tess::CommandLine::Action::start:
            break;
    }
    // Held from here until the program ends: the lobby looks for it.
    const tess::ProgramMutex programMutex;

    // Qt's own event loop rather than GLib's: GLib wakes itself with a system call for every
    // posted event and for every socket it starts or stops watching, which is several calls
    // for each chat line a host relays. Only this program's loop: children get the
    // environment as it was.
    const bool chooseLoop = !qEnvironmentVariableIsSet("QT_NO_GLIB");
    if (chooseLoop) qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    if (chooseLoop) qunsetenv("QT_NO_GLIB");
    // The application's own style; the menu bar's extension arrow is loaded when drawn.
    QApplication::setStyle(new tess::LazyIconStyle);
    tess::PaintPacer pacer;  // every window paints at most once per frame
    app.installEventFilter(&pacer);
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    QApplication::setApplicationVersion(QString::fromLatin1(TESSARINE_VERSION));

    // Before any window: the windows take their texts when they are built.
    QTranslator translator;
    QTranslator qtTexts;  // Qt's own: the buttons of message boxes and dialogs
    const QString setting =
        QString::fromStdString(tess::SettingsFile(tess::SettingsFile::defaultPath()).language());
    const QString language = tess::loadLanguage(translator, setting, QLocale::system());
    if (!translator.isEmpty()) {
        QApplication::installTranslator(&translator);
        if (qtTexts.load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtTexts);
    }

    tess::TchatOptions options;
    options.args = QApplication::arguments().mid(1);
    options.sinceStart = &sinceStart;
    // A signal closes the window as the user would; the program then ends as usual.
    tess::QuitSignals quitSignals;
    // A table hosted or joined from the windows runs as the lobby's start would, in a
    // new program object: the old one, its table and its port are gone by then.
    int code = 0;
    for (;;) {
        std::optional<QStringList> next;
        {
            tess::Program program(options);
            bool signalled = false;
            const auto onSignal = QObject::connect(&quitSignals, &tess::QuitSignals::quitRequested,
                                                   &app, [&program, &signalled] {
                                                       signalled = true;
                                                       program.chat().leave();
                                                       QCoreApplication::quit();
                                                   });
            program.show();
            code = QApplication::exec();
            QObject::disconnect(onSignal);
            if (!signalled) {
                next = program.nextStart();
                options.listOnline = program.nextListOnline();
            }
        }
        if (!next) break;
        options.args = *next;
    }
    // No window is left to freeze: the router still hears that the table's port closes.
    tess::PortMapper::finishPending(tess::PortMapper::exitWaitMs);
    return code;
}
