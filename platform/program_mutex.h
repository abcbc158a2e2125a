// Windows: the mutex "tessarine" the lobby looks for. Elsewhere: nothing (no file, no socket).
#pragma once

namespace tess {

class ProgramMutex {
public:
    // Creates the mutex without owning it; a mutex of the same name left by another copy
    // of the program is simply opened. A failure is not an error: the program goes on.
    ProgramMutex();
    // Closes the handle: the name is gone once no process holds it open.
    ~ProgramMutex();
    ProgramMutex(const ProgramMutex&) = delete;
    ProgramMutex& operator=(const ProgramMutex&) = delete;

    // Whether this process holds the mutex open (always false where it does nothing).
    bool held() const { return handle_ != nullptr; }

    static constexpr const char* name = "tessarine";

private:
    void* handle_ = nullptr;
};

}  // namespace tess
