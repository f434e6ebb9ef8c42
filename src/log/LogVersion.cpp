// Telling a log's version. The version text may run across a line ending, and
// the log is joined with nothing between its lines, so the search looks at the
// bytes with every CR and LF left out, chunk by chunk as the reader reads them.
#include <array>
#include <cstdint>
#include <string_view>

#include "log/LineSource.h"
#include "log/LogReader.h"

namespace corv {

namespace {

constexpr std::string_view kMarker = "PULSE LANCE FRIGATE";
constexpr std::size_t kFound = kMarker.size();

// A matching automaton over bytes: state s means the last s bytes seen (line
// endings left out) are the first s bytes of the marker.
struct MarkerAutomaton {
  std::array<std::array<std::uint8_t, 256>, kFound> next{};
};

consteval MarkerAutomaton buildAutomaton() {
  MarkerAutomaton a{};
  a.next[0][static_cast<unsigned char>(kMarker[0])] = 1;
  std::size_t fallback = 0;
  for (std::size_t s = 1; s < kFound; ++s) {
    a.next[s] = a.next[fallback];
    const auto c = static_cast<unsigned char>(kMarker[s]);
    a.next[s][c] = static_cast<std::uint8_t>(s + 1);
    fallback = a.next[fallback][c];
  }
  for (std::size_t s = 0; s < kFound; ++s) {
    a.next[s]['\r'] = static_cast<std::uint8_t>(s);
    a.next[s]['\n'] = static_cast<std::uint8_t>(s);
  }
  return a;
}

constexpr MarkerAutomaton kAutomaton = buildAutomaton();
static_assert(kMarker.find('P', 1) == std::string_view::npos,
              "the skip below relies on the marker's first byte appearing only there");

}  // namespace

namespace logio {

void VersionMarker::feed(const char* p, const char* end) {
  static_assert(kFound == corv::kFound);
  std::size_t state = state_;
  while (p < end && state != kFound) {
    if (state == 0) {
      // From the start state only the marker's first byte leads anywhere.
      p = findByte(p, end, kMarker[0]);
      if (p == end) break;
    }
    state = kAutomaton.next[state][static_cast<unsigned char>(*p++)];
  }
  state_ = state;
}

}  // namespace logio

std::string GetLogVersion(const std::string& path) {
  logio::FileSource src(path);
  logio::VersionMarker marker;
  const std::unique_ptr<char[]> chunk(new char[logio::kChunkBytes]);
  while (!marker.found()) {
    const std::size_t n = src.read(chunk.get(), logio::kChunkBytes);
    if (n == 0) break;
    marker.feed(chunk.get(), chunk.get() + n);
  }
  return logio::versionText(marker.found());
}

}  // namespace corv
