#include "FileSizeLimit.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavoro::test {

bool runWithFileSizeLimit(size_t maxBytes, const std::function<bool()>& work) {
  const pid_t child = ::fork();
  if (child < 0) {
    ADD_FAILURE() << "fork failed";
    return false;
  }
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
    const rlimit limit{maxBytes, maxBytes};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(3);
    ::_exit(work() ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1) {
    ADD_FAILURE() << "the child did not finish normally (status " << status << ")";
    return false;
  }
  return WEXITSTATUS(status) == 0;
}

}  // namespace tavoro::test
