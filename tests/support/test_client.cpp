#include "tests/support/test_client.h"

#include <sys/socket.h>

#include <QCoreApplication>
#include <QHostAddress>
#include <QTimer>

namespace tess::testing {

TestClient::TestClient(quint16 port, bool waitForSlot, const QString& from, const QString& to) {
    QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { readable(); });
    QObject::connect(&socket_, &QTcpSocket::disconnected, [this] { closed_ = true; });
    if (!from.isEmpty()) socket_.bind(QHostAddress(from));
    socket_.connectToHost(to.isEmpty() ? QStringLiteral("127.0.0.1") : to, port);
    if (!socket_.waitForConnected(waitMs)) closed_ = true;
    if (waitForSlot) awaitSlot();
}

int TestClient::awaitSlot() {
    const std::string_view ask = "CMD_sendlogininfo+";
    waitUntil([&] {
        for (const std::string& line : lines_)
            if (line.rfind(ask, 0) == 0) slot_ = std::stoi(line.substr(ask.size()));
        return slot_ != 0 || closed_;
    });
    return slot_;
}

void TestClient::pauseReading(bool paused) {
    paused_ = paused;
    socket_.setReadBufferSize(paused ? 1 : 0);
    if (!paused) readable();
}

void TestClient::readable() {
    if (paused_) return;
    const QByteArray bytes = socket_.readAll();
    raw_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    splitter_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                   lines_);
}

void TestClient::sendRaw(std::string_view bytes) {
    socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_.flush();
}

void TestClient::send(std::string_view line) { sendRaw(std::string(line) + '\xFF'); }

void TestClient::login(std::string_view name, std::string_view version) {
    sendRaw("CMD_logininfo+" + std::to_string(slot_) + "+" + std::string(version) + "+" +
            std::string(name) + "\xFF\xFF");
}

// Sleeps in the event loop until something happens, rather than polling.
bool waitUntil(const std::function<bool()>& done, int ms) {
    bool timedOut = false;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake, &QTimer::timeout, [&timedOut] { timedOut = true; });
    wake.start(ms);
    while (!done()) {
        if (timedOut) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

std::string TestClient::waitFor(const std::function<bool(const std::string&)>& match, int ms) {
    std::string found;
    waitUntil(
        [&] {
            for (; seen_ < lines_.size(); ++seen_) {
                if (match(lines_[seen_])) {
                    found = lines_[seen_++];
                    return true;
                }
            }
            return false;
        },
        ms);
    return found;
}

std::string TestClient::waitForPrefix(std::string_view prefix, int ms) {
    return waitFor([prefix](const std::string& line) { return line.rfind(prefix, 0) == 0; }, ms);
}

bool TestClient::waitClosed(int ms) {
    return waitUntil([this] { return closed_; }, ms);
}

void TestClient::killHard() {
    const linger hard{1, 0};
    ::setsockopt(static_cast<int>(socket_.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard,
                 sizeof hard);
    socket_.abort();
    closed_ = true;
}

std::vector<std::string> TestClient::linesStartingWith(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : lines_)
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

}  // namespace tess::testing
