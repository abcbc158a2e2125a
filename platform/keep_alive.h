// TCP keep-alive with the program's own timings, on a socket given by its descriptor (a
// SOCKET on Windows, where the number of probes is the system's own, ten).
#pragma once

#include <cstdint>

namespace tess {

// Whether the system took every setting.
bool setKeepAliveTimes(std::intptr_t socket, int idleS, int intervalS, int count);

}  // namespace tess
