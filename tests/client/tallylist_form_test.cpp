#include "client/windows/tallylist_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "records/tally_store.h"
#include "social/message_box.h"

namespace tess {
namespace {

using Row = TallyTable::Row;

// The user in seat 1 against Klot and Wren.
const TallySeats atTable{{"You", "Klot", "Wren", "<Waiting>"}, 1};

QStringList texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

std::vector<bool> checks(const QListWidget* list) {
    std::vector<bool> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->checkState() == Qt::Checked);
    return out;
}

// A mouse click on the check box of entry `row`, as the user makes it.
void clickCheck(QListWidget* list, int row) {
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(list->item(row));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

QStringList detail(const Ttallylist& w) {
    QStringList out;
    for (int i = 0; i < 8; ++i)
        out << w.detailFigure(i)->text();
    return out;
}

// The one-line message boxes on screen with this text.
int boxesShowing(const QString& text) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box && box->isVisible() && box->text() == text) ++n;
    }
    return n;
}

class TallylistTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path() const { return dir.filePath("Tessarinetally.tld"); }

    std::unique_ptr<Ttallylist> start(const QString& file = {}) {
        const QString at = file.isEmpty() ? path() : file;
        auto w = std::make_unique<Ttallylist>(at, [this](const QString& text) {
            reports << text;
            showMessage(nullptr, text);
        });
        QCoreApplication::processEvents();
        return w;
    }

    static void answer(Ttallylist& w, const QString& text, QMessageBox::StandardButton button) {
        QMessageBox* box = w.question();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->text(), text);
        box->button(button)->click();
        QCoreApplication::processEvents();
    }

    void writeFile(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QStringList reports;
};

TEST_F(TallylistTest, WithoutAFileStartsEmptyAndWritesTheFileOnlyAtExit) {
    auto w = start();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(w->tally().table(), TallyTable::initial());
    EXPECT_EQ(w->listbox_tally()->count(), 0);
    EXPECT_EQ(w->totalGamesFigure()->text(), "0");
    EXPECT_EQ(w->windowTitle(), "Tessarine - Tally List");
    w.reset();
    EXPECT_TRUE(reports.isEmpty());
    ASSERT_TRUE(QFile::exists(path()));
    EXPECT_EQ(loadTallyFile(path())->value, TallyTable::initial());
}

TEST_F(TallylistTest, CheckingAPlayerInTheGameFollowsHimAndUncheckingDoesNotStop) {
    auto w = start();
    w->ViewTally1Click(atTable);
    EXPECT_EQ(texts(w->checklist()), (QStringList{"Klot", "Wren"}));
    EXPECT_EQ(checks(w->checklist()), (std::vector<bool>{false, false}));

    clickCheck(w->checklist(), 0);
    EXPECT_EQ(texts(w->listbox_tally()), QStringList{"Klot"});
    EXPECT_EQ(checks(w->listbox_tally()), std::vector<bool>{true});
    EXPECT_EQ(w->tally().table().rows.at(1), (Row{"Klot", "0", "0", "0", "0", "0", "0", "0", "0"}));

    clickCheck(w->checklist(), 0);
    EXPECT_EQ(checks(w->checklist()), (std::vector<bool>{false, false}));
    EXPECT_EQ(w->tally().followedCount(), 1u);
    EXPECT_EQ(w->question(), nullptr);

    // The next rebuild shows him checked again.
    w->addgame("Wren", atTable);
    EXPECT_EQ(checks(w->checklist()), (std::vector<bool>{true, false}));
}

