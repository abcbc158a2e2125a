// Hands the host's table announcements that arrive on the connection to the table model.
#pragma once

#include "client/client_link.h"
#include "client/table_model.h"

namespace tess {

// Registers every command word of TableModel::routes() on `link`. A line the model
// ignores for a number out of range is logged; one with a field that is not a number is
// logged by the link itself.
void routeTable(ClientLink& link, TableModel& model);

}  // namespace tess
