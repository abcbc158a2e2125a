// The real program, started as a separate process from a copy in a fresh folder (its
// settings then live there), talked to over TCP on the table's port as players would.
#include <gtest/gtest.h>

#include <QTest>

#include "tests/program/program_process.h"
#include "tests/support/fake_host.h"

namespace tess::testing {
namespace {

TEST(Program, JoinsLogsInExactlyAndIsOfferedAnotherTableWhenTheHostCloses) {
    FakeHost host(tablePort);
    ASSERT_TRUE(host.server.isListening());
    Program bob({"Bob", "127.0.0.1", "false"});
    QTcpSocket* peer = host.accept();
    ASSERT_NE(peer, nullptr);
    peer->write("CMD_sendlogininfo+2\xFF");
    ASSERT_TRUE(waitUntil([&] { return host.received.size() >= 27; }));
    EXPECT_EQ(host.received, "CMD_logininfo+2+1.0.2+Bob\xFF\xFF");
    peer->write("CMD_newplayerinfo+2+Bob+0\xFF");
    ASSERT_TRUE(bob.logged("logged in after"));
    peer->disconnectFromHost();
    // The box takes its first offer by itself here: the join window, and the program stays.
    ASSERT_TRUE(bob.logged("message: You are no longer at the table."));
    QTest::qWait(500);
    EXPECT_TRUE(bob.running());
    bob.process.terminate();
    ASSERT_TRUE(bob.ended());
    EXPECT_EQ(bob.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(bob.process.exitCode(), 0);
}

TEST(Program, TableFullIsShownThenTheProgramEnds) {
    FakeHost host(tablePort);
    Program bob({"Bob", "127.0.0.1", "false"});
    QTcpSocket* peer = host.accept();
    ASSERT_NE(peer, nullptr);
    peer->write("CMD_full+\xFF");
    peer->flush();
    peer->disconnectFromHost();
    EXPECT_TRUE(bob.logged("message: Game is full"));
    EXPECT_TRUE(bob.ended());
}

TEST(Program, SoloStartHostsTheTableAsYou) {
    Program solo({});
    ASSERT_TRUE(solo.logged("logged in after"));
    TestClient ann(tablePort);
    ann.login("Ann");
    EXPECT_EQ(ann.waitForPrefix("CMD_existingplayers+"), "CMD_existingplayers+1+You+0");
    // A second hosting copy cannot take the port and stays unconnected.
    Program second({});
    EXPECT_TRUE(second.logged("Listen - Error Binding Socket"));
    EXPECT_FALSE(second.log.contains("logged in after"));
    // The host goes: so does every player's connection.
    solo.process.terminate();
    EXPECT_TRUE(ann.waitClosed(10000));
}

// The settings file is the lobby's too: the program's first save (Help=2, at the first
// connection) changes our section and not one byte of the rest.
TEST(Program, TheLobbysPartOfTheSettingsFileIsKeptByteForByte) {
    const QByteArray lobby(
        "; the lobby\r\n[Lobby]\r\nServer=a\r\nServer=b\r\nServer=c\r\nno equals sign\r\n"
        "=novalue\r\nMotd=<<<END\r\n  first line  \r\nEND\r\nName = x   \r\n");
    const QByteArray rest("[Other]\nkey=Wow, WTG!\n; the end");
    ProgramOptions options;
    options.settings = lobby + "[Tessarine]\r\nTextsize=10\r\n" + rest;
    Program solo({}, options);
    ASSERT_TRUE(solo.logged("logged in after"));
    solo.process.terminate();
    ASSERT_TRUE(solo.ended());
    QFile file(solo.dir.filePath("orvanelobby.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), lobby + "[Tessarine]\r\nTextsize=10\r\nHelp=2\r\n" + rest);
}

}  // namespace
}  // namespace tess::testing
