#include "client/start/start_params.h"

#include <QCommandLineParser>

#include "client/joining/invitation.h"

namespace tess {

StartParams parseStartParams(const QStringList& args) {
    StartParams params;
    if (args.isEmpty()) return params;
    if (args.size() == 1 && looksLikeInvitation(args[0])) {
        params.mode = StartParams::Mode::invited;
        params.host = args[0];
        return params;
    }
    if (args.size() < 3) {
        params.mode = StartParams::Mode::incomplete;
        return params;
    }
    params.name = args[0];
    params.host = args[1];
    params.mode =
        args[2] == QLatin1String("true") ? StartParams::Mode::host : StartParams::Mode::join;
    return params;
}

namespace {

const char* const usageText =
    "Usage: tessarine [NAME ADDRESS true|false]\n"
    "       tessarine tessarine://ADDRESS\n"
    "\n"
    "Tessarine: a card game for one to four players at one table, over TCP.\n"
    "\n"
    "Without arguments the program hosts a table on this machine and you play as\n"
    "\"You\" against the computer.\n"
    "\n"
    "Arguments (the game lobby starts the program this way):\n"
    "  NAME          your player name at the table\n"
    "  ADDRESS       the address of the machine that hosts the table\n"
    "  true|false    true hosts the table here (ADDRESS is then not used); anything\n"
    "                else joins the table hosted at ADDRESS. The table listens on TCP\n"
    "                port 7772.\n"
    "  tessarine://ADDRESS\n"
    "                an invitation to the table at ADDRESS (an IPv6 address in\n"
    "                brackets): opens the join window filled in; nothing is joined\n"
    "                until you press Join.\n"
    "\n"
    "Options:\n"
    "  -h, --help    print this help and exit\n"
    "  -v, --version print the version and exit\n"
    "  Qt's own options (-platform, -style, -display, ...) are passed on to Qt.\n"
    "\n"
    "Files:\n"
    "  The settings file orvanelobby.ini (section [Tessarine], shared with the game\n"
    "  lobby) and the tally Tessarinetally.tld are kept beside the program when its\n"
#ifdef Q_OS_WIN
    "  folder is writable, otherwise in %LOCALAPPDATA%\\Tessarine\\.\n";
#else
    "  folder is writable, otherwise in ~/.config/Tessarine/ (or\n"
    "  $XDG_CONFIG_HOME/Tessarine/).\n";
#endif

// Qt's own command-line options that take a value.
const char* const qtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "geometry",
                                          "qwindowtitle",
                                          "title",
                                          "qwindowicon",
                                          "icon",
                                          "style",
                                          "stylesheet",
                                          "session",
                                          "display",
                                          "name",
                                          "qmljsdebugger",
                                          "visual",
                                          "ncols"};

bool isQtOptionWithValue(const QString& arg) {
    QString name = arg;
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 2);
    else if (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    else
        return false;
    for (const char* option : qtOptionsWithValue)
        if (name == QLatin1String(option)) return true;
    return false;
}

// Qt's own command-line options, which QApplication takes out of the arguments later.
// Known here only so that they are not refused; they never appear in the help.
void acceptQtOptions(QCommandLineParser& parser) {
    static const char* const flags[] = {"reverse", "widgetcount", "nograb",
                                        "dograb",  "sync",        "cmap"};
    for (const char* name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

CommandLine readCommandLine(const QStringList& args) {
    CommandLine result;
    // Exactly three arguments are the lobby's start, name first, whatever the name looks
    // like: "-h Ann true" is a player called "-h". Only Qt's own options with their value
    // ("-platform xcb --version") come first, as Qt takes them whatever we do.
    if (args.isEmpty() || (args.size() == 3 && !isQtOptionWithValue(args[0]))) return result;

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    // An invitation, as the desktop passes a clicked link; it is checked by the window.
    if (args.size() == 1 && looksLikeInvitation(args[0])) return result;
    // QCommandLineParser expects the program's name first.
    if (!parser.parse(QStringList{QStringLiteral("tessarine")} + args)) {
        // The lobby passes a player's name as typed, and "-=Ace=-" is a fine name: more
        // arguments that are not ours are the lobby's start, taken literally.
        if (args.size() > 3) return result;
        result.action = CommandLine::Action::misuse;
        result.text =
            QStringLiteral("tessarine: %1 Try 'tessarine --help'.\n").arg(parser.errorText());
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::help;
        result.text = QString::fromLatin1(usageText);
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::version;
        result.text = QString::fromLatin1("tessarine " TESSARINE_VERSION "\n");
    } else if (const qsizetype count = parser.positionalArguments().size();
               count == 1 || count == 2) {
        // Without a mode the table would wait for ever for a connection nobody opens.
        result.action = CommandLine::Action::misuse;
        result.text = QStringLiteral(
            "tessarine: expected NAME ADDRESS true|false, or no arguments for a solo game. "
            "Try 'tessarine --help'.\n");
    }
    return result;
}

}  // namespace tess
