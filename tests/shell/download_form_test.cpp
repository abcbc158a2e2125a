#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "http_test_server.h"
#include "shell/download_form.h"
#include "shell/shell_pictures.h"

namespace tess {
namespace {

struct FakeLauncher : InstallerLauncher {
    bool result = true;
    struct Call {
        QString file;
        QStringList args;
    };
    std::vector<Call> calls;
    bool start(const QString& file, const QStringList& args) override {
        calls.push_back({file, args});
        return result;
    }
};

const QStringList installerArgs{"/SP-", "/silent", "/noicons"};

QByteArray bodyOf(int size) {
    QByteArray body(size, '\0');
    for (int i = 0; i < size; ++i)
        body[i] = char('a' + i % 26);
    return body;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window.setTargetFolder(folder.path());
        window.setLauncher(&launcher);
        ASSERT_TRUE(window.setDownloadUrl(server.url()));
        connect();
        window.show();
    }
    void connect() {
        QObject::connect(&window, &Tdownload::statusChanged, [this] {
            if (statuses.empty() || statuses.back() != window.statusText())
                statuses.push_back(window.statusText());
            if (status2s.empty() || status2s.back() != window.status2Text())
                status2s.push_back(window.status2Text());
        });
    }
    QPushButton* button(const char* name) { return window.findChild<QPushButton*>(name); }
    void clickDownload() { QTest::mouseClick(button("getbutton"), Qt::LeftButton); }
    bool waitDone() {
        return QTest::qWaitFor([this] { return !window.downloading(); }, 10'000);
    }
    QString file() const { return QDir(folder.path()).filePath("orvsetup.exe"); }
    QStringList messages() {
        QStringList texts;
        for (auto* box : window.findChildren<QMessageBox*>())
            texts << box->text();
        return texts;
    }

    QTemporaryDir folder;
    HttpTestServer server;
    FakeLauncher launcher;
    Tdownload window{nullptr, Tdownload::Face::lobby};
    std::vector<QString> statuses{""}, status2s{""};
};

TEST_F(DownloadTest, StatusLinesFollowTheTransferThenTheInstallerStarts) {
    const QByteArray body = bodyOf(3 * HttpTestServer::chunkSize + 123);
    server.serve(body);
    QSignalSpy closeMain(&window, &Tdownload::closeMainWindow);

    clickDownload();
    EXPECT_FALSE(button("getbutton")->isEnabled());
    EXPECT_TRUE(button("abortbutton")->isEnabled());
    ASSERT_TRUE(waitDone());

    // "Loading", one dot for the status line and each of the three header lines, then
    // the running byte counts, then the file's size.
    ASSERT_GE(statuses.size(), 8u);
    const std::vector<QString> start(statuses.begin(), statuses.begin() + 6);
    EXPECT_EQ(start, (std::vector<QString>{"", "Loading", "Loading.", "Loading..", "Loading...",
                                           "Loading...."}));
    qint64 last = 0;
    for (size_t i = 6; i + 1 < statuses.size(); ++i) {
        ASSERT_TRUE(statuses[i].endsWith(" bytes")) << statuses[i].toStdString();
        const qint64 count = statuses[i].chopped(6).toLongLong();
        EXPECT_GT(count, last);
        last = count;
    }
    EXPECT_EQ(last, body.size());
    EXPECT_EQ(statuses.back(), QString("Received %1 bytes").arg(body.size()));
    EXPECT_EQ(status2s, (std::vector<QString>{"", "Downloading: orvsetup.exe", "Installing"}));

    EXPECT_EQ(readAll(file()), body);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, file());
    EXPECT_EQ(launcher.calls[0].args, installerArgs);
    EXPECT_EQ(closeMain.count(), 1);
    EXPECT_EQ(window.state(), Tdownload::Started);
    EXPECT_TRUE(button("getbutton")->isEnabled());
    EXPECT_FALSE(button("abortbutton")->isEnabled());
    // Downloaded, never made executable.
    EXPECT_FALSE(QFileInfo(file()).isExecutable());

