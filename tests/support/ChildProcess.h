#pragma once
// A child process of a whole-program test, started with the test's
// environment plus some variables of its own; killed and waited for when the
// object goes, so no test leaves it running.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

class Child {
 public:
  Child(std::vector<std::string> argv, const std::vector<std::string>& extraEnv) {
    // The given variables replace the inherited ones of the same name.
    std::vector<std::string> env = extraEnv;
    for (char** e = environ; *e; ++e) {
      const std::string entry = *e;
      const std::string name = entry.substr(0, entry.find('=') + 1);
      bool replaced = false;
      for (const std::string& extra : extraEnv) replaced = replaced || extra.rfind(name, 0) == 0;
      if (!replaced) env.push_back(entry);
    }
    std::vector<char*> cargv, cenv;
    for (std::string& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    for (std::string& e : env) cenv.push_back(e.data());
    cenv.push_back(nullptr);
    if (posix_spawnp(&pid_, cargv[0], nullptr, nullptr, cargv.data(), cenv.data()) != 0) pid_ = -1;
  }
  ~Child() { Kill(); }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool Started() const { return pid_ > 0; }
  // Whether the process is still running.
  bool Running() {
    if (pid_ <= 0) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) pid_ = -1;
    return pid_ > 0;
  }
  // Waits (bounded) for the process to end by itself; true when it did.
  bool WaitForExit(std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return pid_ <= 0;
  }
  void Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
};
