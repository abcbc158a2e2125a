#include "platform/program_mutex.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tess {

#ifdef _WIN32

ProgramMutex::ProgramMutex() : handle_(CreateMutexA(nullptr, FALSE, name)) {}

ProgramMutex::~ProgramMutex() {
    if (handle_ != nullptr) CloseHandle(handle_);
}

#else

ProgramMutex::ProgramMutex() = default;
ProgramMutex::~ProgramMutex() = default;

#endif

}  // namespace tess