TEST_F(TallylistTest, UncheckingAFollowedPlayerAsksBeforeDeletingHisTally) {
    auto w = start();
    w->ViewTally1Click(atTable);
    clickCheck(w->checklist(), 0);
    clickCheck(w->checklist(), 1);
    w->addgame("Wren", atTable);
    const QString question = "This will delete Klot's Tally, Are you want to delete it?";

    clickCheck(w->listbox_tally(), 0);
    answer(*w, question, QMessageBox::No);
    EXPECT_EQ(checks(w->listbox_tally()), (std::vector<bool>{true, true}));
    EXPECT_EQ(w->tally().followedCount(), 2u);

    clickCheck(w->listbox_tally(), 0);
    answer(*w, question, QMessageBox::Yes);
    EXPECT_EQ(texts(w->listbox_tally()), QStringList{"Wren"});
    ASSERT_EQ(w->tally().table().rows.size(), 2u);
    EXPECT_EQ(w->tally().table().rows[1], (Row{"Wren", "1", "1", "0", "0", "1", "1", "0", "0"}));
    EXPECT_EQ(checks(w->checklist()), (std::vector<bool>{false, true}));

    clickCheck(w->listbox_tally(), 0);
    answer(*w, "This will delete Wren's Tally, Are you want to delete it?", QMessageBox::Yes);
    EXPECT_EQ(w->tally().table().rows.size(), 1u);
    EXPECT_EQ(w->tally().cell(0, 1), "1");
}

TEST_F(TallylistTest, SelectingAPlayerShowsHisTallyAndCountingRefreshesIt) {
    auto w = start();
    w->ViewTally1Click(atTable);
    clickCheck(w->checklist(), 0);
    w->listbox_tally()->setCurrentRow(0);
    EXPECT_EQ(w->heading()->text(), "Klot's Tally");
    EXPECT_EQ(w->rowTitle()->text(), "Klot Wins:");

    w->addgame("Klot", atTable);
    w->addgame("addtomine", atTable);
    w->addgame("Wren", atTable);
    EXPECT_EQ(detail(*w), (QStringList{"3", "1", "1", "1", "3", "1", "1", "1"}));
    EXPECT_EQ(w->totalGamesFigure()->text(), "3");
    EXPECT_EQ(w->yourWinsFigure()->text(), "1");

    // Deleting the player on show clears the panel.
    clickCheck(w->listbox_tally(), 0);
    answer(*w, "This will delete Klot's Tally, Are you want to delete it?", QMessageBox::Yes);
    EXPECT_EQ(detail(*w), QStringList(8, "0"));
    EXPECT_FALSE(w->heading()->text().startsWith("Klot"));
}

