#include "client/model/change_report.h"

#include "client/model/table_events.h"

namespace tess {

void ChangeReport::leave() {
    if (--depth_ != 0 || dirty_ == 0) return;
    const unsigned areas = dirty_;
    dirty_ = 0;
    events_.changed(areas);
}

}  // namespace tess
