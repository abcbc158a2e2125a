#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "client/windows/gamestart_form.h"
#include "records/settings_file.h"
#include "widgets/up_down.h"

namespace tess {
namespace {

class GameStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.setOwnName(QStringLiteral("Ann"));
        QObject::connect(&form, &Tgamestart::sendLine,
                         [this](const std::string& line) { events.push_back("send " + line); });
        form.setSaveSettings(
            [this] { events.push_back(form.isVisible() ? "save while shown" : "save"); });
    }

    static void click(QToolButton* arrow, int times) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(arrow, Qt::LeftButton);
    }

    Tgamestart form;
    std::vector<std::string> events;
};

TEST_F(GameStartTest, ShowsTheDesignedWindow) {
    form.show();
    EXPECT_EQ(form.windowTitle(), "Tessarine - Game Start");
    EXPECT_EQ(form.size(), QSize(257, 205));
    EXPECT_EQ(form.edit_playtoscore()->geometry(), QRect(160, 42, 41, 28));
    EXPECT_EQ(form.edit_timeperturn()->geometry().topLeft(), QPoint(160, 74));
    EXPECT_EQ(form.edit_tableplayers()->geometry(), QRect(160, 106, 41, 28));
    EXPECT_EQ(form.button_start()->geometry(), QRect(61, 165, 135, 29));
    EXPECT_EQ(form.edit_playtoscore()->text(), "100");
    EXPECT_EQ(form.edit_timeperturn()->text(), "90");
    EXPECT_EQ(form.edit_tableplayers()->text(), "2");
    QStringList captions;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        captions << label->text();
        // No caption is cut off, in whatever face stands in for Arial here.
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->text().toStdString();
    }
    for (const char* text : {"Game Options", "Play to Score:", "Time Per Turn", "secs",
                             "Players at the table", "Score 50–200, 30–200 secs, 2–4 players."})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(text))) << text;
    // A spinner sits right beside its field.
    EXPECT_EQ(form.updown_playtoscore()->geometry().left(), 201);
    EXPECT_EQ(form.updown_tableplayers()->geometry().left(), 201);
    form.grab().save("/tmp/forms_shots/gamestart.png");
}

struct SpinnerCase {
    const char* name;
    UpDown* (Tgamestart::*spinner)() const;
    QLineEdit* (Tgamestart::*field)() const;
    int design, minimum, maximum, step;
};

class GameStartSpinnerTest : public GameStartTest,
                             public ::testing::WithParamInterface<SpinnerCase> {};

TEST_P(GameStartSpinnerTest, StepsAndStopsAtBothEnds) {
    const SpinnerCase& c = GetParam();
    UpDown* spin = (form.*c.spinner)();
    QLineEdit* field = (form.*c.field)();
    form.show();

    click(spin->upButton(), 1);
    EXPECT_EQ(field->text(), QString::number(c.design + c.step));
    click(spin->upButton(), 30);
    EXPECT_EQ(spin->value(), c.maximum);
    EXPECT_EQ(field->text(), QString::number(c.maximum));

    click(spin->downButton(), 1);
    EXPECT_EQ(spin->value(), c.maximum - c.step);
    click(spin->downButton(), 30);
    EXPECT_EQ(spin->value(), c.minimum);  // no wrapping to the top
    EXPECT_EQ(field->text(), QString::number(c.minimum));

    // The arrow keys in the field step too.
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(spin->value(), c.minimum + c.step);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(spin->value(), c.minimum);

    // Typed digits count once Enter is pressed, clamped to the range; letters are not taken.
    struct Typed {
        QString keys;
        int taken;
    };
    for (const Typed& t :
         {Typed{QString::number(c.maximum - c.step), c.maximum - c.step}, Typed{"9999", c.maximum},
          Typed{"1", c.minimum}, Typed{"x", c.minimum}}) {
        field->selectAll();
        QTest::keyClicks(field, t.keys);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(spin->value(), t.taken) << t.keys.toStdString();
        EXPECT_EQ(field->text(), QString::number(t.taken)) << t.keys.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spinners, GameStartSpinnerTest,
    ::testing::Values(SpinnerCase{"PlayToScore", &Tgamestart::updown_playtoscore,
                                  &Tgamestart::edit_playtoscore, 100, 50, 200, 10},
                      SpinnerCase{"TimePerTurn", &Tgamestart::updown_timeperturn,
                                  &Tgamestart::edit_timeperturn, 90, 30, 200, 10},
                      SpinnerCase{"TablePlayers", &Tgamestart::updown_tableplayers,
                                  &Tgamestart::edit_tableplayers, 2, 2, 4, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameStartTest, StartSendsTheRequestThenHidesAndSaves) {
    form.showCentred();
    click(form.updown_playtoscore()->upButton(), 5);
    click(form.updown_timeperturn()->downButton(), 5);
    QTest::mouseClick(form.button_start(), Qt::LeftButton);

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"send CMD_startgame+Ann+150+40+", "save"}));
}