    EXPECT_TRUE(server.lastRequest().startsWith("GET /downloads/orvsetup.exe HTTP/1."));
    EXPECT_TRUE(server.lastRequest().contains("User-Agent: Mozilla/3.0 (compatible)\r\n"));
    EXPECT_TRUE(
        server.lastRequest().contains("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*"));
}

TEST_F(DownloadTest, ARedirectIsFollowedAndOnlyTheFinalHeadersCount) {
    server.serve("moved installer");
    server.redirectFrom("/old/orvsetup.exe");
    ASSERT_TRUE(window.setDownloadUrl(server.url("/old/orvsetup.exe")));
    clickDownload();
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "Loading...."), 1);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "Loading....."), 0);
    EXPECT_EQ(window.statusText(), "Received 15 bytes");
    EXPECT_EQ(readAll(file()), "moved installer");
    EXPECT_EQ(server.requests(), 2);
    EXPECT_EQ(launcher.calls.size(), 1u);
}

TEST_F(DownloadTest, AnEmptyDownloadIsStillHandedOver) {
    server.serve(QByteArray());
    clickDownload();
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(window.statusText(), "Received 0 bytes");
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, file());
    EXPECT_TRUE(QFileInfo(file()).isFile());
    EXPECT_EQ(QFileInfo(file()).size(), 0);
}

TEST_F(DownloadTest, StopDownloadAbortsInstallsNothingAndTheNextDownloadOverwrites) {
    QFile old(file());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(bodyOf(50'000));
    old.close();

    server.stallAfter(bodyOf(1000), 1'000'000);
    QSignalSpy closeMain(&window, &Tdownload::closeMainWindow);
    clickDownload();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.statusText() == "1000 bytes"; }, 10'000));

    if (const QString dir = qEnvironmentVariable("TESS_SCREENSHOT_DIR"); !dir.isEmpty())
        window.grab().save(QDir(dir).filePath("download_running.png"));
    QTest::mouseClick(button("abortbutton"), Qt::LeftButton);
    EXPECT_EQ(window.statusText(), "Download has been aborted.");
    EXPECT_EQ(window.status2Text(), "Download Aborted");
    EXPECT_EQ(window.state(), Tdownload::Aborted);
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(window.statusText(), "Download Aborted");
    EXPECT_EQ(statuses.back(), "Download Aborted");
    EXPECT_EQ(statuses[statuses.size() - 2], "Download has been aborted.");
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_EQ(closeMain.count(), 0);
    EXPECT_TRUE(button("getbutton")->isEnabled());
    EXPECT_FALSE(button("abortbutton")->isEnabled());
    // The part that arrived stays, replacing what was there.
    EXPECT_EQ(readAll(file()), bodyOf(1000));

    const QByteArray second = "the second installer";
    server.serve(second);
    clickDownload();
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(window.statusText(), QString("Received %1 bytes").arg(second.size()));
    EXPECT_EQ(readAll(file()), second);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, file());
    EXPECT_EQ(closeMain.count(), 1);
}

TEST_F(DownloadTest, AnErrorAnswerIsAFailedDownload) {
    server.notFound();
    clickDownload();
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(window.statusText(), "Download Aborted");
    EXPECT_EQ(window.state(), Tdownload::Aborted);
    EXPECT_TRUE(launcher.calls.empty());
    // The error page is not taken for the installer.
    EXPECT_EQ(QFileInfo(file()).size(), 0);
    EXPECT_FALSE(window.status2Text().startsWith("Downloading"));
}

TEST_F(DownloadTest, AnUnreachableServerIsAFailedDownload) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    ASSERT_TRUE(window.setDownloadUrl(QUrl(QString("http://127.0.0.1:%1/orvsetup.exe").arg(port))));
    clickDownload();
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(window.statusText(), "Download Aborted");
    EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(DownloadTest, AFileThatCannotBeWrittenStopsBeforeAnyRequest) {
    window.setTargetFolder(QDir(folder.path()).filePath("no/such/folder"));
    server.serve("data");
    clickDownload();
    EXPECT_FALSE(window.downloading());
    EXPECT_EQ(window.statusText(), "Download Aborted");
    EXPECT_EQ(window.status2Text(), "Cannot write orvsetup.exe");
    EXPECT_EQ(window.state(), Tdownload::Aborted);
    EXPECT_TRUE(button("getbutton")->isEnabled());
    QTest::qWait(50);
    EXPECT_EQ(server.requests(), 0);
}

TEST_F(DownloadTest, AnInstallerThatCannotStartIsReportedAndTheGameGoesOn) {
    launcher.result = false;
    server.serve("data");
    QSignalSpy closeMain(&window, &Tdownload::closeMainWindow);
    clickDownload();
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(window.status2Text(), "Installing");
    EXPECT_EQ(messages(), QStringList{"An Error has Occurred."});
    EXPECT_EQ(closeMain.count(), 0);
}

