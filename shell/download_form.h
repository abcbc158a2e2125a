// The window offered at a solo start. Where the lobby program exists (Windows) it offers
// to download and silently install the lobby, hand over to an installed lobby, or simply
// play on. Elsewhere it is a start page of the same size and panels: play solo, host a
// table, join a table or find players online. It exists for the whole run; closing it
// only hides it, and so does choosing a window it opens, which it never stands above.
#pragma once

#include <QDialog>
#include <QFile>
#include <QUrl>

#include "shell/installer_launcher.h"
#include "shell/lobby_fetch.h"

class QLabel;
class QPushButton;

namespace tess {

class Tdownload : public QDialog {
    Q_OBJECT
public:
    // Started: a download runs or has finished; Aborted: it was stopped or failed.
    enum State { Idle = 0, Started = 1, Aborted = 2 };
    // What the window offers: the lobby, or this program's own ways to play.
    enum class Face { lobby, startPage };
    static constexpr Face platformFace() {
#ifdef Q_OS_WIN
        return Face::lobby;
#else
        return Face::startPage;
#endif
    }

    explicit Tdownload(QWidget* parent = nullptr, Face face = platformFace());
    Face face() const { return face_; }

    // The address the program ships with (set when the program is built).
    static QUrl defaultDownloadUrl();
    // Takes an https address, or plain http only to this machine; false (and nothing
    // changed) otherwise or when the address names no file.
    bool setDownloadUrl(const QUrl& url);
    const QUrl& downloadUrl() const { return url_; }

    // Beside the program when that folder is writable, else the user's configuration folder.
    static QString defaultTargetFolder();
    void setTargetFolder(const QString& folder) { folder_ = folder; }
    const QString& targetFolder() const { return folder_; }
    // The file a download writes: the target folder and the address's last path segment.
    QString downloadedFile() const;

    // "C:\Program Files\Orvane\OrvaneLobby.exe" on Windows; elsewhere
    // ~/.local/share/orvane/OrvaneLobby (the user's data folder on macOS).
    static QString defaultInstalledLobbyPath();
    void setInstalledLobbyPath(const QString& path) { lobbyPath_ = path; }
    const QString& installedLobbyPath() const { return lobbyPath_; }

    // Not owned; nullptr restores the system's launcher.
    void setLauncher(InstallerLauncher* launcher);

    State state() const { return state_; }
    bool downloading() const { return fetch_.running(); }
    QString statusText() const;
    QString status2Text() const;

signals:
    // The installer or the installed lobby has been started: the program should end.
    void closeMainWindow();
    // One of the two status lines has changed.
    void statusChanged();
    // "Host a Table…" and "Join a Table…": tables with others without the lobby.
    void hostTableRequested();
    void joinTableRequested();
    // "Find Players Online…" on the start page; the button is enabled only while
    // something listens to this.
    void findPlayersOnline();

public slots:
    void getbuttonClick();
    void abortbuttonClick();
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLeftPanel(QWidget* panel);
    void buildStartPage();
    // "Play Solo Game", the default button, in the upper right panel.
    void addSoloButton(QWidget* panel);
    // A button that opens another window: the window gives way to it.
    void opens(QPushButton* button, void (Tdownload::*signal)());
    void buildRightPanels(QWidget* top, QWidget* bottom);
    void HttpCli1HeaderData();
    void HttpCli1DocBegin();
    void HttpCli1DocData(qint64 received);
    void downloadEnded(bool ok, const QString& error);
    void showMessage(const QString& text);
    void setStatus(const QString& text);
    void setStatus2(const QString& text);

    Face face_;
    QUrl url_;
    QString folder_;
    QString lobbyPath_;
    QString fileName_;
    QFile file_;
    State state_ = Idle;
    LobbyFetch fetch_;
    SystemLauncher systemLauncher_;
    InstallerLauncher* launcher_ = &systemLauncher_;
    bool placed_ = false;

    QPushButton* getbutton_ = nullptr;
    QPushButton* abortbutton_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* status2_ = nullptr;
    QPushButton* find_ = nullptr;
};

}  // namespace tess
