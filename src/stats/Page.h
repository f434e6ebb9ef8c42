// The four tab pages of the statistics window. A page's number is its tab's,
// and the element number of its frame (Tabb), chart (Graph), view chooser
// (cbView) and background (imgBack).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace corv {

enum class Page { Overview, Resource, Unit, Combat };

inline constexpr std::array<Page, 4> kPages{Page::Overview, Page::Resource, Page::Unit, Page::Combat};

// The three pages that score a category; also the order of an Overview bar's segments.
inline constexpr std::array<Page, 3> kCategories{Page::Resource, Page::Unit, Page::Combat};

constexpr std::size_t index(Page p) { return static_cast<std::size_t>(p); }

// A category page's segment of an Overview bar: Resource 0, Unit 1, Combat 2.
constexpr std::size_t segmentOf(Page category) { return index(category) - 1; }

// The keyword by which the page layouts name a page: "General", "Resource",
// "Unit" or "Combat".
inline constexpr std::array<const char*, 4> kPageKeywords{"General", "Resource", "Unit", "Combat"};

constexpr const char* keywordOf(Page p) { return kPageKeywords[index(p)]; }

// The page a keyword names, compared exactly; none for any other text.
constexpr std::optional<Page> pageOfKeyword(std::string_view keyword) {
  for (const Page p : kPages)
    if (keyword == kPageKeywords[index(p)]) return p;
  return std::nullopt;
}

}  // namespace corv
