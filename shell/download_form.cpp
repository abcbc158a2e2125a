#include "shell/download_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHostAddress>
#include <QLabel>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPushButton>
#include <QStandardPaths>

#include "shell/shell_pictures.h"
#include "shell/window_place.h"

namespace tess {

namespace {

// Gives its label the lobby picture just before the label first paints.
class LobbyPictureOnFirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        watched->removeEventFilter(this);
        static_cast<QLabel*>(watched)->setPixmap(lobbyPicture());
        deleteLater();
        return false;
    }
};

const QStringList installerArguments{QStringLiteral("/SP-"), QStringLiteral("/silent"),
                                     QStringLiteral("/noicons")};

QFrame* whitePanel(QWidget* parent, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Box);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(palette);
    return panel;
}

QLabel* textLabel(QWidget* parent, const QString& text, const QRect& geometry,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(align);
    return label;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text,
                    const QRect& geometry) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    QFont font = b->font();
    font.setBold(true);
    b->setFont(font);
    return b;
}

// The card table under its sign, with `caption` written on the sign below its heading.
void signPicture(QWidget* panel, const QString& caption, const QString& name, QColor colour) {
    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("image_lobby"));
    picture->setGeometry(7, 7, 436, 360);
    // Drawn for its first paint: a lobby start never shows this window.
    picture->installEventFilter(new LobbyPictureOnFirstPaint(picture));
    auto* label = new QLabel(caption, picture);
    label->setObjectName(name);
    label->setGeometry(lobbyPictureCaptionArea());
    label->setAlignment(Qt::AlignCenter);
    QFont big = label->font();
    big.setPointSize(26);
    big.setBold(true);
    label->setFont(big);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
}

// Plain http is accepted only for this machine, where nothing travels over a network.
bool acceptableAddress(const QUrl& url) {
    if (!url.isValid() || url.fileName().isEmpty()) return false;
    if (url.scheme() == QLatin1String("https")) return true;
    if (url.scheme() != QLatin1String("http")) return false;
    const QString host = url.host();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

}  // namespace

