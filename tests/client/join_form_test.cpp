// The join and host windows, driven by the keyboard as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "client/joining/host_form.h"
#include "client/joining/join_form.h"
#include "tests/support/test_client.h"

namespace tess::testing {
namespace {

class JoinFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile ini(path());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Tessarine]\nPlayerName=Ann\nRecentTables=old.example 10.0.0.7\n");
    }
    QString path() const { return dir.filePath("orvanelobby.ini"); }
    QString settings() const {
        QFile ini(path());
        return ini.open(QIODevice::ReadOnly) ? QString::fromUtf8(ini.readAll()) : QString();
    }
    void type(QWidget* into, const QString& text) {
        into->setFocus();
        QTest::keyClicks(into, text);
    }

    QTemporaryDir dir;
};

// The address is remembered only once the table lets the player in (the main window's
// part); the name at once.
TEST_F(JoinFormTest, TheFirstEnterJoinsAsTheCleanName) {
    Tjoin join(path());
    QSignalSpy joined(&join, &Tjoin::joinRequested);
    join.show();
    EXPECT_EQ(join.nameField()->text(), "Ann");
    // The last tables joined, newest first, the newest already chosen.
    ASSERT_EQ(join.addressField()->count(), 2);
    EXPECT_EQ(join.addressField()->currentText(), "old.example");

    join.nameField()->clear();
    type(join.nameField(), "Ann+Lee");
    EXPECT_EQ(join.nameField()->text(), "Ann-Lee");  // as the host will show it
    join.addressField()->clearEditText();
    type(join.addressField(), "[::1]");
    QTest::keyClick(join.addressField(), Qt::Key_Return);
    ASSERT_EQ(joined.count(), 1);
    EXPECT_EQ(joined[0], (QList<QVariant>{"Ann-Lee", "::1"}));
    EXPECT_FALSE(join.isVisible());
    EXPECT_TRUE(settings().contains("PlayerName=Ann-Lee"));
    EXPECT_TRUE(settings().contains("RecentTables=old.example 10.0.0.7"));
}

