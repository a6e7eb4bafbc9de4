// Child: a running store_helper (the other station of the cross-process
// tests), started with posix_spawn, with pipes to its stdin and from its
// stdout. Destroying it kills the helper if it still runs.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace vorda::store::test {

class Child {
public:
    explicit Child(std::vector<std::string> args) {
        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        args.insert(args.begin(), STORE_HELPER);
        std::vector<char*> argv;
        argv.reserve(args.size() + 1);
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, STORE_HELPER, &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        toChild_ = in[1];
        fromChild_ = out[0];
    }
    ~Child() {
        closeInput();
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        if (fromChild_ >= 0)
            ::close(fromChild_);
    }
    // The next line the child prints; "" on end of output or after `timeout`.
    std::string readLine(std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        std::string line;
        char c;
        pollfd p{fromChild_, POLLIN, 0};
        while (::poll(&p, 1, static_cast<int>(timeout.count())) == 1 &&
               ::read(fromChild_, &c, 1) == 1) {
            if (c == '\n')
                return line;
            line += c;
        }
        return line;
    }
    void closeInput() {
        if (toChild_ >= 0)
            ::close(toChild_);
        toChild_ = -1;
    }
    void kill() { ::kill(pid_, SIGKILL); }
    // Exit status, or -signal.
    int wait() {
        int status = 0;
        if (pid_ <= 0 || ::waitpid(pid_, &status, 0) != pid_)
            return -1000;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }

private:
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
};

}  // namespace vorda::store::test
