#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "tools/host_standin/run_program.h"

namespace halvane {

int RunProgram(const std::vector<std::filesystem::path>& argv,
               const std::filesystem::path& working_folder) {
  if (argv.empty()) return kNotStarted;
  std::vector<std::string> args;
  for (const auto& a : argv) args.push_back(a.string());
  std::vector<char*> raw;
  for (auto& a : args) raw.push_back(a.data());
  raw.push_back(nullptr);

  int status_pipe[2];
  if (pipe(status_pipe) != 0) return kNotStarted;
  // The write end closes itself on a successful exec, so only a failure
  // reaches the parent.
  fcntl(status_pipe[1], F_SETFD, FD_CLOEXEC);
  pid_t pid = fork();
  if (pid < 0) {
    close(status_pipe[0]);
    close(status_pipe[1]);
    return kNotStarted;
  }
  if (pid == 0) {
    close(status_pipe[0]);
    if (working_folder.empty() || chdir(working_folder.c_str()) == 0) {
      execvp(raw[0], raw.data());
    }
    // Tell the parent that nothing was started.
    char failed = 1;
    ssize_t ignored = write(status_pipe[1], &failed, 1);
    (void)ignored;
    _exit(127);
  }
  close(status_pipe[1]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      close(status_pipe[0]);
      return kNotStarted;
    }
  }
  char failed = 0;
  bool not_started = read(status_pipe[0], &failed, 1) == 1;
  close(status_pipe[0]);
  if (not_started) return kNotStarted;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

}  // namespace halvane
