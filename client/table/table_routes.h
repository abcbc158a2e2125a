// Hands what arrives on the connection to the client's routing table.
#pragma once

#include "client/model/client_routes.h"
#include "client/model/table_model.h"
#include "client/table/client_link.h"

namespace tess {

// Registers every route of clientRoutes() on `link`. A line the model ignores for a
// number out of range is logged; one with a field that is not a number is logged by the
// link itself.
void routeClient(ClientLink& link, TableModel& model, PlayerEvents& window);

}  // namespace tess
