// Streaming a log's bytes in large chunks and cutting them into lines, so a
// read holds one chunk and one line whatever the file's size.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace corv::logio {

// Big enough that the per-read cost vanishes, small enough to stay in cache.
inline constexpr std::size_t kChunkBytes = std::size_t{1} << 18;

// A line longer than this keeps only its first bytes: no line the reader
// recognises comes near it, and a file with no line ending at all must not
// make the reader hold the whole file.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

inline void appendCapped(std::string& line, const char* from, const char* to) {
  if (line.size() >= kMaxLineBytes) return;
  const std::size_t room = kMaxLineBytes - line.size();
  line.append(from, std::min(room, static_cast<std::size_t>(to - from)));
}

// No game log comes near this size (the largest are a few tens of KiB); a
// larger file is refused before a byte of it is read.
inline constexpr std::uint64_t kMaxLogBytes = std::uint64_t{64} << 20;

// A log file read in chunks through one open file, so every pass over it sees
// the same bytes. Only a regular file (or a link to one) is read: a FIFO or a
// device could block for ever or never end. fread fills every chunk but the
// last, so the first read holds the whole of a byte-order mark when the file
// starts with one.
class FileSource final {
 public:
  enum class Refusal { None, CannotOpen, NotAFile, TooLarge };

  explicit FileSource(const std::string& path) {
    // Opened without waiting, so that a FIFO put in a log's place cannot block
    // the open itself before it is seen for what it is.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
      refusal_ = Refusal::CannotOpen;
      return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      refusal_ = Refusal::NotAFile;
    } else if (static_cast<std::uint64_t>(st.st_size) > kMaxLogBytes) {
      refusal_ = Refusal::TooLarge;
    } else {
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
      file_ = ::fdopen(fd, "rb");
      if (!file_) refusal_ = Refusal::CannotOpen;
    }
    if (!file_) ::close(fd);
  }
  ~FileSource() {
    if (file_) std::fclose(file_);
  }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  // Why nothing, or not all, of the file was read: a file that grows past the
  // limit while it is read is refused as too large.
  Refusal refusal() const { return refusal_; }
  bool failed() const { return !file_ || std::ferror(file_) != 0 || refusal_ != Refusal::None; }
  // The file began with a UTF-8 byte-order mark; known after the first read.
  bool utf8() const { return utf8_; }

  // Up to n bytes into buf; 0 at the end of the file, on a read error or past
  // the size limit. A UTF-8 byte-order mark at the very start is left out:
  // some editors add one when they save a log again, and it is no part of the
  // first line.
  std::size_t read(char* buf, std::size_t n) {
    if (!file_ || refusal_ != Refusal::None) return 0;
    std::size_t got = std::fread(buf, 1, n, file_);
    total_ += got;
    if (total_ > kMaxLogBytes) {
      refusal_ = Refusal::TooLarge;
      return 0;
    }
    if (started_) return got;
    started_ = true;
    constexpr std::size_t kMarkBytes = 3;
    if (got < kMarkBytes || std::memcmp(buf, "\xEF\xBB\xBF", kMarkBytes) != 0) return got;
    utf8_ = true;
    got -= kMarkBytes;
    std::memmove(buf, buf + kMarkBytes, got);
    return got;
  }

 private:
  std::FILE* file_ = nullptr;
  Refusal refusal_ = Refusal::None;
  std::uint64_t total_ = 0;
  bool started_ = false;
  bool utf8_ = false;
};

inline std::string versionText(bool marked) { return marked ? "1.04" : "1.00"; }

// Watches a log's bytes, chunk by chunk, for the text that marks version
// 1.04. The log's lines are joined with nothing between them, so CR and LF
// bytes are passed over and the text may run across a line ending.
class VersionMarker final {
 public:
  void feed(const char* p, const char* end);
  bool found() const { return state_ == kFound; }

 private:
  static constexpr std::size_t kFound = 19;  // the length of the text
  std::size_t state_ = 0;
};

inline const char* findByte(const char* p, const char* end, char c) {
  const void* hit = std::memchr(p, c, static_cast<std::size_t>(end - p));
  return hit ? static_cast<const char*>(hit) : end;
}

// Calls onChunk(first, end) for every chunk as read, then onLine(std::string_view)
// for every line of it in order. A line
// ends at CR LF, CR or LF, and those bytes are not part of it; a last line
// without an ending still counts, an ending at the very end adds no empty line.
// `carry` holds a line that straddles two chunks; the view passed to onLine is
// valid only during the call.
template <class OnChunk, class OnLine>
void forEachLine(FileSource& src, std::string& carry, OnChunk&& onChunk, OnLine&& onLine) {
  const std::unique_ptr<char[]> chunk(new char[kChunkBytes]);
  bool partial = false;    // carry holds the start of an unfinished line
  bool dropLF = false;     // the previous chunk ended in CR: an LF first is its pair
  carry.clear();
  for (;;) {
    const std::size_t n = src.read(chunk.get(), kChunkBytes);
    if (n == 0) break;
    const char* p = chunk.get();
    const char* const end = p + n;
    onChunk(p, end);
    if (dropLF) {
      dropLF = false;
      if (*p == '\n') ++p;
    }
    // The next CR and the next LF are looked up only once passed, so a file
    // with one kind of ending scans for the other kind once per chunk.
    const char* nextCR = findByte(p, end, '\r');
    const char* nextLF = findByte(p, end, '\n');
    while (p < end) {
      if (nextCR < p) nextCR = findByte(p, end, '\r');
      if (nextLF < p) nextLF = findByte(p, end, '\n');
      const char* const eol = std::min(nextCR, nextLF);
      if (eol == end) {
        appendCapped(carry, p, end);
        partial = true;
        break;
      }
      if (partial) {
        appendCapped(carry, p, eol);
        onLine(std::string_view(carry));
        carry.clear();
        partial = false;
      } else {
        onLine(std::string_view(p, static_cast<std::size_t>(eol - p)));
      }
      p = eol + 1;
      if (*eol == '\r') {
        if (p == end)
          dropLF = true;
        else if (*p == '\n')
          ++p;
      }
    }
  }
  if (partial) onLine(std::string_view(carry));
}

}  // namespace corv::logio
