// The main window's menu bar. Holds the items; the main window connects what they do.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

namespace tess {

class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QMenuBar* bar);

    // Checks the one item of a radio group that matches the value.
    void checkTurnSound(int choice);
    void checkBotSpeed(int ms);
    void checkBotLevel(bool strong);
    // Checks "N" + size when there is such an item; the others are left as they are.
    void checkTextSize(int points);
    void uncheckTextSizes();
    // Checks the Language item of a settings value (System for anything unknown).
    void checkLanguage(const QString& setting);

    QMenu* File;
    QMenu* Options;
    QAction* StartGame1;
    QAction* HostTable1;
    QAction* JoinTable1;
    QAction* FindOnline1;
    QAction* CopyInvitation1;
    QAction* ListOnline1;
    QAction* Exit1;
    QAction* PlaySounds1;
    QAction* PlayerPhraseSounds1;
    QAction* Classic1;
    QAction* New1;
    QAction* Slow1;
    QAction* Normal1;
    QAction* Fast1;
    QAction* ClassicBot1;
    QAction* StrongBot1;
    QAction* TextColor1;
    QAction* N8;
    QAction* N10;
    QAction* N12;
    QAction* N14;
    QAction* ScrollChatOff2;
    QAction* ClearMainChat2;
    QAction* ResetScreenLocation1;
    QAction* OpenPort1;
    QAction* JustWatch1;
    QMenu* Language1;

signals:
    void turnSoundChosen(int choice);
    void botSpeedChosen(int ms);
    void botLevelChosen(bool strong);
    void textSizeChosen(int points);
    void languageChosen(const QString& setting);

private:
    void addLanguageMenu();
    QAction* checkable(QMenu* menu, const QString& text, const char* name, bool checked);
};

}  // namespace tess
