#include "shell/lobby_fetch.h"

#include <QIODevice>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace tess {

namespace {

int statusOf(const QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

}  // namespace

LobbyFetch::LobbyFetch(QObject* parent) : QObject(parent) {
    manager_.setProxy(QNetworkProxy::NoProxy);
}

void LobbyFetch::get(const QUrl& url, QIODevice* out) {
    if (running()) return;
    out_ = out;
    received_ = 0;
    headersTaken_ = false;
    writeError_.clear();

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("Mozilla/3.0 (compatible)"));
    request.setRawHeader("Accept", "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // Redirects are followed, but never from https down to plain http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(stallTimeoutMs);

    reply_ = manager_.get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &LobbyFetch::takeHeaders);
    connect(reply_, &QNetworkReply::readyRead, this, &LobbyFetch::takeData);
    // Queued, so that an abort from a click handler finishes that handler first.
    connect(reply_, &QNetworkReply::finished, this, &LobbyFetch::end, Qt::QueuedConnection);
}

void LobbyFetch::abort() {
    if (reply_ && reply_->isRunning()) reply_->abort();
}

bool LobbyFetch::success() const {
    const int status = statusOf(reply_);
    return status >= 200 && status < 300;
}

void LobbyFetch::takeHeaders() {
    if (headersTaken_ || !reply_) return;
    const int status = statusOf(reply_);
    if (status == 0) return;  // nothing has arrived yet
    // A redirect that is being followed: the headers of the final answer count.
    if (status >= 300 && status < 400 && reply_->hasRawHeader("Location") && reply_->isRunning())
        return;
    headersTaken_ = true;
    const QByteArray reason =
        reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    emit headerLine("HTTP " + QByteArray::number(status) + ' ' + reason);
    for (const auto& [name, value] : reply_->rawHeaderPairs())
        emit headerLine(name + ": " + value);
    if (reply_ && success()) emit documentBegin();
}

void LobbyFetch::takeData() {
    if (!reply_ || !reply_->isOpen()) return;  // closed by an abort
    takeHeaders();
    const QByteArray block = reply_->readAll();
    if (block.isEmpty() || !success()) return;  // an error page is not the installer
    if (out_->write(block) != block.size()) {
        writeError_ = out_->errorString();
        reply_->abort();
        return;
    }
    received_ += block.size();
    emit documentData(received_);
}

void LobbyFetch::end() {
    QNetworkReply* reply = reply_;
    if (!reply) return;
    takeHeaders();
    takeData();
    bool ok = reply->error() == QNetworkReply::NoError && success() && writeError_.isEmpty();
    QString error;
    if (!writeError_.isEmpty()) {
        error = writeError_;
    } else if (!ok) {
        error = reply->error() == QNetworkReply::NoError
                    ? QStringLiteral("HTTP status %1").arg(statusOf(reply))
                    : reply->errorString();
    }
    reply_ = nullptr;
    out_ = nullptr;
    reply->deleteLater();
    emit finished(ok, error);
}

}  // namespace tess
