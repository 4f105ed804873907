// Programs run beside the test, for tests of two processes at once: started
// without waiting, their output thrown away, their exit status collected.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vx::test {

class ChildProcess {
public:
    // `args` (UTF-8) exclude the program. A program that cannot be started
    // ends with status -1.
    ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& args);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for the end; the exit status.
    int wait();

private:
    long long handle_ = -1;
    int status_ = -1;
    bool ended_ = false;
};

}  // namespace vx::test
