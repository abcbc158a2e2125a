// The main window's links to the program's other windows: the View and Help menus and
// the windows that close the program.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "client/table/board_view.h"
#include "client/table/tchat.h"
#include "client/windows/gamestart_form.h"
#include "client/windows/tallylist_form.h"
#include "shell/download_form.h"
#include "shell/quick_instructions.h"
#include "social/phrases_form.h"
#include "social/spylist_form.h"

namespace tess {

namespace {

void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

QAction* item(QMenu* menu, const QString& caption, const char* name) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void Tchat::attachWindows(const Windows& windows) {
    windows_ = windows;
    if (windows.server) useServer(windows.server);

    if (windows.gamestart) {
        windows.gamestart->setOwnName(params_.name);
        connect(windows.gamestart, &Tgamestart::sendLine, this,
                [this](const std::string& line) { link_.send(line); });
        windows.gamestart->setSaveSettings([this] { saveinifile(); });
    }
    if (windows.spylist)
        connect(windows.spylist, &Tspylist::sendLine, this,
                [this](const std::string& line) { link_.send(line); });

    QMenu* view = menuBar()->addMenu(tr("&View"));
    if (windows.tally)
        connect(item(view, tr("View Tally"), "ViewTally1"), &QAction::triggered, this,
                [this] { windows_.tally->ViewTally1Click(tallySeats()); });
    if (windows.spylist)
        connect(item(view, tr("Spy List"), "SpyList1"), &QAction::triggered, windows.spylist,
                &Tspylist::SpyList1Click);
    if (windows.phrases)
        connect(item(view, tr("Phrase List"), "PhraseList1"), &QAction::triggered, this,
                [w = windows.phrases] { w()->showFromButtons(); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    if (windows.help) {
        QAction* content = item(help, tr("Content"), "Content1");
        content->setShortcut(QKeySequence(Qt::Key_F1));
        connect(content, &QAction::triggered, this, [w = windows.help] { bringUp(w()); });
    }
    help->addSeparator();
    if (windows.about)
        connect(item(help, tr("About"), "About1"), &QAction::triggered, this,
                [w = windows.about] { bringUp(w()); });
    QAction* quick = item(help, tr("Quick Instructions"), "QuickInstructions1");
    quick->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(quick, &QAction::triggered, panel_help_,
            &QuickInstructionsPanel::showQuickInstructions);
    // H is the board's own key; in the chat input it types an h.
    QAction* hint = item(help, tr("Hint"), "Hint1");
    hint->setShortcut(QKeySequence(Qt::Key_H));
    hint->setShortcutContext(Qt::WidgetShortcut);
    connect(hint, &QAction::triggered, this, [this] { board_->showHint(); });
    connect(help, &QMenu::aboutToShow, this,
            [this, hint] { hint->setEnabled(findHint(model_).has_value()); });

    // A lobby handed over or an installer started: this copy makes way.
    if (windows.download)
        connect(windows.download, &Tdownload::closeMainWindow, this, &QWidget::close);
    attachTableWindows();
}

TallySeats Tchat::tallySeats() const {
    TallySeats seats;
    for (int seat = 1; seat <= wire::seatCount; ++seat)
        seats.captions[seat - 1] = model_.seat(seat).name;
    seats.mySlot = model_.mySlot();
    return seats;
}

// A finished game counts for the user and the players the user follows.
void Tchat::addGame(const std::string& text) {
    if (windows_.tally) windows_.tally->addgame(text, tallySeats());
}

}  // namespace tess
