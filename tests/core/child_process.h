#pragma once
// A real second process for the tests of the directory lock and of saves
// killed half-way.
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace hk::store_test {

// A child process that runs `work`, tells the parent it is done, runs `then`
// and waits to be killed; the parent goes on once the work is done.
class Child {
  public:
    explicit Child(const std::function<void()>& work, const std::function<void()>& then = {}) {
        int ready[2];
        if (::pipe(ready) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            work();
            const char done = 1;
            if (::write(ready[1], &done, 1) != 1) ::_exit(3);
            if (then) then();
            ::pause();
            ::_exit(0);
        }
        ::close(ready[1]);
        char done = 0;
        if (::read(ready[0], &done, 1) != 1) ADD_FAILURE() << "the child did not finish its work";
        ::close(ready[0]);
    }
    ~Child() { end(); }
    pid_t pid() const { return pid_; }
    // Killed, as a crash or a power loss ends a program.
    void end() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
};

} // namespace hk::store_test
