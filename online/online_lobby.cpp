#include "online/online_lobby.h"

#include <QRandomGenerator>
#include <algorithm>

#include "online/strophe_library.h"
#include "online/xmpp_worker.h"

namespace tess {

OnlineLobby::OnlineLobby(LobbyTimes times, QObject* parent) : QObject(parent), times_(times) {
    qRegisterMetaType<tess::OnlineLobby::State>();
    joinTimeout_.setSingleShot(true);
    connect(&joinTimeout_, &QTimer::timeout, this, [this] {
        const QString host = asked_;
        if (worker_) worker_->post([](XmppWorker& w) { w.ask({}, {}); });
        emit joinFailed(
            host, tr("The host did not answer within %1 seconds.").arg(times_.joinAnswerMs / 1000));
    });
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &OnlineLobby::reconnect);
}

OnlineLobby::~OnlineLobby() { finishWorker(); }

void OnlineLobby::finishWorker() {
    joinTimeout_.stop();
    retry_.stop();
    worker_.reset();  // leaves the room first
}

void OnlineLobby::start(const LobbyAccount& account) {
    finishWorker();
    account_ = account;
    wasInRoom_ = false;
    retryMs_ = 0;
    nick_ = account.nick;
    view_ = {};
    emit viewChanged();
    if (const QString missing = loadStrophe(); !missing.isEmpty()) {
        setState(State::offline, missing);
        return;
    }
    worker_ = std::make_unique<XmppWorker>(this, account, times_);
    if (listed_) worker_->post([t = listed_](XmppWorker& w) { w.setTable(t); });
    setState(State::connecting,
             tr("Connecting to %1…").arg(account.jid.isEmpty() ? account.server : account.jid));
}

void OnlineLobby::stop() {
    if (!worker_) return;
    finishWorker();
    view_ = {};
    emit viewChanged();
    setState(State::offline, tr("You left the room."));
}

void OnlineLobby::workerEnded(const QString& why, bool mayRetry) {
    if (!mayRetry || !wasInRoom_) {
        wasInRoom_ = false;
        setState(State::offline, why);
        return;
    }
    retryMs_ = retryMs_ == 0 ? times_.retryFirstMs : std::min(retryMs_ * 2, times_.retryMostMs);
    if (!asked_.isEmpty() && joinTimeout_.isActive()) {
        joinTimeout_.stop();
        emit joinFailed(asked_, why);
    }
    view_ = {};
    emit viewChanged();
    retry_.start(retryMs_);
    const int seconds = (retryMs_ + 999) / 1000;
    setState(State::connecting, tr("%1 Trying again in %n second(s)…", nullptr, seconds).arg(why));
}

void OnlineLobby::reconnect() {
    worker_.reset();
    worker_ = std::make_unique<XmppWorker>(this, account_, times_);
    if (listed_) worker_->post([t = listed_](XmppWorker& w) { w.setTable(t); });
    emit notice(
        tr("Connecting to %1 again…").arg(account_.jid.isEmpty() ? account_.server : account_.jid));
}

void OnlineLobby::setState(State state, const QString& text) {
    if (state == State::inRoom) {
        wasInRoom_ = true;
        retryMs_ = 0;
    }
    state_ = state;
    emit stateChanged(state);
    if (!text.isEmpty()) emit notice(text);
}

void OnlineLobby::listTable(const std::optional<ListedTable>& table) {
    listed_ = table;
    if (worker_) worker_->post([table](XmppWorker& w) { w.setTable(table); });
}

void OnlineLobby::say(const QString& text) {
    const QString line = text.left(400);
    if (worker_ && !line.trimmed().isEmpty()) worker_->post([line](XmppWorker& w) { w.say(line); });
}

void OnlineLobby::askToJoin(const QString& occupant) {
    if (!worker_ || state_ != State::inRoom) {
        emit joinFailed(occupant, tr("You are not in the room."));
        return;
    }
    asked_ = occupant;
    const QString id = QString::number(QRandomGenerator::global()->generate64(), 16);
    worker_->post([occupant, id](XmppWorker& w) { w.ask(occupant, id); });
    joinTimeout_.start(times_.joinAnswerMs);
}

void OnlineLobby::answerJoin(const QString& occupant, const QString& id, const QString& address,
                             int port) {
    if (worker_)
        worker_->post([=](XmppWorker& w) {
            w.send(joinAddress(w.ctx(), w.occupantAddress(occupant), id, address, port));
        });
}

void OnlineLobby::refuseJoin(const QString& occupant, const QString& id, const QString& reason) {
    if (worker_)
        worker_->post([=](XmppWorker& w) {
            w.send(joinRefusal(w.ctx(), w.occupantAddress(occupant), id, reason));
        });
}

}  // namespace tess
