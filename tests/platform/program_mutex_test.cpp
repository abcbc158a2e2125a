// The mutex seen from another process, as the lobby sees it: the test starts a second copy
// of itself that holds the mutex until told to end, and looks for the name meanwhile.
#include "platform/program_mutex.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

constexpr const char* holdArgument = "--hold-program-mutex";

std::string eventName(const char* what, DWORD parent) {
    return "tessarine-test-" + std::string(what) + "-" + std::to_string(parent);
}

// The second process: holds the mutex, says so, and ends when the test lets it go.
int holdUntilReleased(DWORD parent) {
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName("ready", parent).c_str());
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, eventName("release", parent).c_str());
    if (ready == nullptr || release == nullptr) return 3;
    tess::ProgramMutex mutex;
    if (!mutex.held()) return 4;
    SetEvent(ready);
    return WaitForSingleObject(release, 30000) == WAIT_OBJECT_0 ? 0 : 5;
}

// Whether the name can be opened from here, as another program would look for it.
bool mutexFound() {
    HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, tess::ProgramMutex::name);
    if (h == nullptr) return false;
    CloseHandle(h);
    return true;
}

struct Holder {
    HANDLE ready =
        CreateEventA(nullptr, TRUE, FALSE, eventName("ready", GetCurrentProcessId()).c_str());
    HANDLE release =
        CreateEventA(nullptr, TRUE, FALSE, eventName("release", GetCurrentProcessId()).c_str());
    PROCESS_INFORMATION process{};

    bool start() {
        char self[MAX_PATH];
        if (GetModuleFileNameA(nullptr, self, MAX_PATH) == 0) return false;
        std::string line = "\"" + std::string(self) + "\" " + holdArgument + " " +
                           std::to_string(GetCurrentProcessId());
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        return CreateProcessA(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process) != 0;
    }
    // The exit code of the second process once it has ended.
    DWORD end() {
        SetEvent(release);
        DWORD code = 99;
        if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &code);
        return code;
    }
    ~Holder() {
        if (process.hProcess != nullptr) {
            SetEvent(release);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        CloseHandle(ready);
        CloseHandle(release);
    }
};

TEST(ProgramMutex, FoundByAnotherProcessOnlyWhileTheProgramRuns) {
    ASSERT_FALSE(mutexFound()) << "a mutex of that name is already there";
    Holder holder;
    ASSERT_TRUE(holder.start());
    ASSERT_EQ(WaitForSingleObject(holder.ready, 30000), WAIT_OBJECT_0);
    EXPECT_TRUE(mutexFound());
    EXPECT_EQ(holder.end(), 0u);
    EXPECT_FALSE(mutexFound());
}

TEST(ProgramMutex, ASecondCopyOpensTheSameMutex) {
    tess::ProgramMutex first;
    {
        tess::ProgramMutex second;
        const DWORD error = GetLastError();
        EXPECT_TRUE(second.held());
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    }
    EXPECT_TRUE(first.held());
    EXPECT_TRUE(mutexFound());  // the second copy's end leaves the first one's name
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], holdArgument) == 0)
        return holdUntilReleased(static_cast<DWORD>(std::stoul(argv[2])));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
