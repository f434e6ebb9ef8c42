// Streaming a log's bytes in large chunks and cutting them into lines, so a
// read holds one chunk and one line whatever the file's size.
#pragma once

#include <algorithm>
#include <cstddef>
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

// A log file read in chunks. fread fills every chunk but the last, so the
// first read holds the whole of a byte-order mark when the file starts with one.
class FileSource final {
 public:
  explicit FileSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
  ~FileSource() {
    if (file_) std::fclose(file_);
  }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  bool failed() const { return !file_ || std::ferror(file_) != 0; }

  // Up to n bytes into buf; 0 at the end of the file or on a read error. A
  // UTF-8 byte-order mark at the very start is left out: some editors add one
  // when they save a log again, and it is no part of the first line.
  std::size_t read(char* buf, std::size_t n) {
    std::size_t got = file_ ? std::fread(buf, 1, n, file_) : 0;
    if (started_) return got;
    started_ = true;
    constexpr std::size_t kMarkBytes = 3;
    if (got < kMarkBytes || std::memcmp(buf, "\xEF\xBB\xBF", kMarkBytes) != 0) return got;
    got -= kMarkBytes;
    std::memmove(buf, buf + kMarkBytes, got);
    return got;
  }

 private:
  std::FILE* file_;
  bool started_ = false;
};

inline const char* findByte(const char* p, const char* end, char c) {
  const void* hit = std::memchr(p, c, static_cast<std::size_t>(end - p));
  return hit ? static_cast<const char*>(hit) : end;
}

// Calls onLine(std::string_view) for every line of the source in order. A line
// ends at CR LF, CR or LF, and those bytes are not part of it; a last line
// without an ending still counts, an ending at the very end adds no empty line.
// `carry` holds a line that straddles two chunks; the view passed to onLine is
// valid only during the call.
template <class OnLine>
void forEachLine(FileSource& src, std::string& carry, OnLine&& onLine) {
  const std::unique_ptr<char[]> chunk(new char[kChunkBytes]);
  bool partial = false;    // carry holds the start of an unfinished line
  bool dropLF = false;     // the previous chunk ended in CR: an LF first is its pair
  carry.clear();
  for (;;) {
    const std::size_t n = src.read(chunk.get(), kChunkBytes);
    if (n == 0) break;
    const char* p = chunk.get();
    const char* const end = p + n;
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