TEST_F(DownloadTest, PlayWithOthersHandsOverToAnInstalledLobby) {
    QSignalSpy closeMain(&window, &Tdownload::closeMainWindow);
    window.setInstalledLobbyPath(QDir(folder.path()).filePath("OrvaneLobby"));
    QTest::mouseClick(button("Button2"), Qt::LeftButton);
#ifdef Q_OS_WIN
    EXPECT_EQ(messages(), QStringList{"Please close the game and open the Orvane Lobby using the "
                                      "icon on your desktop or using the your Window's start-up "
                                      "menu."});
#else
    // No start-up menu here: the window's own way to play with others is named instead.
    EXPECT_EQ(messages(),
              QStringList{"The Orvane Lobby is not installed on this computer. To play with "
                          "others, choose Host a Table… or Join a Table… in this window or in "
                          "the File menu."});
#endif
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_EQ(closeMain.count(), 0);

    QFile lobby(window.installedLobbyPath());
    ASSERT_TRUE(lobby.open(QIODevice::WriteOnly));
    lobby.close();
    launcher.result = false;
    QTest::mouseClick(button("Button2"), Qt::LeftButton);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_TRUE(messages().contains("An Error has Occurred."));
    EXPECT_EQ(closeMain.count(), 0);

    launcher.result = true;
    QTest::mouseClick(button("Button2"), Qt::LeftButton);
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[1].file, window.installedLobbyPath());
    EXPECT_TRUE(launcher.calls[1].args.isEmpty());
    EXPECT_EQ(closeMain.count(), 1);
}

TEST_F(DownloadTest, HostAndJoinButtonsAskForTheirWindows) {
    QSignalSpy host(&window, &Tdownload::hostTableRequested);
    QSignalSpy join(&window, &Tdownload::joinTableRequested);
    QTest::mouseClick(button("button_host"), Qt::LeftButton);
    QTest::mouseClick(button("button_join"), Qt::LeftButton);
    EXPECT_EQ(host.count(), 1);
    EXPECT_EQ(join.count(), 1);
    EXPECT_FALSE(window.isVisible());  // it never stands above the window it opened
    // Both sit in the lower right panel, clear of "Play with Others" and of each other.
    const QRect others = button("Button2")->geometry();
    const QRect h = button("button_host")->geometry(), j = button("button_join")->geometry();
    EXPECT_FALSE(h.intersects(others) || j.intersects(others) || h.intersects(j));
    EXPECT_TRUE(button("button_host")->parentWidget()->rect().contains(h.united(j)));
}

TEST(DownloadWindow, PlaySoloAndClosingOnlyHideIt) {
    QPointer<Tdownload> window = new Tdownload(nullptr, Tdownload::Face::lobby);
    window->show();
    QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    window->show();
    window->close();
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    delete window;
}