// A number typed and not yet confirmed is what START GAME sends.
TEST_F(GameStartTest, StartTakesANumberStillBeingTyped) {
    form.showCentred();
    form.edit_playtoscore()->selectAll();
    QTest::keyClicks(form.edit_playtoscore(), "75");
    QTest::mouseClick(form.button_start(), Qt::LeftButton);
    EXPECT_EQ(events.front(), "send CMD_startgame+Ann+75+90+");
}

TEST_F(GameStartTest, TheTableSizeGoesAfterTheTimeOnlyWhenItIsNotTwo) {
    struct Case {
        int ups, downs;
        std::string sent;
    };
    // A two-player start is the request older hosts know; they ignore a fourth field.
    for (const Case& c :
         {Case{0, 0, "CMD_startgame+Ann+100+90+"}, Case{1, 0, "CMD_startgame+Ann+100+90+3+"},
          Case{5, 0, "CMD_startgame+Ann+100+90+4+"}, Case{5, 2, "CMD_startgame+Ann+100+90+"}}) {
        events.clear();
        form.setTablePlayers(2);
        form.showCentred();
        click(form.updown_tableplayers()->upButton(), c.ups);
        click(form.updown_tableplayers()->downButton(), c.downs);
        QTest::mouseClick(form.button_start(), Qt::LeftButton);
        EXPECT_EQ(events, (std::vector<std::string>{"send " + c.sent, "save"}));
    }
}

TEST_F(GameStartTest, TheTableSizeIsStoredOnlyWhenItIsNotTwoOrWasStoredBefore) {
    Settings settings;
    form.applySettings(settings);
    form.storeSettings(settings);
    EXPECT_FALSE(settings.tablePlayers.has_value());
    form.setTablePlayers(3);
    form.storeSettings(settings);
    EXPECT_EQ(settings.tablePlayers, 3);
    form.setTablePlayers(2);  // back to two: the stored three must not come back
    form.storeSettings(settings);
    EXPECT_EQ(settings.tablePlayers, 2);

    Tgamestart fromFile;  // a file that holds three, set back to two
    Settings stored;
    stored.tablePlayers = 3;
    fromFile.applySettings(stored);
    fromFile.setTablePlayers(2);
    fromFile.storeSettings(stored);
    EXPECT_EQ(stored.tablePlayers, 2);
}

TEST_F(GameStartTest, EveryCaptionFitsInsideTheWindowsMargins) {
    const QList<QLabel*> labels = form.findChildren<QLabel*>();
    ASSERT_GE(labels.size(), 5);
    for (const QLabel* label : labels) {
        SCOPED_TRACE(label->text().toStdString());
        const QRect r = label->geometry();
        const int textWidth = QFontMetrics(label->font()).horizontalAdvance(label->text());
        EXPECT_LE(textWidth, r.width());
        if (r.width() == form.width()) continue;  // the title, centred across the window
        EXPECT_GE(r.left(), 12);
        EXPECT_LE(r.right(), form.width() - 12);
    }
}

