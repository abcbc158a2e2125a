// An HTTP GET of one address into an open file, with the notifications the download
// window shows: each header line, the start of the body, and each block of body data.
#pragma once

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QIODevice;

namespace tess {

class LobbyFetch : public QObject {
    Q_OBJECT
public:
    // A transfer that moves no data for this long is given up.
    static constexpr int stallTimeoutMs = 60'000;

    explicit LobbyFetch(QObject* parent = nullptr);

    // Starts the GET; the body of a successful answer is written to `out`, which must stay
    // open until finished() arrives. Ignored while a transfer runs.
    void get(const QUrl& url, QIODevice* out);
    // Ends a running transfer; finished() then reports it as failed.
    void abort();
    bool running() const { return reply_ != nullptr; }

signals:
    void headerLine(const QByteArray& line);
    void documentBegin();
    void documentData(qint64 received);
    // Always delivered from the event loop, never from inside get() or abort().
    void finished(bool ok, const QString& error);

private:
    void takeHeaders();
    void takeData();
    void end();
    bool success() const;

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    QIODevice* out_ = nullptr;
    qint64 received_ = 0;
    bool headersTaken_ = false;
    QString writeError_;
};

}  // namespace tess
