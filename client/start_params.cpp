#include "client/start_params.h"

namespace tess {

StartParams parseStartParams(const QStringList& args) {
    StartParams params;
    if (args.isEmpty()) return params;
    if (args.size() < 3) {
        params.mode = StartParams::Mode::incomplete;
        return params;
    }
    params.name = args[0];
    params.host = args[1];
    params.mode =
        args[2] == QLatin1String("true") ? StartParams::Mode::host : StartParams::Mode::join;
    return params;
}

}  // namespace tess