TEST_F(JoinFormTest, WhatCannotBeJoinedIsSaidInTheWindow) {
    Tjoin join(path());
    QSignalSpy joined(&join, &Tjoin::joinRequested);
    join.show();
    const std::pair<const char*, const char*> cases[] = {
        {"not an address", "is not a host name"},
        {"tessarine://host.example/x", "holds a path"},
        {"", "Type the address"},
        {"0x7f.1", "four decimal numbers"},
    };
    for (const auto& [typed, said] : cases) {
        join.setAddress(QString::fromUtf8(typed));
        QTest::mouseClick(join.joinButton(), Qt::LeftButton);
        EXPECT_TRUE(join.problem()->isVisible()) << typed;
        EXPECT_TRUE(join.problem()->text().contains(said)) << join.problem()->text().toStdString();
    }
    // A screenful pasted into the field keeps the window's width; the field's tip has it.
    const int width = join.width();
    const QString paste(10000, QLatin1Char('a'));
    join.setAddress(paste);
    QTest::mouseClick(join.joinButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(join.problem()->isVisible());
    EXPECT_EQ(join.addressField()->toolTip(), paste);
    EXPECT_LE(join.width(), width);
    EXPECT_LE(join.minimumSizeHint().width(), width);
    join.setAddress("tessarine://[::1]");  // a pasted invitation
    join.nameField()->clear();
    QTest::mouseClick(join.joinButton(), Qt::LeftButton);
    EXPECT_TRUE(join.problem()->text().contains("name"));
    EXPECT_EQ(joined.count(), 0);
    join.nameField()->setText("Bo");
    QTest::mouseClick(join.joinButton(), Qt::LeftButton);
    ASSERT_EQ(joined.count(), 1);
    EXPECT_EQ(joined[0][1], "::1");
}

TEST_F(JoinFormTest, TablesOnTheNetworkAreListedAndEnterJoinsTheChosenOne) {
    Tjoin join(path());
    QSignalSpy joined(&join, &Tjoin::joinRequested);
    join.show();
    // Where nothing can be listed, the window says why and joining by address still works.
    EXPECT_FALSE(join.tableList()->isEnabled());
    EXPECT_TRUE(join.tableNote()->isVisible());
    const QString note = join.tableNote()->text();
    EXPECT_TRUE(note.endsWith(" You can still join a table by its address.")) << note.toStdString();
    EXPECT_LE(note.count("cannot be listed"), 1) << note.toStdString();

    FoundTable one{"Ann's table", "Ann", 2, 4, 1, false, "192.168.1.20", 7772};
    FoundTable two{"Cid's table", "Cid", 4, 4, 0, true, "fe80::2", 7772};
    join.showTables({one, two});
    EXPECT_TRUE(join.tableList()->isEnabled());
    EXPECT_FALSE(join.tableNote()->isVisible());
    ASSERT_EQ(join.tableList()->topLevelItemCount(), 2);
    const QTreeWidgetItem* row = join.tableList()->topLevelItem(1);
    EXPECT_EQ(row->text(0), "Cid");
    EXPECT_EQ(row->text(1), "4 of 4");
    EXPECT_EQ(row->text(2), "0");
    EXPECT_EQ(row->text(3), "playing");
    EXPECT_EQ(row->text(4), "fe80::2");

    // A stranger's long name keeps the other columns in view, whole in its tip; a table
    // at another port is shown and joined there.
    FoundTable far{"Far", QString(100, 'W'), 1, 4, 0, false, "fe80::3", 7773};
    // A table at an address joined before comes first, whatever else is announced.
    FoundTable known{"Old", "Olga", 1, 4, 0, false, "10.0.0.7", 7772};
    join.showTables({one, two, far, known});
    EXPECT_EQ(join.tableList()->topLevelItem(0)->text(0), "Olga");
    const QTreeWidgetItem* farRow = join.tableList()->topLevelItem(3);
    EXPECT_EQ(farRow->toolTip(0), far.hostName);
    EXPECT_EQ(farRow->text(4), "[fe80::3]:7773");
    EXPECT_LT(join.tableList()->columnWidth(0), join.width() / 2);
    EXPECT_LT(join.width(), 1000);
    join.showTables({one, two});

    join.tableList()->setFocus();
    QTest::keyClick(join.tableList(), Qt::Key_Down);  // the first row
    EXPECT_EQ(join.address(), "192.168.1.20");
    join.showTables({two, one});  // a change keeps the choice
    EXPECT_EQ(join.tableList()->currentItem()->text(0), "Ann");
    QTest::keyClick(join.tableList(), Qt::Key_Return);
    ASSERT_EQ(joined.count(), 1);
    EXPECT_EQ(joined[0][1], "192.168.1.20");

    join.show();
    join.showTables({});
    EXPECT_TRUE(join.tableNote()->isVisible());
    EXPECT_EQ(join.tableNote()->text(), "No tables found on this network yet.");
}

// The table this program hosts is marked by its announcement's name, which is unique on
// the network (its host's name is not); choosing it goes back to it instead of joining,
// which would end it for everybody at it.
TEST_F(JoinFormTest, TheUsersOwnTableIsMarkedAndChoosingItGoesBackToIt) {
    Tjoin join(path());
    QSignalSpy joined(&join, &Tjoin::joinRequested);
    QSignalSpy back(&join, &Tjoin::ownTableChosen);
    QString announced;
    join.setOwnTable([&announced] { return announced; });
    join.show();
    const FoundTable stranger{"Ann's table", "Ann", 1, 4, 0, false, "192.168.1.20", 7772};
    const FoundTable mine{"Ann's table #2", "Ann", 2, 4, 1, false, "192.168.1.5", 7772};
    const FoundTable known{"Old", "Olga", 1, 4, 0, false, "10.0.0.7", 7772};
    const auto rows = [&join] {
        QStringList texts;
        for (int i = 0; i < join.tableList()->topLevelItemCount(); ++i)
            texts << join.tableList()->topLevelItem(i)->text(0);
        return texts;
    };

    // Not announced (yet, or no longer): nothing is marked, though the names match.
    join.showTables({stranger, known, mine});
    EXPECT_EQ(rows(), (QStringList{"Olga", "Ann", "Ann"}));

    announced = mine.service;
    join.showTables({stranger, known, mine});
    EXPECT_EQ(rows(), (QStringList{"Ann (your table)", "Olga", "Ann"}));
    const QTreeWidgetItem* own = join.tableList()->topLevelItem(0);
    EXPECT_TRUE(own->font(0).bold());
    EXPECT_EQ(own->toolTip(0), "Ann (your table)");
    EXPECT_FALSE(join.tableList()->topLevelItem(2)->font(0).bold());

    // Chosen in the list, or its address typed: back to the table, nothing joined.
    join.tableList()->setFocus();
    join.tableList()->setCurrentItem(join.tableList()->topLevelItem(0));
    QTest::keyClick(join.tableList(), Qt::Key_Return);
    ASSERT_EQ(back.count(), 1);
    EXPECT_FALSE(join.isVisible());
    join.show();  // browsing again: the list as the network tells it
    join.showTables({stranger, known, mine});
    join.setAddress("192.168.1.5");
    QTest::mouseClick(join.joinButton(), Qt::LeftButton);
    EXPECT_EQ(back.count(), 2);
    EXPECT_EQ(joined.count(), 0);

    // The stranger of the same name is joined as any table is.
    join.show();
    join.showTables({stranger, known, mine});
    join.tableList()->setFocus();
    join.tableList()->setCurrentItem(join.tableList()->topLevelItem(2));
    QTest::keyClick(join.tableList(), Qt::Key_Return);
    ASSERT_EQ(joined.count(), 1);
    EXPECT_EQ(joined[0][1], "192.168.1.20");

    // Once the table has gone from the list, its address is an address like any other.
    join.show();
    join.showTables({stranger});
    join.setAddress("192.168.1.5");
    QTest::mouseClick(join.joinButton(), Qt::LeftButton);
    EXPECT_EQ(joined.count(), 2);
    EXPECT_EQ(back.count(), 2);
}

// Every control can be reached with Tab and has a name a screen reader can say; Esc
// closes either window.
TEST_F(JoinFormTest, KeysReachEveryControlAndEscCloses) {
    Tjoin join(path());
    Thost host(path());
    for (QDialog* window : {static_cast<QDialog*>(&join), static_cast<QDialog*>(&host)}) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QSet<QWidget*> reached;
        for (int i = 0; i < 12; ++i) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            // The address field's own line edit speaks for the field.
            if (qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
            reached << focus;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QList<QWidget*> controls;
        for (QWidget* control : window->findChildren<QWidget*>())
            if ((qobject_cast<QLineEdit*>(control) &&
                 !qobject_cast<QComboBox*>(control->parentWidget())) ||
                qobject_cast<QComboBox*>(control) || qobject_cast<QTreeWidget*>(control) ||
                qobject_cast<QPushButton*>(control))
                controls << control;
        EXPECT_GE(controls.size(), 3);
        for (QWidget* control : controls) {
            // The list of tables is off while nothing can be listed.
            if (control->isEnabled()) {
                EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();
            }
            EXPECT_FALSE(control->accessibleName().isEmpty())
                << control->objectName().toStdString();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(JoinFormTest, HostWindowTakesTheNameAndEnterHosts) {
    Thost host(path());
    QSignalSpy hosted(&host, &Thost::hostRequested);
    host.show();
    EXPECT_EQ(host.nameField()->text(), "Ann");
    EXPECT_TRUE(host.nameField()->hasFocus() || !host.isActiveWindow());
    host.nameField()->clear();
    QTest::keyClick(host.nameField(), Qt::Key_Return);
    EXPECT_EQ(hosted.count(), 0);  // no name, no table
    type(host.nameField(), "Zed");
    QTest::keyClick(host.nameField(), Qt::Key_Return);
    ASSERT_EQ(hosted.count(), 1);
    EXPECT_EQ(hosted[0][0], "Zed");
    EXPECT_TRUE(settings().contains("PlayerName=Zed"));
}

}  // namespace
}  // namespace tess::testing
