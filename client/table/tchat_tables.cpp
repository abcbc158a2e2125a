// The main window's part in tables with others: hosting and joining from the windows,
// invitations, and plain words when a table cannot be reached or goes away.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>

#include "client/joining/connecting_box.h"
#include "client/joining/host_form.h"
#include "client/joining/invitation.h"
#include "client/joining/join_form.h"
#include "client/joining/join_memory.h"
#include "client/joining/offer_box.h"
#include "client/table/main_menu.h"
#include "client/table/tchat.h"
#include "net/server.h"
#include "shell/download_form.h"
#include "social/chat_panel.h"
#include "social/message_box.h"

Q_DECLARE_LOGGING_CATEGORY(lcWindow)

namespace tess {

void Tchat::setUpTableMenu() {
    connect(menu_->HostTable1, &QAction::triggered, this, &Tchat::openHostWindow);
    connect(menu_->JoinTable1, &QAction::triggered, this, [this] { openJoinWindow(); });
    connect(menu_->CopyInvitation1, &QAction::triggered, this, &Tchat::CopyInvitation1Click);
    connect(menu_->FindOnline1, &QAction::triggered, this, &Tchat::onlineWindowRequested);
    connect(menu_->ListOnline1, &QAction::toggled, this, &Tchat::listOnlineChanged);
    // A tessarine:// link in the chat opens the join window, filled in.
    connect(chat_, &ChatPanel::invitationClicked, this, &Tchat::invited);
}

void Tchat::attachTableWindows() {
    if (!windows_.download) return;
    connect(windows_.download, &Tdownload::hostTableRequested, this, &Tchat::openHostWindow);
    connect(windows_.download, &Tdownload::joinTableRequested, this, [this] { openJoinWindow(); });
    connect(windows_.download, &Tdownload::findPlayersOnline, this, &Tchat::onlineWindowRequested);
}

void Tchat::openJoinWindow(const QString& address) {
    if (!join_) {
        join_ = new Tjoin(settingsPath(), this);
        connect(join_, &Tjoin::joinRequested, this, [this](const QString& name, const QString& at) {
            requestStart({name, at, QStringLiteral("false")});
        });
        connect(join_, &Tjoin::onlineRequested, this, &Tchat::onlineWindowRequested);
        // The user's own table: the user is already there.
        connect(join_, &Tjoin::ownTableChosen, this, [this] {
            raise();
            activateWindow();
        });
        join_->setOwnTable(windows_.ownTable);
        connect(join_, &QDialog::rejected, this, &Tchat::joinWindowClosed);
    }
    if (!address.isEmpty()) join_->setAddress(address);
    join_->show();
    join_->raise();
    join_->activateWindow();
}

void Tchat::ownTableChanged() {
    if (join_) join_->refreshTables();
}

void Tchat::openHostWindow() {
    if (!host_) {
        host_ = new Thost(settingsPath(), this);
        connect(host_, &Thost::hostRequested, this, [this](const QString& name) {
            emit listOnlineChosen(host_->listOnline());
            requestStart({name, QStringLiteral("127.0.0.1"), QStringLiteral("true")});
        });
    }
    host_->show();
    host_->raise();
    host_->activateWindow();
}

void Tchat::joinOnlineTable(const QString& name, const QString& address) {
    requestStart({name, address, QStringLiteral("false")});
}

// Leaving a table with others takes a yes; a solo table or one never reached just ends.
void Tchat::requestStart(const QStringList& args) {
    const bool withOthers = params_.mode != StartParams::Mode::solo && link_.connected();
    if (!withOthers) {
        emit startRequested(args);
        return;
    }
    offer(this,
          hosting_ ? tr("This ends your table for everybody at it.")
                   : tr("This leaves the table you are at."),
          tr("Go On"), [this, args] { emit startRequested(args); });
}

QString Tchat::invitation() const {
    if (!hosting_ || params_.mode != StartParams::Mode::host) return {};
    if (const auto internet = tableAddress(internetAddress_)) return invitationLink(*internet);
    return invitationLink(localNetworkAddress().value_or(QStringLiteral("127.0.0.1")));
}

void Tchat::CopyInvitation1Click() {
    const QString link = invitation();
    if (link.isEmpty()) return;
    QApplication::clipboard()->setText(link);
    // Without the router's forward, only the local address reaches this table.
    if (!tableAddress(internetAddress_))
        notice(tr("Invitation copied: %1 Only players on this network can use it: your router "
                  "does not forward the table's port to this computer.")
                   .arg(link));
    else if (internetAddress_.contains(QLatin1Char(':')))
        notice(tr("Invitation copied: %1 Send it to the players you want at your table. Only "
                  "players with IPv6 can use it: your router does not forward an IPv4 port to "
                  "this computer.")
                   .arg(link));
    else
        notice(
            tr("Invitation copied: %1 Send it to the players you want at your table.").arg(link));
}

// A link from the command line or the chat: the join window, filled in; joining waits
// for the user's Join.
void Tchat::invited(const QString& link) {
    const Invitation invitation = readInvitation(link);
    if (!invitation.ok()) {
        showMessage(this, invitation.refusalText());
        return;
    }
    openJoinWindow(invitation.address);
}

QString Tchat::joinFailureText(ClientLink::Ending ending) const {
    const QString at = params_.host;
    switch (ending) {
        case ClientLink::Ending::refused:
            return tr("The table at %1 refused the connection: nobody hosts a table there, or "
                      "a firewall keeps players out.")
                .arg(at);
        case ClientLink::Ending::unreachable:
            return tr("The table at %1 cannot be reached: this computer has no route to that "
                      "address.")
                .arg(at);
        case ClientLink::Ending::notFound:
            return tr("No computer named %1 was found.").arg(at);
        case ClientLink::Ending::noAnswer:
            return tr("The table at %1 did not answer within 10 seconds. If a table is hosted "
                      "there, its host may need to open port 7772 in its firewall.")
                .arg(at);
        case ClientLink::Ending::cancelled:
        case ClientLink::Ending::open:
        case ClientLink::Ending::closed:
        case ClientLink::Ending::lost:
            break;
    }
    return tr("The table at %1 closed the connection before letting you in.").arg(at);
}

void Tchat::joinFailed(const QString& text) {
    offer(this, text, tr("Join a Table…"), [this] {
        openJoinWindow(params_.host);
        // Tried again under the name this start had.
        if (params_.mode == StartParams::Mode::join) join_->nameField()->setText(params_.name);
    });
}

void Tchat::endConnecting() {
    if (connecting_) connecting_->finish();
    connecting_ = nullptr;
}

void Tchat::linkEnded() {
    endConnecting();
    if (link_.ending() == ClientLink::Ending::cancelled) {
        // Given up by the user: back to the join window, as it was filled in.
        openJoinWindow(params_.host);
        join_->nameField()->setText(params_.name);
        return;
    }
    if (!link_.connected()) {
        // Never let in: the window stays, and the join window is offered again.
        if (hosting_) {
            showMessage(this, joinFailureText(link_.ending()));
            return;
        }
        joinFailed(joinFailureText(link_.ending()));
        return;
    }
    if (hosting_) {
        leave();
        return;
    }
    // A player's table went (its host ended it or removed the player: the wire does not
    // tell which): another table or a solo game is offered, or the program ends.
    offerAnotherTable(link_.ending() == ClientLink::Ending::lost
                          ? tr("The connection to the table was lost.")
                          : tr("You are no longer at the table."));
}

void Tchat::offerAnotherTable(const QString& text) {
    offer(this, text,
          {{tr("Join a Table…"), [this] { openJoinWindow(); }},
           {tr("Play Solo"), [this] { emit startRequested({}); }}},
          [this] { leave(); });
}

void Tchat::joinWindowClosed() {
    // Started only to follow a link: nothing else was asked of the program.
    if (params_.mode == StartParams::Mode::invited && !link_.connected()) {
        leave();
        return;
    }
    // The table here goes on, or is still being reached; one that went leaves a solo game.
    if (link_.ending() == ClientLink::Ending::open) return;
    emit startRequested({});
}

QStringList Tchat::othersAtTable() const {
    QStringList names;
    if (!hosting_ || !server_) return names;
    for (int slot = 1; slot <= wire::slotCount; ++slot)
        if (slot != link_.mySlot() && server_->inUse(slot) && !server_->name(slot).empty())
            names << QString::fromStdString(server_->name(slot));
    return names;
}

void Tchat::askBeforeEnding(const QString& what, const QString& action, std::function<void()> go) {
    offer(this, what.arg(othersAtTable().join(QStringLiteral(", "))), action, std::move(go));
}

void Tchat::leave() {
    leaving_ = true;
    close();
}

namespace {

// The socket's own words, known in the user's language too.
[[maybe_unused]] const char* const socketWords[] = {
    QT_TRANSLATE_NOOP("tess::Tchat", "Listen - Error Binding Socket")};

}  // namespace

void Tchat::portTaken(const QString& error) {
    const QString name = params_.mode == StartParams::Mode::solo
                             ? JoinMemory(settingsPath()).playerName()
                             : params_.name;
    // The log keeps the socket's words as they are; the box says them in the user's.
    qCWarning(lcWindow).noquote() << error;
    offer(this,
          QCoreApplication::translate("tess::Tchat", error.toUtf8().constData()) +
              QLatin1Char('\n') +
              tr("Port 7772 is taken on this computer, most likely by another copy of Tessarine "
                 "that hosts a table here; you can join that table instead."),
          tr("Join That Table"), [this, name] {
              emit startRequested({name, QStringLiteral("127.0.0.1"), QStringLiteral("false")});
          });
}

}  // namespace tess
