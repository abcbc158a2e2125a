// The real program on an X display, driven by the mouse as its user would: START GAME,
// the game start window's start button, then a hand card onto a tab spot. Test players
// sit at the table over TCP and watch what the host announces. Runs under xvfb-run.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStandardPaths>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "client/model/table_layout.h"
#include "tests/program/program_process.h"
#include "wire/cards.h"

namespace tess::testing {
namespace {

// --- The X display ---

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

void click(QPoint at) {
    run("xdotool",
        {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

// The visible top-level window whose title matches `pattern`, in screen pixels.
std::optional<QRect> findWindow(const QString& pattern) {
    QString id;
    pollUntil(
        [&] {
            id = run("xdotool", {"search", "--onlyvisible", "--name", pattern})
                     .section('\n', 0, 0)
                     .trimmed();
            return !id.isEmpty();
        },
        10000);
    if (id.isEmpty()) return std::nullopt;
    QRect r;
    for (const QString& line : run("xdotool", {"getwindowgeometry", "--shell", id}).split('\n')) {
        const int value = line.section('=', 1).toInt();
        if (line.startsWith("X=")) r.moveLeft(value);
        if (line.startsWith("Y=")) r.moveTop(value);
        if (line.startsWith("WIDTH=")) r.setWidth(value);
        if (line.startsWith("HEIGHT=")) r.setHeight(value);
    }
    return r;
}

QImage screenshot(const QString& file) {
    run("import", {"-window", "root", "-silent", file});
    return QImage(file);
}

// A screenshot taken once the screen has stopped changing.
QImage settledScreenshot(const QString& file) {
    QImage last = screenshot(file);
    QImage now;
    pollUntil(
        [&] {
            now = screenshot(file);
            return std::exchange(last, now) == now;
        },
        5000);
    return now;
}

// The table's top left corner: the board begins under the menu bar with its wooden rim.
std::optional<QPoint> boardOrigin(const QRect& window, const QString& file) {
    const QRgb rim = qRgb(74, 44, 22);
    std::optional<QPoint> origin;
    pollUntil(
        [&] {
            const QImage shot = screenshot(file);
            for (int y = window.top(); y < window.top() + 100 && y < shot.height(); ++y)
                if (shot.pixel(window.left() + 1, y) == rim) {
                    origin = QPoint(window.left(), y);
                    return true;
                }
            return false;
        },
        10000);
    return origin;
}

// --- The table, as the test players hear of it ---

// A line's numbers after the command word.
std::vector<int> fields(const std::string& line) {
    std::vector<int> out;
    for (std::size_t at = line.find('+'); at != std::string::npos; at = line.find('+', at))
        out.push_back(std::atoi(line.c_str() + ++at));
    return out;
}

// Follows one test player's lines, keeping the tab spots up to date on the way.
class Follower {
public:
    explicit Follower(TestClient& client) : client_(client) {}

    // The next line (from where the last call stopped) that starts with one of `prefixes`.
    std::string next(std::initializer_list<std::string_view> prefixes, int ms) {
        std::string found;
        waitUntil(
            [&] {
                while (read_ < client_.lines().size()) {
                    const std::string& line = client_.lines()[read_++];
                    follow(line);
                    for (std::string_view prefix : prefixes)
                        if (line.rfind(prefix, 0) == 0) {
                            found = line;
                            return true;
                        }
                }
                return false;
            },
            ms);
        return found;
    }
    // The card a card played onto the spot must fit on; 0 for an empty spot.
    int target(int spot) const { return top_[spot] != 0 ? top_[spot] : first_[spot]; }
    int rounds() const { return rounds_; }

private:
    void follow(const std::string& line) {
        const std::string word = line.substr(0, line.find('+'));
        const std::vector<int> f = fields(line);
        if (word == "CMD_roundstart") {
            ++rounds_;
        } else if (word == "CMD_foundcards" && f.size() >= 8) {
            for (int i = 0; i < 4; ++i) {
                first_[f[2 * i]] = f[2 * i + 1];
                top_[f[2 * i]] = 0;
            }
        } else if (word == "CMD_playhand" && f.size() >= 4) {
            (f[2] == 1 ? first_ : top_)[f[1]] = f[3];
        } else if (word == "CMD_playtab" && f.size() >= 6) {
            first_[f[1]] = top_[f[1]] = 0;
            first_[f[2]] = f[3];
            top_[f[2]] = f[5] > 1 ? f[4] : 0;
        } else if (word == "CMD_foundtab" && f.size() >= 4) {
            first_[f[3]] = top_[f[3]] = 0;
        }
    }

    TestClient& client_;
    std::size_t read_ = 0;
    std::array<int, 5> first_{};
    std::array<int, 5> top_{};
    int rounds_ = 0;
};

std::unique_ptr<TestClient> join(const std::string& name) {
    auto client = std::make_unique<TestClient>(tablePort);
    client->login(name);
    client->waitForPrefix("CMD_newplayerinfo+" + std::to_string(client->slot()) + "+");
    return client;
}

// The hand a seat's own client knows this round: dealt cards and drawn ones, by position.
std::string handOf(const TestClient& client) {
    std::map<int, int> hand;
    const std::string seat = std::to_string(client.slot());
    for (const std::string& line : client.lines()) {
        const std::vector<int> f = fields(line);
        if (line.rfind("CMD_roundstart+", 0) == 0) hand.clear();
        if (line.rfind("CMD_mycards+" + seat + "+", 0) == 0)
            for (std::size_t i = 1; i + 1 < f.size(); i += 2)
                hand[f[i]] = f[i + 1];
        if (line.rfind("CMD_ending+" + seat + "+", 0) == 0 && f.size() >= 3 && f[2] != 0)
            hand[f[1]] = f[2];
    }
    std::string text = "CMD_mycards+" + seat;
    for (const auto& [position, card] : hand)
        text += "+" + std::to_string(position) + "+" + std::to_string(card);
    return text;
}

// --- Where the table's pieces are, inside the board ---

QPoint centre(layout::Point p) {
    return {p.left + layout::cardWidth / 2, p.top + layout::cardHeight / 2};
}
QPoint centre(layout::Rect r) { return {r.left + r.width / 2, r.top + r.height / 2}; }
// The strip of a hand card that the next card does not cover.
QPoint handCard(int position) {
    return {layout::handLeft(position) + 9, layout::handTop + layout::cardHeight / 2};
}
QPoint tabSpot(int spot) { return centre(layout::tabFirst[spot - 1]); }
// The game start window's start button: 135 x 29 at 61, 165.
const QPoint dialogStart{61 + 67, 165 + 14};

// The smallest board is 768 x 530; a window `scale` times as wide, and tall enough with
// 50 px to spare for the menu bar, draws the table `scale` times as large.
ProgramOptions onTheDisplay(int scale) {
    ProgramOptions options;
    options.platform = "xcb";
    options.settings = "[Tessarine]\r\nHelp=2\r\nPlaytoscore=50\r\nTimeperturn=200\r\n";
    if (scale != 1)
        options.settings += "Width=" + QByteArray::number(768 * scale) +
                            "\r\nHeight=" + QByteArray::number(530 * scale + 50) + "\r\n";
    options.dismissMs = 100;
    return options;
}

// Ann hosts on the display with Pat and Quin seated at her table over TCP.
class ProgramMouse : public ::testing::Test {
protected:
    explicit ProgramMouse(int scale = 1)
        : scale(scale), ann({"Ann", "127.0.0.1", "true"}, onTheDisplay(scale)) {}

    void SetUp() override {
        for (const char* tool : {"xdotool", "import"})
            ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty())
                << tool << " is missing; scripts/install-deps.sh installs it";
        ASSERT_TRUE(ann.logged("logged in after")) << ann.log.toStdString();
        pat = join("Pat");
        quin = join("Quin");
        ASSERT_EQ(quin->slot(), 3);
        table = std::make_unique<Follower>(*pat);
        pat->send("CMD_chat+2+Good luck, everybody!|clNavy");
        quin->send("CMD_action+3+waves hello|clMaroon");
        ASSERT_NE(quin->waitForPrefix("CMD_action+3+"), "");
        window = findWindow("^Tessarine$");
        ASSERT_TRUE(window) << "no main window on the display\n" << ann.log.toStdString();
        board = boardOrigin(*window, shotFile);
        ASSERT_TRUE(board) << "no table in the main window";
    }

    // A point of the table in design units, on the screen.
    QPoint on(QPoint design) const {
        return *board + QPoint(design.x() * scale, design.y() * scale);
    }

    void startGameByMouse() {
        click(on(centre(layout::start)));
        const std::optional<QRect> dialog = findWindow("Game Start");
        ASSERT_TRUE(dialog) << "START GAME did not open the game start window";
        click(dialog->topLeft() + dialogStart);
    }

    // Turns go round: the test seats draw, Ann tries her cards on the tab spots until the
    // host accepts one, and draws from the pile by the mouse when none fits.
    void playACardByMouse() {
        const std::map<int, TestClient*> testSeats{{2, pat.get()}, {3, quin.get()}};
        int round = table->rounds();
        QElapsedTimer clock;
        clock.start();
        while (played.empty() && clock.elapsed() < 150000 && !HasFailure()) {
            const std::string next = table->next({"CMD_nextplayer+"}, 30000);
            ASSERT_NE(next, "") << "the turn did not pass on";
            const int seat = fields(next).at(0);
            if (const auto player = testSeats.find(seat); player != testSeats.end()) {
                player->second->send("CMD_endturn+" + std::to_string(seat) + "+");
                continue;
            }
            ASSERT_EQ(seat, 1);
            if (table->rounds() != round) {  // an empty pile ended the round: a new deal
                round = table->rounds();
                handSize = 7;
                refused.clear();
            }
            tryEveryCard();
            if (!played.empty()) break;
            click(on(centre(layout::topcard)));
            // An answer to a try that came later than waited for makes the pile click void.
            const std::string after =
                table->next({"CMD_ending+1+", "CMD_nomorecards+", "CMD_playhand+1+"}, 10000);
            ASSERT_NE(after, "") << "a click on the pile drew no card";
            if (after.rfind("CMD_playhand+", 0) == 0) played = after;
            ++handSize;
        }
    }

    void tryEveryCard() {
        for (int position = 1; position <= handSize && played.empty(); ++position) {
            bool raised = false;
            for (int spot = 1; spot <= 4 && played.empty(); ++spot) {
                const int target = table->target(spot);
                // Nothing goes onto a king or an ace, and each try is made once.
                if (isKing(target) || isAce(target) || refused.count({position, spot, target}))
                    continue;
                if (!raised) click(on(handCard(position)));  // raises it
                raised = true;
                click(on(tabSpot(spot)));
                tried.insert({position, spot});
                refused.insert({position, spot, target});
                // A refused try sends nothing; an answer that comes late is still matched.
                played = table->next({"CMD_playhand+1+"}, 200);
            }
        }
    }

    const int scale;
    Program ann;
    const QString shotFile = ann.dir.filePath("screen.png");
    std::unique_ptr<TestClient> pat;
    std::unique_ptr<TestClient> quin;
    std::unique_ptr<Follower> table;  // what Pat hears
    std::optional<QRect> window;
    std::optional<QPoint> board;

    std::set<std::pair<int, int>> tried;          // hand position, tab spot
    std::set<std::tuple<int, int, int>> refused;  // ... and the card the spot showed
    int handSize = 7;                             // nothing leaves Ann's hand before her move
    std::string played;                           // the host's answer to Ann's move
};

TEST_F(ProgramMouse, StartsAGameAndPlaysACardByTheMouse) {
    ASSERT_NO_FATAL_FAILURE(startGameByMouse());
    ASSERT_EQ(table->next({"CMD_startgame+"}, 10000), "CMD_startgame+Ann+50+200+");
    ASSERT_NO_FATAL_FAILURE(playACardByMouse());
    ASSERT_NE(played, "") << "no card of Ann's fitted in " << handSize - 7 << " draws";
    const std::vector<int> move = fields(played);  // seat, spot, count, card, hand position
    ASSERT_EQ(move.size(), 6u);
    EXPECT_TRUE(tried.count({move[4], move[1]})) << played;
    EXPECT_TRUE(isCard(move[3])) << played;

    // The table in mid-game, kept for the docs.
    const QImage shot = settledScreenshot(shotFile);
    EXPECT_TRUE(shot.copy(*window).save(QStringLiteral(SCREENSHOT_DIR "/mid_game_table.png")));

    // Quin drops out mid-game without a word; the newcomer in slot 3 takes over the hand.
    const std::string quinsHand = handOf(*quin);
    quin->killHard();
    EXPECT_EQ(table->next({"CMD_playerdisconnected+"}, 10000), "CMD_playerdisconnected+3+Quin");
    TestClient rex(tablePort);
    ASSERT_EQ(rex.slot(), 3);
    rex.login("Rex");
    EXPECT_EQ(rex.waitForPrefix("CMD_mycards+"), quinsHand);
    EXPECT_EQ(rex.waitForPrefix("CMD_gamestats+").rfind("CMD_gamestats+3+50+200+", 0), 0u);
    EXPECT_EQ(table->next({"CMD_newplayerinfo+3+"}, 5000), "CMD_newplayerinfo+3+Rex+0");

    // The host goes: every player's connection closes.
    EXPECT_TRUE(ann.running());
    EXPECT_FALSE(ann.log.contains("Ignored a line")) << ann.log.toStdString();
    ann.process.terminate();
    EXPECT_TRUE(pat->waitClosed(10000));
    EXPECT_TRUE(rex.waitClosed(10000));
}

// The same table in a window twice the size: the board drawn twice as large, the
// clicks on its cards and spots still reaching them.
class ProgramMouseLarge : public ProgramMouse {
protected:
    ProgramMouseLarge() : ProgramMouse(2) {}
};

TEST_F(ProgramMouseLarge, PlaysAMoveAtTwiceTheSize) {
    EXPECT_EQ(window->width(), 768 * 2);
    ASSERT_NO_FATAL_FAILURE(startGameByMouse());
    ASSERT_EQ(table->next({"CMD_startgame+"}, 10000), "CMD_startgame+Ann+50+200+");
    ASSERT_NO_FATAL_FAILURE(playACardByMouse());
    ASSERT_NE(played, "") << "no card of Ann's fitted in " << handSize - 7 << " draws";
    const std::vector<int> move = fields(played);
    ASSERT_EQ(move.size(), 6u);
    EXPECT_TRUE(tried.count({move[4], move[1]})) << played;

    const QImage shot = settledScreenshot(shotFile);
    EXPECT_TRUE(
        shot.copy(*window).save(QStringLiteral(SCREENSHOT_DIR "/mid_game_table_large.png")));
}

// The most memory the process has held, from the system's account of it.
long peakMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toLong() / 1024;
    return -1;
}

// Stored window keys far beyond any screen: the window opens on the display and no
// larger than it, and the program stays small.
TEST(ProgramWindow, AStoredPlacementFarOffTheScreenOpensOnTheDisplay) {
    ProgramOptions options;
    options.platform = "xcb";
    options.settings =
        "[Tessarine]\r\nHelp=2\r\nWidth=100000\r\nHeight=100000\r\n"
        "Top=-2147483648\r\nLeft=-2147483648\r\n";
    Program solo({}, options);
    ASSERT_TRUE(solo.logged("logged in after", 30000)) << solo.log.toStdString();
    const QStringList size = run("xdotool", {"getdisplaygeometry"}).split(' ');
    ASSERT_EQ(size.size(), 2);
    const QRect display(0, 0, size[0].toInt(), size[1].toInt());
    std::optional<QRect> window;
    EXPECT_TRUE(pollUntil(
        [&] {
            window = findWindow("^Tessarine$");
            return window && display.contains(*window);
        },
        5000))
        << (window ? window->width() : -1) << " x " << (window ? window->height() : -1);
    EXPECT_LT(peakMiB(solo.process.processId()), 200);
    solo.process.terminate();
    EXPECT_TRUE(solo.ended());
}

}  // namespace
}  // namespace tess::testing
