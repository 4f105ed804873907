#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/cli/child_process.h"

extern char** environ;

namespace vx::test {

ChildProcess::ChildProcess(const std::filesystem::path& program,
                           const std::vector<std::string>& args) {
    std::vector<std::string> words = {program.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) handle_ = pid;
    posix_spawn_file_actions_destroy(&actions);
    if (handle_ == -1) ended_ = true;
}

ChildProcess::~ChildProcess() { wait(); }

int ChildProcess::wait() {
    if (ended_) return status_;
    int status = 0;
    while (::waitpid(static_cast<pid_t>(handle_), &status, 0) < 0) {
    }
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ended_ = true;
    return status_;
}

}  // namespace vx::test