TEST_F(TallylistTest, ASpyCountsNothing) {
    auto w = start();
    w->ViewTally1Click(atTable);
    clickCheck(w->checklist(), 0);
    w->addgame("Klot", {{"Ash", "Klot", "Wren", "<Waiting>"}, 7});
    EXPECT_EQ(w->totalGamesFigure()->text(), "0");
    EXPECT_EQ(w->tally().table().rows[1], (Row{"Klot", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST_F(TallylistTest, ResetAsksAndThenClearsEverything) {
    auto w = start();
    w->ViewTally1Click(atTable);
    clickCheck(w->checklist(), 0);
    w->addgame("addtomine", atTable);
    w->listbox_tally()->setCurrentRow(0);
    const QString question = "Are you sure you want to reset the Tally?";

    QTest::mouseClick(w->button_reset(), Qt::LeftButton);
    answer(*w, question, QMessageBox::No);
    EXPECT_EQ(w->tally().followedCount(), 1u);
    EXPECT_EQ(w->yourWinsFigure()->text(), "1");

    QTest::mouseClick(w->button_reset(), Qt::LeftButton);
    answer(*w, question, QMessageBox::Yes);
    EXPECT_EQ(w->listbox_tally()->count(), 0);
    EXPECT_EQ(w->tally().table().rows, std::vector<Row>{Row{}});
    EXPECT_EQ(w->totalGamesFigure()->text(), "0");
    EXPECT_EQ(w->yourWinsFigure()->text(), "0");
    EXPECT_EQ(detail(*w), QStringList(8, "0"));
    EXPECT_EQ(checks(w->checklist()), (std::vector<bool>{false, false}));

    QTest::mouseClick(w->button_done(), Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(TallylistTest, TotalsCarryOverToTheNextRunAndTheSessionStartsAtZero) {
    {
        auto first = start();
        first->ViewTally1Click(atTable);
        clickCheck(first->checklist(), 0);
        clickCheck(first->checklist(), 1);
        first->addgame("Klot", atTable);
        first->addgame("addtomine", atTable);
    }
    auto second = start();
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(texts(second->listbox_tally()), (QStringList{"Klot", "Wren"}));
    EXPECT_EQ(checks(second->listbox_tally()), (std::vector<bool>{true, true}));
    EXPECT_EQ(second->totalGamesFigure()->text(), "2");
    EXPECT_EQ(second->yourWinsFigure()->text(), "1");
    second->listbox_tally()->setCurrentRow(0);
    EXPECT_EQ(detail(*second), (QStringList{"2", "1", "1", "0", "0", "0", "0", "0"}));

    second->addgame("Wren", atTable);
    EXPECT_EQ(detail(*second), (QStringList{"3", "1", "1", "1", "1", "0", "0", "1"}));
}

TEST_F(TallylistTest, AnUnreadableFileIsReportedOnceAndKeptAside) {
    const QByteArray junk("this is no tally file");
    writeFile(path(), junk);
    const QString error = path() + " : Lzrw1 decompression : this file has no valid header !";
    {
        auto w = start();
        EXPECT_EQ(reports, QStringList{error});
        EXPECT_EQ(boxesShowing(error), 1);
        EXPECT_EQ(w->loadError(), error);
        EXPECT_EQ(w->movedAsideTo(), path() + ".bad");
        EXPECT_FALSE(QFile::exists(path()));
        // The program goes on with a fresh tally.
        w->addgame("addtomine", atTable);
        EXPECT_EQ(w->totalGamesFigure()->text(), "1");
    }
    EXPECT_EQ(readFile(path() + ".bad"), junk);
    EXPECT_EQ(loadTallyFile(path())->value->rows.at(0).at(1), "1");

    auto again = start();
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(again->totalGamesFigure()->text(), "1");
    again.reset();

    // A second damaged file does not replace the first one kept.
    writeFile(path(), "WRZL");
    auto third = start();
    EXPECT_EQ(reports.size(), 2);
    EXPECT_EQ(third->movedAsideTo(), path() + ".2.bad");
    EXPECT_EQ(readFile(path() + ".bad"), junk);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(top)) delete top;
}

TEST_F(TallylistTest, ASaveThatFailsIsToldOnce) {
    const QString missing = dir.filePath("gone/Tessarinetally.tld");
    auto w = start(missing);
    // Counting saves at once, so the user hears of it while still at the table.
    w->addgame("addtomine", atTable);
    const QString told =
        "The tally could not be saved: "
        "Lzrw1 (de)compression : Failed to open output file : " +
        missing;
    EXPECT_EQ(reports, QStringList{told});
    EXPECT_EQ(boxesShowing(told), 1);
    w->addgame("addtomine", atTable);
    EXPECT_FALSE(w->saveTable());
    w.reset();
    EXPECT_EQ(reports.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(top)) delete top;
}

TEST_F(TallylistTest, EveryChangeIsSavedAtOnce) {
    auto w = start();
    w->loadchecklist(atTable);
    w->checklist()->item(0)->setCheckState(Qt::Checked);
    ASSERT_TRUE(QFile::exists(path()));
    EXPECT_EQ(loadTallyFile(path())->value, w->tally().table());
    w->addgame("addtomine", atTable);
    EXPECT_EQ(loadTallyFile(path())->value, w->tally().table());
}

TEST_F(TallylistTest, LayoutPlacesThePanelsAndLists) {
    auto w = start();
    w->ViewTally1Click(atTable);
    EXPECT_EQ(w->size(), Ttallylist::clientSize);
    EXPECT_EQ(w->checklist()->geometry(), QRect(2, 247, 297, 98));
    EXPECT_EQ(w->listbox_tally()->geometry(), QRect(301, 19, 172, 297));
    EXPECT_EQ(w->button_reset()->text(), "Reset Tally");
    EXPECT_EQ(w->button_done()->text(), "Done");
    const QPixmap shot = w->grab();
    EXPECT_EQ(shot.size(), Ttallylist::clientSize * shot.devicePixelRatio());
    // Set TESS_SNAPSHOT_DIR to look the window over.
    const QString snapshots = qEnvironmentVariable("TESS_SNAPSHOT_DIR");
    if (!snapshots.isEmpty()) {
        clickCheck(w->checklist(), 0);
        w->addgame("Klot", atTable);
        w->listbox_tally()->setCurrentRow(0);
        w->grab().save(QDir(snapshots).filePath("tallylist.png"));
    }
}

}  // namespace
}  // namespace tess