Tdownload::Tdownload(QWidget* parent, Face face)
    : QDialog(parent, face == Face::lobby
                          ? Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint
                          : Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      face_(face),
      url_(defaultDownloadUrl()),
      folder_(defaultTargetFolder()),
      lobbyPath_(defaultInstalledLobbyPath()) {
    setObjectName(QStringLiteral("download"));
    setFixedSize(724, 500);
    setModal(false);

    if (face == Face::startPage) {
        buildStartPage();
        return;
    }
    setWindowTitle(tr("Download The Orvane Lobby"));
    buildLeftPanel(whitePanel(this, QRect(6, 6, 450, 487)));
    buildRightPanels(whitePanel(this, QRect(461, 6, 257, 228)),
                     whitePanel(this, QRect(461, 236, 257, 257)));

    connect(&fetch_, &LobbyFetch::headerLine, this, &Tdownload::HttpCli1HeaderData);
    connect(&fetch_, &LobbyFetch::documentBegin, this, &Tdownload::HttpCli1DocBegin);
    connect(&fetch_, &LobbyFetch::documentData, this, &Tdownload::HttpCli1DocData);
    connect(&fetch_, &LobbyFetch::finished, this, &Tdownload::downloadEnded);
}

void Tdownload::buildLeftPanel(QWidget* panel) {
    signPicture(panel, tr("IS CLOSED"), QStringLiteral("label_closed"), QColor(0xb0, 0, 0));

    textLabel(panel,
              tr("Download The Orvane Lobby Now to play this  and other exciting "
                 "games online with other players! "),
              QRect(11, 370, 428, 32), Qt::AlignCenter);

    getbutton_ = button(panel, QStringLiteral("getbutton"),
                        tr("Download And Install The Orvane Lobby Now"), QRect(11, 404, 428, 42));
    connect(getbutton_, &QPushButton::clicked, this, &Tdownload::getbuttonClick);

    status_ = textLabel(panel, QString(), QRect(11, 448, 428, 16), Qt::AlignCenter);
    status_->setObjectName(QStringLiteral("label_status"));
    status_->setWordWrap(false);
    status2_ = textLabel(panel, QString(), QRect(11, 464, 260, 16));
    status2_->setObjectName(QStringLiteral("label_status2"));
    status2_->setWordWrap(false);

    abortbutton_ =
        button(panel, QStringLiteral("abortbutton"), tr("Stop Download"), QRect(278, 462, 161, 25));
    abortbutton_->setEnabled(false);
    connect(abortbutton_, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
}

void Tdownload::buildRightPanels(QWidget* top, QWidget* bottom) {
    textLabel(top,
              tr("To proceed to the game without the ability to play against others "
                 "click the button below."),
              QRect(10, 10, 237, 56), Qt::AlignCenter);
    addSoloButton(top);
    auto* note = textLabel(top,
                           tr("Note: Even if you are playing offline, you will need "
                              "to configure your FIREWALL to allow the game to access "
                              "the internet components."),
                           QRect(10, 124, 237, 96), Qt::AlignCenter);
    QFont small = note->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    note->setFont(small);

    textLabel(bottom,
              tr("If you already have The Orvane Lobby and you wish to play with "
                 "others then click the button below to close this game and open The "
                 "Orvane Lobby."),
              QRect(10, 10, 237, 120), Qt::AlignCenter);
    auto* others =
        button(bottom, QStringLiteral("Button2"), tr("Play with Others"), QRect(42, 150, 172, 42));
    others->setAutoDefault(false);
    connect(others, &QPushButton::clicked, this, &Tdownload::Button2Click);

    // Tables with others straight from here, below the lobby's button.
    auto* host =
        button(bottom, QStringLiteral("button_host"), tr("Host a Table…"), QRect(10, 204, 116, 42));
    auto* join = button(bottom, QStringLiteral("button_join"), tr("Join a Table…"),
                        QRect(131, 204, 116, 42));
    for (QPushButton* b : {host, join})
        b->setAutoDefault(false);
    opens(host, &Tdownload::hostTableRequested);
    opens(join, &Tdownload::joinTableRequested);
}

void Tdownload::addSoloButton(QWidget* panel) {
    auto* solo =
        button(panel, QStringLiteral("Button1"), tr("Play Solo Game"), QRect(42, 72, 172, 42));
    solo->setDefault(true);
    solo->setAutoDefault(true);
    connect(solo, &QPushButton::clicked, this, &Tdownload::Button1Click);
}

void Tdownload::opens(QPushButton* button, void (Tdownload::*signal)()) {
    connect(button, &QPushButton::clicked, this, [this, signal] {
        hide();
        emit(this->*signal)();
    });
}

// The same panels, offering what this program does without the lobby.
void Tdownload::buildStartPage() {
    setWindowTitle(tr("Tessarine - Start"));
    QWidget* left = whitePanel(this, QRect(6, 6, 450, 487));
    signPicture(left, tr("IS OPEN"), QStringLiteral("label_open"), QColor(0x1a, 0x7a, 0x1a));
    textLabel(left,
              tr("The Orvane Lobby is made for Windows only. Here Tessarine seats you at a "
                 "table with other players by itself."),
              QRect(11, 370, 428, 32), Qt::AlignCenter);
    find_ = button(left, QStringLiteral("button_find"), tr("Find Players Online…"),
                   QRect(11, 404, 428, 42));
    find_->setAutoDefault(false);
    find_->setEnabled(false);
    opens(find_, &Tdownload::findPlayersOnline);
    textLabel(left, tr("Meet players on the internet who are looking for a game."),
              QRect(11, 452, 428, 28), Qt::AlignCenter);

    QWidget* top = whitePanel(this, QRect(461, 6, 257, 228));
    textLabel(top, tr("Play on your own against Klot, the computer player."),
              QRect(10, 10, 237, 56), Qt::AlignCenter);
    addSoloButton(top);
    textLabel(top, tr("A solo game needs no network and no firewall settings."),
              QRect(10, 124, 237, 96), Qt::AlignCenter);

    QWidget* bottom = whitePanel(this, QRect(461, 236, 257, 257));
    textLabel(bottom,
              tr("Play with friends on your network or over the internet: host a table and "
                 "invite them, or join the table one of them hosts."),
              QRect(10, 10, 237, 100), Qt::AlignCenter);
    auto* host =
        button(bottom, QStringLiteral("button_host"), tr("Host a Table…"), QRect(42, 130, 172, 42));
    auto* join =
        button(bottom, QStringLiteral("button_join"), tr("Join a Table…"), QRect(42, 190, 172, 42));
    for (QPushButton* b : {host, join})
        b->setAutoDefault(false);
    opens(host, &Tdownload::hostTableRequested);
    opens(join, &Tdownload::joinTableRequested);
}

QUrl Tdownload::defaultDownloadUrl() { return QUrl(QStringLiteral(TESS_LOBBY_URL)); }

bool Tdownload::setDownloadUrl(const QUrl& url) {
    if (!acceptableAddress(url)) return false;
    url_ = url;
    return true;
}

QString Tdownload::defaultTargetFolder() {
    const QString beside = QCoreApplication::applicationDirPath();
    if (!beside.isEmpty() && QFileInfo(beside).isWritable()) return beside;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config;
}

QString Tdownload::downloadedFile() const {
    const QString name = fileName_.isEmpty() ? url_.fileName() : fileName_;
    return QDir(folder_).filePath(name);
}

QString Tdownload::defaultInstalledLobbyPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Program Files\\Orvane\\OrvaneLobby.exe");
#else
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(QStringLiteral("orvane/OrvaneLobby"));
#endif
}

void Tdownload::setLauncher(InstallerLauncher* launcher) {
    launcher_ = launcher ? launcher : &systemLauncher_;
}

QString Tdownload::statusText() const { return status_->text(); }

void Tdownload::setStatus(const QString& text) {
    status_->setText(text);
    emit statusChanged();
}

void Tdownload::setStatus2(const QString& text) {
    status2_->setText(text);
    emit statusChanged();
}
QString Tdownload::status2Text() const { return status2_->text(); }

void Tdownload::showEvent(QShowEvent* event) {
    if (find_)
        find_->setEnabled(
            isSignalConnected(QMetaMethod::fromSignal(&Tdownload::findPlayersOnline)));
    if (!placed_) {
        placed_ = true;
        centreWindow(this, nullptr);
    }
    QDialog::showEvent(event);
}

void Tdownload::getbuttonClick() {
    if (fetch_.running()) return;
    state_ = Started;
    fileName_ = url_.fileName();
    file_.setFileName(downloadedFile());
    setStatus2(QString());
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning("lobby download: cannot write %s: %s", qPrintable(file_.fileName()),
                 qPrintable(file_.errorString()));
        state_ = Aborted;
        setStatus(tr("Download Aborted"));
        setStatus2(tr("Cannot write ") + fileName_);
        return;
    }
    getbutton_->setEnabled(false);
    abortbutton_->setEnabled(true);
    setStatus(tr("Loading"));
    fetch_.get(url_, &file_);
}

