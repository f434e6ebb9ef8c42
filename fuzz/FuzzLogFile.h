// The fuzzer's input as a file, so the targets read it the way the program
// does: by path, through the same file reader. The file lives in memory
// (memfd) and is rewritten for every input; its path names this process's
// descriptor, so parallel fuzzing workers never share it.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace fuzz {

class LogFile {
 public:
  LogFile() : fd_(memfd_create("corv-fuzz-log", 0)) {
    if (fd_ < 0) std::abort();
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;
  ~LogFile() { close(fd_); }

  // The file now holds exactly these bytes.
  const std::string& hold(const std::uint8_t* data, std::size_t size) {
    if (ftruncate(fd_, 0) != 0) std::abort();
    for (std::size_t done = 0; done < size;) {
      const ssize_t n = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
      if (n <= 0) std::abort();
      done += static_cast<std::size_t>(n);
    }
    return path_;
  }

 private:
  int fd_;
  std::string path_;
};

}  // namespace fuzz
