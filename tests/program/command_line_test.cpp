// The real program's command line: what a person at a terminal gets, and that the lobby's
// start (NAME ADDRESS true|false) is taken as it always was.
#include <gtest/gtest.h>

#include <QDir>
#include <ostream>

#include "tests/program/program_process.h"

namespace tess::testing {
namespace {

struct Finished {
    int exitCode = -1;
    bool normalExit = false;
    QString out;
    QString err;
    QStringList filesLeft;  // in the copy's folder, besides the copy
};

// Runs a copy of the program where no window can open: without a display and with a
// platform plugin that does not exist, creating the application would abort it.
Finished runWithoutDisplay(const QStringList& args) {
    QTemporaryDir dir;
    const QString copy = dir.filePath("tessarine");
    QFile::copy(QStringLiteral(TESSARINE_BINARY), copy);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "no-such-platform");
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(copy, args);
    Finished finished;
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return finished;
    }
    finished.normalExit = process.exitStatus() == QProcess::NormalExit;
    finished.exitCode = process.exitCode();
    finished.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    finished.err = QString::fromLocal8Bit(process.readAllStandardError());
    finished.filesLeft = QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    finished.filesLeft.removeOne("tessarine");
    return finished;
}

struct Case {
    const char* name;
    QStringList args;
    int exitCode;
    const char* out;  // exactly, or nullptr for the help text
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.args.join(' ').toStdString(); }

class CommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLine, AnswersWithoutOpeningAWindow) {
    const Case& c = GetParam();
    const Finished finished = runWithoutDisplay(c.args);
    ASSERT_TRUE(finished.normalExit) << finished.err.toStdString();
    EXPECT_EQ(finished.exitCode, c.exitCode) << finished.err.toStdString();
    EXPECT_TRUE(finished.filesLeft.isEmpty()) << finished.filesLeft.join(' ').toStdString();
    if (c.exitCode != 0) {
        // One line that says what is wrong and where to look.
        EXPECT_TRUE(finished.out.isEmpty()) << finished.out.toStdString();
        EXPECT_EQ(finished.err.count('\n'), 1) << finished.err.toStdString();
        EXPECT_TRUE(finished.err.startsWith("tessarine: ")) << finished.err.toStdString();
        EXPECT_TRUE(finished.err.contains("--help")) << finished.err.toStdString();
    } else if (c.out) {
        EXPECT_EQ(finished.out, QString::fromLatin1(c.out));
    } else {
        for (const char* part : {"Usage: tessarine [NAME ADDRESS true|false]", "NAME", "ADDRESS",
                                 "true|false", "--help", "--version", "7772", "orvanelobby.ini",
                                 "Tessarinetally.tld", "~/.config/Tessarine/"})
            EXPECT_TRUE(finished.out.contains(QLatin1String(part))) << part;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLine,
    ::testing::Values(
        Case{"Help", {"--help"}, 0, nullptr}, Case{"ShortHelp", {"-h"}, 0, nullptr},
        Case{"HelpAfterAStart", {"Ann", "127.0.0.1", "true", "--help"}, 0, nullptr},
        Case{"Version", {"--version"}, 0, "tessarine 1.0.2\n"},
        Case{"ShortVersion", {"-v"}, 0, "tessarine 1.0.2\n"},
        // Qt's own options are not refused.
        Case{"QtOptionPassed", {"-platform", "xcb", "--version"}, 0, "tessarine 1.0.2\n"},
        Case{"UnknownOption", {"--bogus"}, 2, ""}, Case{"UnknownShortOption", {"-x"}, 2, ""},
        Case{"HelpWithAnUnknownOption", {"--help", "--bogus"}, 2, ""},
        // Without a mode the table would wait for ever.
        Case{"NameOnly", {"Ann"}, 2, ""}, Case{"NameAndAddressOnly", {"Ann", "127.0.0.1"}, 2, ""}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The lobby passes a name as it was typed; one that starts with "-" is still a name, our
// own options too.
TEST(CommandLineStart, TakesANameThatLooksLikeAnOption) {
    for (const std::string name : {"-=Ace=-", "-h"}) {
        SCOPED_TRACE(name);
        Program ace({QString::fromStdString(name), "127.0.0.1", "true"});
        ASSERT_TRUE(ace.logged("logged in after")) << ace.log.toStdString();
        TestClient pat(tablePort);
        pat.login("Pat");
        EXPECT_EQ(pat.waitForPrefix("CMD_existingplayers+"),
                  "CMD_existingplayers+1+" + name + "+0");
    }
}

}  // namespace
}  // namespace tess::testing
