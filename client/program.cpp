#include "client/program.h"

#include <QDir>
#include <QFileInfo>

#include "client/gamestart_form.h"
#include "client/tallylist_form.h"
#include "records/tally_file.h"
#include "shell/about_form.h"
#include "shell/download_form.h"
#include "shell/help_form.h"
#include "social/message_box.h"
#include "social/phrases_form.h"
#include "social/spylist_form.h"

namespace tess {

Program::Program(TchatOptions options) : random_(SeededRandom::clockSeed()) {
    // The tally keeps to the settings' folder when a caller chose one.
    QString tallyPath;
    if (!options.settingsPath.isEmpty())
        tallyPath = QFileInfo(options.settingsPath)
                        .dir()
                        .filePath(QString::fromLatin1(tallyfile::fileName.data(),
                                                      tallyfile::fileName.size()));
    // The windows, in this order, then the host; help, about and the phrase editor wait
    // until asked for.
    chat_ = std::make_unique<Tchat>(nullptr, std::move(options));
    download_ = new Tdownload(chat_.get());
    gamestart_ = new Tgamestart(chat_.get());
    server_ = std::make_unique<TServer>(clock_, random_);
    spylist_ = new Tspylist(LinkState{[chat = chat_.get()] { return chat->link().connected(); },
                                      [chat = chat_.get()] { return chat->link().mySlot(); }},
                            chat_.get());
    // Saves itself when the main window, its parent, goes.
    tally_ = new Ttallylist(
        tallyPath, [chat = chat_.get()](const QString& text) { showMessage(chat, text); },
        chat_.get());

    Tchat::Windows windows;
    windows.about = [this] { return &about(); };
    windows.download = download_;
    windows.gamestart = gamestart_;
    windows.help = [this] { return &help(); };
    windows.phrases = [this] { return &phrases(); };
    windows.server = server_.get();
    windows.spylist = spylist_;
    windows.tally = tally_;
    chat_->attachWindows(windows);
}

Thelp& Program::help() {
    if (!help_) {
        help_ = new Thelp(chat_.get());
        QObject::connect(help_, &Thelp::aboutRequested, chat_.get(), [this] {
            Tabout& window = about();
            window.show();
            window.raise();
            window.activateWindow();
        });
    }
    return *help_;
}

Tphrases& Program::phrases() {
    if (!phrases_)
        phrases_ =
            new Tphrases(*chat_->phraseBar(), SettingsFile(chat_->settingsPath()), chat_.get());
    return *phrases_;
}

Tabout& Program::about() {
    if (!about_) about_ = new Tabout(chat_.get());
    return *about_;
}

}  // namespace tess