void Tdownload::abortbuttonClick() {
    if (!fetch_.running()) return;
    fetch_.abort();
    setStatus(tr("Download has been aborted."));
    state_ = Aborted;
    setStatus2(tr("Download Aborted"));
}

void Tdownload::HttpCli1HeaderData() { setStatus(status_->text() + QLatin1Char('.')); }

void Tdownload::HttpCli1DocBegin() { setStatus2(tr("Downloading: ") + fileName_); }

void Tdownload::HttpCli1DocData(qint64 received) {
    setStatus(QString::number(received) + tr(" bytes"));
}

void Tdownload::downloadEnded(bool ok, const QString& error) {
    if (ok) {
        file_.flush();
        setStatus(tr("Received ") + QString::number(file_.size()) + tr(" bytes"));
    } else {
        qWarning("lobby download failed: %s", qPrintable(error));
        setStatus(tr("Download Aborted"));
        state_ = Aborted;
    }
    getbutton_->setEnabled(true);
    abortbutton_->setEnabled(false);
    file_.close();
    if (state_ == Aborted) return;

    setStatus2(tr("Installing"));
    if (!launcher_->start(file_.fileName(), installerArguments)) {
        showMessage(tr("An Error has Occurred."));
        return;
    }
    hide();
    emit closeMainWindow();
}

void Tdownload::Button1Click() { close(); }

void Tdownload::Button2Click() {
    const QFileInfo lobby(lobbyPath_);
    if (!lobby.isFile()) {
#ifdef Q_OS_WIN
        showMessage(
            tr("Please close the game and open the Orvane Lobby using the icon on your "
               "desktop or using the your Window's start-up menu."));
#else
        showMessage(
            tr("The Orvane Lobby is not installed on this computer. To play with others, "
               "choose Host a Table… or Join a Table… in this window or in the File menu."));
#endif
        return;
    }
    if (!launcher_->start(lobby.absoluteFilePath(), {})) {
        showMessage(tr("An Error has Occurred."));
        return;
    }
    hide();
    emit closeMainWindow();
}

void Tdownload::showMessage(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tessarine"), text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace tess
