#include "client/table/table_routes.h"

#include <QLoggingCategory>
#include <algorithm>

Q_LOGGING_CATEGORY(lcTable, "tessarine.table")

namespace tess {

namespace {
void ignored(std::string_view word, std::string_view rest) {
    qCWarning(lcTable) << "Ignored a line from the host:"
                       << QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()))
                       << QString::fromUtf8(
                              rest.data(),
                              static_cast<qsizetype>(std::min<std::size_t>(rest.size(), 80)));
}
}  // namespace

void routeClient(ClientLink& link, TableModel& model, PlayerEvents& window) {
    for (const ClientRoute& route : clientRoutes()) {
        if (route.model != nullptr) {
            link.on(route.word,
                    [&model, h = route.model, word = route.word](std::string_view rest) {
                        if (!(model.*h)(rest)) ignored(word, rest);
                    });
        } else {
            link.on(route.word,
                    [&window, h = route.window](std::string_view rest) { (window.*h)(rest); });
        }
    }
}

}  // namespace tess
