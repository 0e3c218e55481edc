#pragma once
// Runs a piece of a test in a child process: for what the test process itself
// must not do (enter a private mount namespace, drop root, wait on something
// that might block for ever).

#include <functional>
#include <string>

namespace zv::test {

struct ChildOutcome {
  enum Kind { kPassed, kFailed, kCannotRun, kTimedOut, kCrashed };
  Kind kind = kCrashed;
  std::string report;  // what the child said
};

// body returns an empty text when all was as expected, otherwise what was
// not; kCannotRunPrefix at its start means the set-up it needs is not
// permitted here. The child is killed after `seconds`.
inline constexpr char kCannotRunPrefix[] = "cannot run: ";
ChildOutcome RunInChild(const std::function<std::string()>& body, unsigned seconds = 20);

// Enters a private mount namespace and mounts a tmpfs of the given size (in
// KB) on folder. An empty text on success; otherwise a text that begins with
// kCannotRunPrefix.
std::string MountSmallTmpfs(const std::string& folder, int kilobytes);

// Enters a private mount namespace and makes folder read-only there (a
// read-only bind mount on itself), which binds root too. An empty text on
// success; otherwise a text that begins with kCannotRunPrefix.
std::string MountReadOnly(const std::string& folder);

// Drops to the unprivileged user nobody (and group nogroup) for good; needs
// root. An empty text on success.
std::string BecomeNobody();
inline constexpr unsigned kNobodyId = 65534;

}  // namespace zv::test
