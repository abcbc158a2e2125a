#include "client/table/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "translations/language.h"

namespace tess {

QAction* MainMenu::checkable(QMenu* menu, const QString& text, const char* name, bool checked) {
    QAction* item = menu->addAction(text);
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar) {
    File = bar->addMenu(tr("&File"));
    StartGame1 = File->addAction(tr("Start Game"));
    StartGame1->setObjectName(QStringLiteral("StartGame1"));
    StartGame1->setEnabled(false);
    File->addSeparator();
    HostTable1 = File->addAction(tr("Host a Table…"));
    HostTable1->setObjectName(QStringLiteral("HostTable1"));
    JoinTable1 = File->addAction(tr("Join a Table…"));
    JoinTable1->setObjectName(QStringLiteral("JoinTable1"));
    FindOnline1 = File->addAction(tr("Find Players Online…"));
    FindOnline1->setObjectName(QStringLiteral("FindOnline1"));
    CopyInvitation1 = File->addAction(tr("Copy Invitation"));
    CopyInvitation1->setObjectName(QStringLiteral("CopyInvitation1"));
    CopyInvitation1->setEnabled(false);
    ListOnline1 = checkable(File, tr("List This Table Online"), "ListOnline1", false);
    ListOnline1->setEnabled(false);
    File->addSeparator();
    Exit1 = File->addAction(tr("Exit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));

    Options = bar->addMenu(tr("&Options"));
    PlaySounds1 = checkable(Options, tr("Play Sounds"), "PlaySounds1", true);
    PlayerPhraseSounds1 =
        checkable(Options, tr("Player Phrase Sounds"), "PlayerPhraseSounds1", true);

    QMenu* turnSound = Options->addMenu(tr("Turn Sound"));
    Classic1 = checkable(turnSound, tr("Classic"), "Classic1", true);
    New1 = checkable(turnSound, tr("New"), "New1", false);
    connect(Classic1, &QAction::triggered, this, [this] { emit turnSoundChosen(0); });
    connect(New1, &QAction::triggered, this, [this] { emit turnSoundChosen(1); });

    QMenu* botSpeed = Options->addMenu(tr("Bot Speed"));
    Slow1 = checkable(botSpeed, tr("Slow"), "Slow1", false);
    Normal1 = checkable(botSpeed, tr("Normal"), "Normal1", true);
    Fast1 = checkable(botSpeed, tr("Fast"), "Fast1", false);
    connect(Slow1, &QAction::triggered, this, [this] { emit botSpeedChosen(2000); });
    connect(Normal1, &QAction::triggered, this, [this] { emit botSpeedChosen(1000); });
    connect(Fast1, &QAction::triggered, this, [this] { emit botSpeedChosen(500); });

    QMenu* botLevel = Options->addMenu(tr("Bot Level"));
    ClassicBot1 = checkable(botLevel, tr("Classic"), "ClassicBot1", true);
    StrongBot1 = checkable(botLevel, tr("Strong"), "StrongBot1", false);
    connect(ClassicBot1, &QAction::triggered, this, [this] { emit botLevelChosen(false); });
    connect(StrongBot1, &QAction::triggered, this, [this] { emit botLevelChosen(true); });

    Options->addSeparator();
    TextColor1 = Options->addAction(tr("Text Color"));
    TextColor1->setObjectName(QStringLiteral("TextColor1"));
    QMenu* textSize = Options->addMenu(tr("Text Size"));
    N8 = checkable(textSize, QStringLiteral("8"), "N8", false);
    N10 = checkable(textSize, QStringLiteral("10"), "N10", false);
    N12 = checkable(textSize, QStringLiteral("12"), "N12", false);
    N14 = checkable(textSize, QStringLiteral("14"), "N14", false);
    for (QAction* item : {N8, N10, N12, N14})
        connect(item, &QAction::triggered, this,
                [this, item] { emit textSizeChosen(item->text().toInt()); });

    ScrollChatOff2 = checkable(Options, tr("Scroll Chat Off"), "ScrollChatOff2", false);
    ScrollChatOff2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ClearMainChat2 = Options->addAction(tr("Clear Main Chat"));
    ClearMainChat2->setObjectName(QStringLiteral("ClearMainChat2"));
    ResetScreenLocation1 = Options->addAction(tr("Reset Screen Location"));
    ResetScreenLocation1->setObjectName(QStringLiteral("ResetScreenLocation1"));
    addLanguageMenu();
    OpenPort1 = checkable(Options, tr("Open the port on my router"), "OpenPort1", true);
    Options->addSeparator();
    JustWatch1 = checkable(Options, tr("Just Watch"), "JustWatch1", false);
}

void MainMenu::addLanguageMenu() {
    Language1 = Options->addMenu(tr("Language"));
    Language1->setObjectName(QStringLiteral("Language1"));
    Language1->setToolTipsVisible(true);
    for (const LanguageChoice& choice : languageChoices()) {
        const QString setting = QString::fromLatin1(choice.setting);
        // Each language under its own name; only "System" is translated.
        const QString caption =
            setting.isEmpty() ? tr("System") : QString::fromUtf8(choice.caption);
        QAction* item = checkable(Language1, caption, "", setting.isEmpty());
        item->setObjectName(QStringLiteral("Language_") +
                            (setting.isEmpty() ? QStringLiteral("System") : setting));
        item->setData(setting);
        item->setStatusTip(tr("The language changes at the next start."));
        item->setToolTip(item->statusTip());
        connect(item, &QAction::triggered, this, [this, setting] { emit languageChosen(setting); });
    }
}

void MainMenu::checkLanguage(const QString& setting) {
    bool known = false;
    for (QAction* item : Language1->actions())
        known = known || item->data().toString() == setting;
    for (QAction* item : Language1->actions())
        item->setChecked(item->data().toString() == (known ? setting : QString()));
}

void MainMenu::checkTurnSound(int choice) {
    Classic1->setChecked(choice != 1);
    New1->setChecked(choice == 1);
}

void MainMenu::checkBotSpeed(int ms) {
    Slow1->setChecked(ms == 2000);
    Normal1->setChecked(ms == 1000);
    Fast1->setChecked(ms == 500);
}

void MainMenu::checkBotLevel(bool strong) {
    ClassicBot1->setChecked(!strong);
    StrongBot1->setChecked(strong);
}

void MainMenu::checkTextSize(int points) {
    for (QAction* item : {N8, N10, N12, N14})
        if (item->text().toInt() == points) item->setChecked(true);
}

void MainMenu::uncheckTextSizes() {
    for (QAction* item : {N8, N10, N12, N14})
        item->setChecked(false);
}

}  // namespace tess
