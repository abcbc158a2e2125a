// The hosting program's own table in its join window, against the real mDNS responder of
// a network made for the test (network_lab.sh): another program on this computer already
// announces a table under the very name ours would take, so ours must take the next name,
// and only the announcement's name tells the two apart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "client/joining/join_form.h"
#include "client/start/program.h"
#include "client/table/tchat.h"
#include "reach/table_announcer.h"
#include "reach/table_reach.h"
#include "reach/table_record.h"
#include "tests/support/test_client.h"

namespace tess::testing {
namespace {

QStringList rows(const QTreeWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0) + " @ " + list->topLevelItem(i)->text(4);
    return texts;
}

TEST(OwnTableLab, TheHostsOwnTableIsMarkedAndChoosingItKeepsTheTable) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("TESS_LAB_DIR")) << "runs inside network_lab.sh";
    qunsetenv("TESSARINE_NO_REACH");  // this network is the test's own

    // The other table, announced by another program, established before ours starts.
    QProcess stranger;
    stranger.start(QStringLiteral("avahi-publish"),
                   {"-s", serviceNameFor(QStringLiteral("Alice")), "_tessarine._tcp", "7773",
                    "host=Alice", "seated=1", "size=4", "spectators=0", "state=waiting"});
    ASSERT_TRUE(stranger.waitForStarted());
    QByteArray said;
    ASSERT_TRUE(waitUntil(
        [&] {
            said += stranger.readAllStandardOutput() + stranger.readAllStandardError();
            return said.contains("Established");
        },
        10000))
        << said.toStdString();

    QTemporaryDir dir;
    TchatOptions options;
    options.args = {"Alice", "127.0.0.1", "true"};
    options.settingsPath = dir.filePath("orvanelobby.ini");
    options.lobbyPort = 1;
    Program program(options);
    Tchat& chat = program.chat();
    chat.show();
    ASSERT_TRUE(waitUntil([&] { return chat.link().connected(); }, 10000));
    ASSERT_TRUE(waitUntil(
        [&] { return program.reach() && program.reach()->announcer()->established(); }, 10000));
    EXPECT_EQ(program.reach()->announcer()->serviceName(),
              serviceNameFor(QStringLiteral("Alice")) + " #2");

    QSignalSpy starts(&chat, &Tchat::startRequested);
    chat.openJoinWindow();
    Tjoin* join = chat.joinWindow();
    QTreeWidget* list = join->tableList();
    ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() == 2; }, 10000))
        << rows(list).join(", ").toStdString();
    EXPECT_EQ(rows(list).join(", ").toStdString(),
              "Alice (your table) @ 127.0.0.1, Alice @ 127.0.0.1:7773");

    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(join->isVisible());
    // Joining would have asked first whether to end the table for everybody.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (const QMessageBox* box : chat.findChildren<QMessageBox*>())
        EXPECT_FALSE(box->isVisible()) << box->text().toStdString();
    EXPECT_EQ(starts.count(), 0);
    EXPECT_TRUE(chat.link().connected());
    stranger.terminate();
    stranger.waitForFinished();
    qputenv("TESSARINE_NO_REACH", "1");
}

}  // namespace
}  // namespace tess::testing