TEST_F(GameStartTest, TheNameIsCleanedBeforeItIsSent) {
    form.setOwnName(QStringLiteral("A+B"));
    form.show();
    QTest::mouseClick(form.button_start(), Qt::LeftButton);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "send CMD_startgame+A-B+100+90+");
}

TEST_F(GameStartTest, ClosingTheWindowSendsNothing) {
    form.show();
    click(form.updown_playtoscore()->upButton(), 2);
    form.close();
    EXPECT_TRUE(events.empty());
    // The values stay for the next showing.
    form.showCentred();
    EXPECT_EQ(form.playToScore(), 120);
}

struct SettingsCase {
    const char* name;
    std::optional<int> playToScore, timePerTurn;
    int shownScore, shownTurn;
};

class GameStartSettingsTest : public GameStartTest,
                              public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(GameStartSettingsTest, TakesTheValuesOfTheSettingsFile) {
    const SettingsCase& c = GetParam();
    form.setPlayToScore(170);
    form.setTimePerTurn(110);
    Settings s;
    s.playToScore = c.playToScore;
    s.timePerTurn = c.timePerTurn;
    form.applySettings(s);
    EXPECT_EQ(form.edit_playtoscore()->text(), QString::number(c.shownScore));
    EXPECT_EQ(form.edit_timeperturn()->text(), QString::number(c.shownTurn));
}

INSTANTIATE_TEST_SUITE_P(
    Values, GameStartSettingsTest,
    ::testing::Values(SettingsCase{"FileDefaults", 100, 60, 100, 60},
                      SettingsCase{"UnreadableScoreKeepsTheSpinner", std::nullopt, 60, 170, 60},
                      SettingsCase{"UnreadableTimeKeepsTheSpinner", 130, std::nullopt, 130, 110},
                      SettingsCase{"AboveAndBelowAreClamped", 500, 5, 200, 30},
                      SettingsCase{"NegativeAndHugeAreClamped", -20, 1000, 50, 200},
                      SettingsCase{"BetweenStepsIsKept", 95, 45, 95, 45}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameStartTest, AValueBetweenStepsStepsOnFromItself) {
    form.setPlayToScore(195);
    QTest::mouseClick(form.updown_playtoscore()->downButton(), Qt::LeftButton);
    EXPECT_EQ(form.playToScore(), 185);
    click(form.updown_playtoscore()->upButton(), 2);
    EXPECT_EQ(form.playToScore(), 200);
}

TEST_F(GameStartTest, StartedValuesAreReadBackFromTheSettingsFile) {
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("orvanelobby.ini"));
    form.setSaveSettings([&] {
        Settings s;
        form.storeSettings(s);
        ASSERT_TRUE(file.save(s));
    });
    form.show();
    click(form.updown_playtoscore()->downButton(), 3);
    click(form.updown_timeperturn()->upButton(), 4);
    click(form.updown_tableplayers()->upButton(), 1);
    QTest::mouseClick(form.button_start(), Qt::LeftButton);

    Tgamestart next;
    next.applySettings(file.load());
    EXPECT_EQ(next.playToScore(), 70);
    EXPECT_EQ(next.timePerTurn(), 130);
    EXPECT_EQ(next.tablePlayers(), 3);
}

TEST_F(GameStartTest, TheTableSizeKeyOfTheSettingsFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("orvanelobby.ini");
    struct Case {
        const char* file;
        int shown;
    };
    // Absent means two; unreadable leaves the spinner; out of range is clamped.
    for (const Case& c : {Case{"", 2}, Case{"TablePlayers=4\n", 4}, Case{"tableplayers=3\n", 3},
                          Case{"TablePlayers=many\n", 3}, Case{"TablePlayers=9\n", 4},
                          Case{"TablePlayers=1\n", 2}}) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray("[Tessarine]\nPlaytoscore=150\n") + c.file);
        out.close();
        form.setTablePlayers(3);
        form.applySettings(SettingsFile(path).load());
        EXPECT_EQ(form.tablePlayers(), c.shown) << c.file;
        EXPECT_EQ(form.playToScore(), 150) << c.file;
    }
}

}  // namespace
}  // namespace tess
