#include "client/joining/join_memory.h"

#include "client/joining/invitation.h"
#include "wire/names.h"

namespace tess {

QString cleanPlayerName(const QString& name) {
    return QString::fromStdString(wire::cleanName(name.toStdString()));
}

QString systemUserName() {
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
        const QString name = cleanPlayerName(qEnvironmentVariable(variable)).trimmed();
        if (!name.isEmpty()) return name;
    }
    return QStringLiteral("Player");
}

QString JoinMemory::playerName() const {
    const QString name = cleanPlayerName(QString::fromStdString(file_.value(nameKey))).trimmed();
    return name.isEmpty() ? systemUserName() : name;
}

// Addresses never hold spaces, so one key holds them all.
QStringList JoinMemory::recentAddresses() const {
    QStringList recent;
    const QString stored = QString::fromStdString(file_.value(recentKey));
    for (const QString& word : stored.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (const auto address = tableAddress(word);
            address && !recent.contains(*address) && recent.size() < recentCount)
            recent << *address;
    return recent;
}

// Written only when it changed: the lobby shares the file, and an unchanged name is no
// reason to rewrite it.
bool JoinMemory::rememberName(const QString& name) {
    const std::string clean = cleanPlayerName(name).trimmed().toStdString();
    if (file_.value(nameKey) == clean) return true;
    return file_.writeKey(nameKey, clean);
}

bool JoinMemory::rememberAddress(const QString& address) {
    QStringList recent = recentAddresses();
    recent.removeAll(address);
    recent.prepend(address);
    while (recent.size() > recentCount)
        recent.removeLast();
    return file_.writeKey(recentKey, recent.join(QLatin1Char(' ')).toStdString());
}

}  // namespace tess
