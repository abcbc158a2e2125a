#include "http_test_server.h"

#include <QHostAddress>
#include <QTimer>

namespace tess {

HttpTestServer::HttpTestServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &HttpTestServer::accept);
}

void HttpTestServer::serve(const QByteArray& body) {
    mode_ = Mode::Serve;
    body_ = body;
    total_ = body.size();
}

void HttpTestServer::stallAfter(const QByteArray& firstPart, qint64 total) {
    mode_ = Mode::Stall;
    body_ = firstPart;
    total_ = total;
}

void HttpTestServer::notFound() { mode_ = Mode::NotFound; }

QUrl HttpTestServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

void HttpTestServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            if (request->contains("\r\n\r\n")) return;
            *request += socket->readAll();
            if (!request->contains("\r\n\r\n")) return;
            ++requests_;
            lastRequest_ = *request;
            answer(socket);
        });
    }
}

void HttpTestServer::answer(QTcpSocket* socket) {
    if (!redirectFrom_.isEmpty() && lastRequest_.startsWith("GET " + redirectFrom_ + " ")) {
        socket->write("HTTP/1.0 302 Found\r\nLocation: " + url().toEncoded() +
                      "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    if (mode_ == Mode::NotFound) {
        const QByteArray page = "<html><body>Not Found</body></html>";
        socket->write("HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: " +
                      QByteArray::number(page.size()) + "\r\nConnection: close\r\n\r\n" + page);
        socket->disconnectFromHost();
        return;
    }
    socket->write("HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                  QByteArray::number(total_) + "\r\nConnection: close\r\n\r\n");
    if (mode_ == Mode::Stall) {
        socket->write(body_);  // and nothing more
        return;
    }
    sendChunks(socket, 0);
}

void HttpTestServer::sendChunks(QPointer<QTcpSocket> socket, qint64 from) {
    if (!socket) return;
    if (from >= body_.size()) {
        socket->disconnectFromHost();
        return;
    }
    socket->write(body_.mid(from, chunkSize));
    socket->flush();
    QTimer::singleShot(1, this, [this, socket, from] { sendChunks(socket, from + chunkSize); });
}

}  // namespace tess
