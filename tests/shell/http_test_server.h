// A small HTTP server on loopback for download tests: it serves a body, stalls after a
// first part, or answers 404.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace tess {

class HttpTestServer : public QObject {
    Q_OBJECT
public:
    enum class Mode { Serve, Stall, NotFound };
    static constexpr int chunkSize = 16 * 1024;

    HttpTestServer();

    // Serves `body` in chunks, one per pass of the event loop, then closes.
    void serve(const QByteArray& body);
    // Announces `total` bytes, sends `firstPart` and then sends nothing more.
    void stallAfter(const QByteArray& firstPart, qint64 total);
    void notFound();
    // Requests for `path` are sent on to the file's own address with a 302.
    void redirectFrom(const QString& path) { redirectFrom_ = path.toLatin1(); }

    QUrl url(const QString& path = QStringLiteral("/downloads/orvsetup.exe")) const;
    int requests() const { return requests_; }
    const QByteArray& lastRequest() const { return lastRequest_; }

private:
    void accept();
    void answer(QTcpSocket* socket);
    void sendChunks(QPointer<QTcpSocket> socket, qint64 from);

    QTcpServer server_;
    Mode mode_ = Mode::Serve;
    QByteArray body_;
    qint64 total_ = 0;
    int requests_ = 0;
    QByteArray lastRequest_;
    QByteArray redirectFrom_;
};

}  // namespace tess
