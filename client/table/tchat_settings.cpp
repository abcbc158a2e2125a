// The main window's preferences: reading and writing the settings file, the Options
// menu, and the window's placement.
#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QScreen>

#include "client/table/board_view.h"
#include "client/table/main_menu.h"
#include "client/table/tchat.h"
#include "client/windows/gamestart_form.h"
#include "net/server.h"
#include "shell/quick_instructions.h"
#include "shell/window_place.h"
#include "social/chat_panel.h"
#include "social/phrase_bar.h"

namespace tess {

namespace {

ColourValue fromQColor(const QColor& c) {
    return static_cast<ColourValue>(c.red()) | static_cast<ColourValue>(c.green()) << 8 |
           static_cast<ColourValue>(c.blue()) << 16;
}

}  // namespace

QRect Tchat::placement() const { return geometry(); }

// Kept inside the screen's available area, whatever the file says: what is saved later
// is what the window took.
void Tchat::setPlacement(int left, int top, int width, int height) {
    placeWindow(this, left, top, width, height);
}

void Tchat::loadinifile() {
    settings_ = file_.load();
    applySettings();
    if (!file_.unreadable() || saveFailureTold_) return;
    saveFailureTold_ = true;
    notice(tr("Your settings are not saved, and the defaults are used: ") + *file_.unreadable());
}

void Tchat::applySettings() {
    chat_->setTextSize(settings_.textSize);
    menu_->checkTextSize(settings_.textSize);
    setPlacement(settings_.left, settings_.top, settings_.width, settings_.height);
    // What the window really took (the board's minimum size may have grown it), so an
    // untouched window saves nothing when it closes.
    remembered_ = placement();
    chat_->setChatColour(settings_.textColor);
    menu_->checkBotSpeed(settings_.botSpeedMs);
    if (hosting_) server_->setBotSpeed(settings_.botSpeedMs);
    menu_->checkBotLevel(settings_.strongBot);
    if (hosting_) server_->setBotLevel(settings_.strongBot ? BotLevel::strong : BotLevel::classic);
    menu_->checkTurnSound(settings_.turnSound);
    menu_->checkLanguage(QString::fromStdString(file_.language()));
    model_.setTurnSound(settings_.turnSound);
    menu_->PlaySounds1->setChecked(settings_.playSounds);
    menu_->PlayerPhraseSounds1->setChecked(settings_.playerPhraseSounds);
    menu_->OpenPort1->setChecked(settings_.openRouterPort);
    sounds_.applySettings(settings_);
    phrases_->applySettings(settings_);
    if (settings_.showHelp) panel_help_->showQuickInstructions();
    if (windows_.gamestart) windows_.gamestart->applySettings(settings_);
}

void Tchat::saveinifile() {
    const QRect r = placement();
    settings_.left = r.left();
    settings_.top = r.top();
    settings_.width = r.width();
    settings_.height = r.height();
    remembered_ = r;
    settings_.textSize = chat_->textSize();
    settings_.textColor = chat_->chatColour();
    if (windows_.gamestart) windows_.gamestart->storeSettings(settings_);
    if (file_.save(settings_) || saveFailureTold_) return;
    // The game goes on; the user hears about it once.
    saveFailureTold_ = true;
    notice(tr("Your settings could not be saved: ") + file_.lastError());
}

void Tchat::closeEvent(QCloseEvent* event) {
    if (!leaving_ && !othersAtTable().isEmpty()) {
        event->ignore();
        askBeforeEnding(tr("Closing Tessarine ends your table for everybody at it: %1."),
                        tr("End the Table"), [this] { leave(); });
        return;
    }
    if (placement() != remembered_) {
        // A window larger than the desktop's work area is saved a little smaller.
        QRect r = placement();
        const QRect area = screen() ? screen()->availableGeometry() : r;
        if (r.width() > area.width()) r.setWidth(r.width() - 15);
        if (r.height() > area.height()) r.setHeight(r.height() - 15);
        setPlacement(r.left(), r.top(), r.width(), r.height());
        saveinifile();
    }
    QMainWindow::closeEvent(event);
}

void Tchat::connectOptionsMenu() {
    connect(menu_->PlaySounds1, &QAction::triggered, this, [this](bool checked) {
        settings_.playSounds = checked;
        sounds_.setPlaySounds(checked);
        saveinifile();
    });
    connect(menu_->PlayerPhraseSounds1, &QAction::triggered, this, [this](bool checked) {
        settings_.playerPhraseSounds = checked;
        sounds_.setPlayerPhraseSounds(checked);
        saveinifile();
    });
    connect(menu_, &MainMenu::turnSoundChosen, this, [this](int choice) {
        menu_->checkTurnSound(choice);
        settings_.turnSound = choice;
        model_.setTurnSound(choice);
        saveinifile();
    });
    connect(menu_, &MainMenu::botSpeedChosen, this, [this](int ms) {
        menu_->checkBotSpeed(ms);
        settings_.botSpeedMs = ms;
        if (hosting_) server_->setBotSpeed(ms);
        saveinifile();
    });
    connect(menu_, &MainMenu::botLevelChosen, this, [this](bool strong) {
        menu_->checkBotLevel(strong);
        settings_.strongBot = strong;
        if (hosting_)
            server_->setBotLevel(settings_.strongBot ? BotLevel::strong : BotLevel::classic);
        saveinifile();
    });
    connect(menu_->TextColor1, &QAction::triggered, this, [this] {
        // Qt's own dialog: a desktop's native one may need the GLib event loop, which this
        // program does not run.
        const QColor chosen = QColorDialog::getColor(toQColor(chat_->chatColour()), this, {},
                                                     QColorDialog::DontUseNativeDialog);
        if (!chosen.isValid()) return;
        chat_->setChatColour(fromQColor(chosen));
        saveinifile();
    });
    connect(menu_, &MainMenu::textSizeChosen, this, [this](int points) {
        chat_->setTextSize(points);
        menu_->uncheckTextSizes();
        menu_->checkTextSize(points);
        saveinifile();
    });
    // The windows are built in one language; the choice is used from the next start on.
    connect(menu_, &MainMenu::languageChosen, this, [this](const QString& setting) {
        menu_->checkLanguage(setting);
        if (file_.writeKey(SettingsFile::languageKey, setting.toStdString()))
            notice(tr("The language changes at the next start."));
        else
            notice(tr("Your settings could not be saved: ") + file_.lastError());
    });
    connect(menu_->ScrollChatOff2, &QAction::triggered, chat_, &ChatPanel::ScrollChatOff1Click);
    connect(chat_, &ChatPanel::scrollOffChanged, menu_->ScrollChatOff2, &QAction::setChecked);
    connect(menu_->ClearMainChat2, &QAction::triggered, chat_, &ChatPanel::ClearMainChat1Click);
    connect(menu_->JustWatch1, &QAction::triggered, this, &Tchat::JustWatch1Click);
    connect(this, &Tchat::justWatchChanged, menu_->JustWatch1, &QAction::setChecked);
    connect(menu_->OpenPort1, &QAction::triggered, this, [this](bool checked) {
        settings_.openRouterPort = checked;
        saveinifile();
        emit openRouterPortChanged(checked);
    });
    connect(menu_->ResetScreenLocation1, &QAction::triggered, this, [this] {
        setPlacement(Settings::defaultLeft, Settings::defaultTop, Settings::defaultWidth,
                     Settings::defaultHeight);
    });
}

// The check follows the host's reports only, never the click itself.
void Tchat::JustWatch1Click() {
    menu_->JustWatch1->setChecked(model_.justWatchChecked());
    model_.input().toggleJustWatch();
}

}  // namespace tess
