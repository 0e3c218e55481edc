#include "support/childprocess.h"

#include <grp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zv::test {

ChildOutcome RunInChild(const std::function<std::string()>& body, unsigned seconds) {
  constexpr int kExitFailed = 1, kExitCannotRun = 77;
  int fds[2];
  if (::pipe(fds) != 0) return {ChildOutcome::kCrashed, "pipe failed"};
  const pid_t pid = ::fork();
  if (pid < 0) return {ChildOutcome::kCrashed, "fork failed"};
  if (pid == 0) {
    ::close(fds[0]);
    ::alarm(seconds);
    const std::string said = body();
    if (!said.empty()) (void)!::write(fds[1], said.data(), said.size());
    ::_exit(said.empty() ? 0 : said.rfind(kCannotRunPrefix, 0) == 0 ? kExitCannotRun : kExitFailed);
  }
  ::close(fds[1]);
  ChildOutcome out;
  char buf[512];
  ssize_t n;
  while ((n = ::read(fds[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
    if (n > 0) out.report.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(status)) {
    out.kind = WTERMSIG(status) == SIGALRM ? ChildOutcome::kTimedOut : ChildOutcome::kCrashed;
  } else if (WIFEXITED(status)) {
    const int code = WEXITSTATUS(status);
    out.kind = code == 0                ? ChildOutcome::kPassed
               : code == kExitCannotRun ? ChildOutcome::kCannotRun
                                        : ChildOutcome::kFailed;
  }
  return out;
}

std::string MountSmallTmpfs(const std::string& folder, int kilobytes) {
  if (::unshare(CLONE_NEWNS) != 0) return std::string(kCannotRunPrefix) + "unshare: " + std::strerror(errno);
  // Keep the mount to this namespace.
  if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return std::string(kCannotRunPrefix) + "private mounts: " + std::strerror(errno);
  const std::string options = "size=" + std::to_string(kilobytes) + "k";
  if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0)
    return std::string(kCannotRunPrefix) + "mount tmpfs: " + std::strerror(errno);
  return {};
}

std::string MountReadOnly(const std::string& folder) {
  if (::unshare(CLONE_NEWNS) != 0) return std::string(kCannotRunPrefix) + "unshare: " + std::strerror(errno);
  if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return std::string(kCannotRunPrefix) + "private mounts: " + std::strerror(errno);
  if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
      ::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0)
    return std::string(kCannotRunPrefix) + "read-only bind mount: " + std::strerror(errno);
  return {};
}

std::string BecomeNobody() {
  if (::setgroups(0, nullptr) != 0) return std::string("setgroups: ") + std::strerror(errno);
  if (::setresgid(kNobodyId, kNobodyId, kNobodyId) != 0)
    return std::string("setresgid: ") + std::strerror(errno);
  if (::setresuid(kNobodyId, kNobodyId, kNobodyId) != 0)
    return std::string("setresuid: ") + std::strerror(errno);
  return {};
}

}  // namespace zv::test