// The lobby picture is drawn for the window's first paint, not when the window is made:
// a start from the lobby never shows this window.
TEST(DownloadWindow, TheLobbyPictureIsDrawnForTheFirstPaint) {
    Tdownload window(nullptr, Tdownload::Face::lobby);
    auto* picture = window.findChild<QLabel*>("image_lobby");
    ASSERT_NE(picture, nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(picture->pixmap().isNull());
    const QImage shot = window.grab().toImage();
    ASSERT_FALSE(picture->pixmap().isNull());
    EXPECT_EQ(picture->pixmap().toImage(), lobbyPicture().toImage());
    const QPoint inside = picture->mapTo(&window, QPoint(200, 300));
    EXPECT_EQ(shot.pixelColor(inside), lobbyPicture().toImage().pixelColor(200, 300));
}

TEST(DownloadWindow, LayoutAndTexts) {
    Tdownload window(nullptr, Tdownload::Face::lobby);
    EXPECT_EQ(window.windowTitle(), "Download The Orvane Lobby");
    EXPECT_EQ(window.size(), QSize(724, 500));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(window.isModal());
    EXPECT_TRUE(window.findChild<QPushButton*>("Button1")->isDefault());
    EXPECT_FALSE(window.findChild<QPushButton*>("abortbutton")->isEnabled());

    QStringList texts;
    for (auto* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (auto* button : window.findChildren<QPushButton*>())
        texts << button->text();
    for (const char* text :
         {"IS CLOSED",
          "Download The Orvane Lobby Now to play this  and other exciting games online with "
          "other players! ",
          "Download And Install The Orvane Lobby Now", "Stop Download",
          "To proceed to the game without the ability to play against others click the button "
          "below.",
          "Play Solo Game",
          "Note: Even if you are playing offline, you will need to configure your FIREWALL to "
          "allow the game to access the internet components.",
          "If you already have The Orvane Lobby and you wish to play with others then click the "
          "button below to close this game and open The Orvane Lobby.",
          "Play with Others"})
        EXPECT_TRUE(texts.contains(text)) << text;

    const QSize sizes[][2] = {{window.findChild<QPushButton*>("getbutton")->size(), {428, 42}},
                              {window.findChild<QPushButton*>("abortbutton")->size(), {161, 25}},
                              {window.findChild<QPushButton*>("Button1")->size(), {172, 42}},
                              {window.findChild<QPushButton*>("Button2")->size(), {172, 42}},
                              {window.findChild<QLabel*>("image_lobby")->size(), {436, 360}}};
    for (const auto& [actual, expected] : sizes)
        EXPECT_EQ(actual, expected);

    if (const QString dir = qEnvironmentVariable("TESS_SCREENSHOT_DIR"); !dir.isEmpty()) {
        window.show();
        window.grab().save(QDir(dir).filePath("download.png"));
    }
}

// Where the lobby program cannot exist, the solo start shows a start page: the same size
// and panels, this program's own four ways to play, and a sign that play with others is
// open. Nothing on it speaks of downloading the lobby.
TEST(StartPage, OffersTheWaysToPlayAndGivesWayToTheWindowsItOpens) {
#ifndef Q_OS_WIN
    EXPECT_EQ(Tdownload::platformFace(), Tdownload::Face::startPage);
#endif
    Tdownload window(nullptr, Tdownload::Face::startPage);
    EXPECT_EQ(window.size(), QSize(724, 500));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QStringList texts;
    for (auto* label : window.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("IS OPEN"));
    for (const QString& text : texts)
        EXPECT_FALSE(text.contains("CLOSED") || text.contains("Download")) << text.toStdString();
    EXPECT_EQ(window.findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly).size(), 3);

    auto* solo = window.findChild<QPushButton*>("Button1");
    auto* find = window.findChild<QPushButton*>("button_find");
    ASSERT_TRUE(solo && find);
    EXPECT_TRUE(solo->isDefault());
    EXPECT_EQ(window.findChild<QPushButton*>("getbutton"), nullptr);
    EXPECT_EQ(window.findChild<QPushButton*>("Button2"), nullptr);

    // Finding players online waits until something answers the button.
    window.show();
    EXPECT_FALSE(find->isEnabled());
    window.hide();
    QSignalSpy found(&window, &Tdownload::findPlayersOnline);
    window.show();
    EXPECT_TRUE(find->isEnabled());

    struct Case {
        const char* button;
        QSignalSpy* spy;
    };
    QSignalSpy host(&window, &Tdownload::hostTableRequested);
    QSignalSpy join(&window, &Tdownload::joinTableRequested);
    for (const Case& c :
         {Case{"button_host", &host}, Case{"button_join", &join}, Case{"button_find", &found}}) {
        window.show();
        QTest::mouseClick(window.findChild<QPushButton*>(c.button), Qt::LeftButton);
        EXPECT_EQ(c.spy->count(), 1) << c.button;
        EXPECT_FALSE(window.isVisible()) << c.button;
    }
    window.show();
    QTest::mouseClick(solo, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(DownloadWindow, TheAddressMustBeSecureUnlessItStaysOnThisMachine) {
    const struct {
        const char* url;
        bool accepted;
    } cases[] = {
        {"https://www.orvane.com/downloads/orvsetup.exe", true},
        {"http://127.0.0.1:8080/orvsetup.exe", true},
        {"http://localhost/x/orvsetup.exe", true},
        {"http://[::1]:81/orvsetup.exe", true},
        {"http://www.orvane.com/downloads/orvsetup.exe", false},
        {"ftp://www.orvane.com/orvsetup.exe", false},
        {"file:///tmp/orvsetup.exe", false},
        {"https://www.orvane.com/downloads/", false},
    };
    for (const auto& c : cases) {
        Tdownload window;
        EXPECT_EQ(window.setDownloadUrl(QUrl(c.url)), c.accepted) << c.url;
        EXPECT_EQ(window.downloadUrl(), c.accepted ? QUrl(c.url) : Tdownload::defaultDownloadUrl())
            << c.url;
    }
    const QUrl shipped = Tdownload::defaultDownloadUrl();
    EXPECT_EQ(shipped.scheme(), "https");
    EXPECT_EQ(shipped.fileName(), "orvsetup.exe");
}

}  // namespace
}  // namespace tess
