#include "client/table_routes.h"

#include <QLoggingCategory>
#include <algorithm>

Q_LOGGING_CATEGORY(lcTable, "tessarine.table")

namespace tess {

void routeTable(ClientLink& link, TableModel& model) {
    for (const TableModel::Route& route : TableModel::routes()) {
        link.on(route.word, [&model, route](std::string_view rest) {
            if ((model.*route.handler)(rest)) return;
            qCWarning(lcTable)
                << "Ignored a line from the host:"
                << QString::fromUtf8(route.word.data(), static_cast<qsizetype>(route.word.size()))
                << QString::fromUtf8(
                       rest.data(), static_cast<qsizetype>(std::min<std::size_t>(rest.size(), 80)));
        });
    }
}

}  // namespace tess
