// What other players type (names here) is shown as text wherever it appears: never as
// markup that could change the table's look or load a picture or a file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <functional>

#include "client/table/board_view.h"
#include "client/table/tchat.h"
#include "client/windows/tallylist_form.h"
#include "social/message_box.h"
#include "social/spylist_form.h"
#include "tests/client/hosting_window.h"
#include "tests/support/table_play.h"

namespace tess::testing {
namespace {

const QString big = QStringLiteral("<font size=7 color=red>BIG</font>");
const QString picture = QStringLiteral("<img src=\"/etc/hostname\">x");
const QString bold = QStringLiteral("<b>Bold</b>");

class PeerTextTest : public HostingWindowTest {
protected:
    PeerTextTest() {
        open([this](Tchat& window) {
            spylist = new Tspylist(LinkState{[&window] { return window.link().connected(); },
                                             [&window] { return window.link().mySlot(); }},
                                   &window);
            tally = new Ttallylist(dir.filePath("Tessarinetally.tld"), {}, &window);
            Tchat::Windows windows;
            windows.spylist = spylist;
            windows.tally = tally;
            window.attachWindows(windows);
        });
    }

    Tspylist* spylist = nullptr;
    Ttallylist* tally = nullptr;
};

// The text a widget shows, and whether it shows it as plain text.
struct Shown {
    QString text;
    bool plain = false;
};

Shown of(const QLabel* label) {
    return label ? Shown{label->text(), label->textFormat() == Qt::PlainText} : Shown{};
}

// The open message box whose text ends so.
QMessageBox* openBox(const QString& ending) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w);
            box && box->isVisible() && box->text().endsWith(ending))
            return box;
    return nullptr;
}

TEST_F(PeerTextTest, NamesAreShownAsTheyWereTypedEverywhere) {
    auto ann = joinTable(server.port(), big.toStdString());
    auto bea = joinTable(server.port(), picture.toStdString());
    auto cy = joinTable(server.port(), "Cy");
    auto spy = joinTable(server.port(), bold.toStdString());
    ASSERT_TRUE(waitUntil([&] { return chatShows(bold + " is spying."); }));

    // Follow the first two, select the first, and ask to stop following the second.
    tally->loadchecklist({{"You", big.toStdString(), picture.toStdString(), "Cy"}, 1});
    tally->checklist()->item(0)->setCheckState(Qt::Checked);
    tally->checklist()->item(1)->setCheckState(Qt::Checked);
    tally->listbox_tally()->setCurrentRow(0);
    tally->listbox_tally()->item(1)->setCheckState(Qt::Unchecked);
    ASSERT_NE(tally->question(), nullptr);

    BoardView* board = chat->board();
    struct Place {
        const char* what;
        std::function<Shown()> shown;
        QString expected;
    };
    const std::vector<Place> places{
        {"SeatLabel", [&] { return of(board->label_playername(2)); }, big},
        {"SeatLabelPicture", [&] { return of(board->label_playername(3)); }, picture},
        {"SpyList",
         [&] {
             return Shown{spylist->listbox_spys()->item(0)->text(), true};
         },
         "5: " + bold},
        {"ChatNotice",
         [&] {
             return Shown{chat->chat()->view()->toPlainText(), true};
         },
         big + " is Connected."},
        {"TallyHeading", [&] { return of(tally->heading()); }, big + "'s Tally"},
        {"TallyRowTitle", [&] { return of(tally->rowTitle()); }, big + " Wins:"},
        {"TallyQuestion",
         [&] {
             QMessageBox* box = tally->question();
             return Shown{box->text(), box->textFormat() == Qt::PlainText};
         },
         "This will delete " + picture + "'s Tally"},
        {"MessageBox",
         [&] {
             showMessage(chat.get(), big + " is not here");
             QMessageBox* box = openBox(QStringLiteral(" is not here"));
             Shown shown = box ? Shown{box->text(), box->textFormat() == Qt::PlainText} : Shown{};
             if (box) box->close();
             return shown;
         },
         big + " is not here"},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.what);
        const Shown shown = place.shown();
        EXPECT_TRUE(shown.text.contains(place.expected)) << shown.text.toStdString();
        EXPECT_TRUE(shown.plain);
    }
    tally->question()->close();
}

}  // namespace
}  // namespace tess::testing
