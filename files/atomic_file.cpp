#include "files/atomic_file.h"
#include "i18n/translate.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const std::string& content) {
  size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += (size_t)n;
  }
  return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& content, std::string& error) {
  std::string temporary = path + ".tmp-XXXXXX";
  const int fd = mkstemp(&temporary[0]);
  if (fd < 0) {
    error = formatText(_("cannot write %s: %s"), path.c_str(), std::strerror(errno));
    return false;
  }
  const bool written = writeAll(fd, content) && fsync(fd) == 0;
  const int savedErrno = errno;
  if (close(fd) != 0 || !written) {
    error = formatText(_("cannot write %s: %s"), path.c_str(), std::strerror(written ? errno : savedErrno));
    unlink(temporary.c_str());
    return false;
  }
  // mkstemp makes the file private; a saved game or setting is as readable as any new file.
  const mode_t mask = umask(0);
  umask(mask);
  chmod(temporary.c_str(), 0666 & ~mask);
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    error = formatText(_("cannot write %s: %s"), path.c_str(), std::strerror(errno));
    unlink(temporary.c_str());
    return false;
  }
  return true;
}
