#pragma once
// Runs a piece of a test in a child process: for what the test process itself
// must not do (enter a private mount namespace, wait on what might block).

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>

#include <functional>

#include "support/testsupport.h"

namespace zv::test {

struct ChildOutcome {
  enum Kind { kPassed, kFailed, kCannotRun } kind;
  std::string report;
};

// body returns an empty text when all was as expected, otherwise what was
// not, which the child prints; "cannot run" at its start means the set-up it
// needs is not permitted here, which in CI is a failure. The child is killed
// after 20 seconds.
inline ChildOutcome RunInChild(const std::function<std::string()>& body) {
  int status = 0;
  if (!::fork()) {
    ::alarm(20);
    const std::string said = body();
    std::fputs(said.c_str(), stderr);
    ::_exit(said.empty() ? 0 : said.starts_with("cannot run") && !InCI() ? 2 : 1);
  }
  ::wait(&status);
  return {ChildOutcome::Kind(std::min(status >> 8, 2) + !WIFEXITED(status)), "the child said so above"};
}

// Enters a private mount namespace and makes folder read-only there (a
// read-only bind mount on itself, which binds root too). An empty text on
// success, else why it cannot run.
inline std::string MountReadOnly(const std::string& folder) {
  const char* at = folder.c_str();
  const bool failed = ::unshare(CLONE_NEWNS) || ::mount("", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
                      ::mount(at, at, nullptr, MS_BIND, nullptr) ||
                      ::mount("", at, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr);
  return failed ? "cannot run: mount: " + std::to_string(errno) : "";
}

}  // namespace zv::test
