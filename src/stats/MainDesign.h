// Design values of the statistics window: places and sizes in twips, colours
// as 0x00BBGGRR. Only the window's own construction uses them.
#pragma once

#include <array>

#include "core/Numbers.h"

namespace mainDesign {

using corv::rgb;
using corv::Rgb;

constexpr float kClientWidth = 8355;
constexpr float kClientHeight = 7095;

// The four pages and the busy page share one place.
constexpr float kPageLeft = 120;
constexpr float kPageTop = 1800;
constexpr float kPageWidth = 8115;
constexpr float kPageHeight = 5175;

constexpr std::array<const char*, 4> kTabCaptions{" Overview ", " Resource Management ", " Unit Management ",
                                                  " Combat Performance"};

constexpr char16_t kCloseGlyph = u'\u2612';  // BALLOT BOX WITH X

constexpr float kTitleLeft = 540;
constexpr float kTitleTop = 360;

constexpr float kRowLeft = 540;
constexpr float kRowHeight = 195;
constexpr float rowTop(int i) { return 930.0f + 480.0f * static_cast<float>(i); }
constexpr float valueTop(int i) { return i == 0 ? 900.0f : 960.0f + 480.0f * static_cast<float>(i); }
constexpr float barTop(int i) { return 1140.0f + 480.0f * static_cast<float>(i); }
constexpr std::array<float, 4> kValueLeft{2340, 3480, 3480, 3480};

constexpr float kOverviewBarWidth = 1515;
constexpr std::array<Rgb, 3> kOverviewBarFills{rgb(192, 192, 255), rgb(192, 255, 192), rgb(255, 224, 192)};

constexpr std::array<float, 8> kCategoryBarWidths{7035, 6795, 6615, 6495, 6375, 6195, 6135, 6075};
constexpr std::array<Rgb, 8> kCategoryBarFills{rgb(224, 255, 255), rgb(192, 255, 255), rgb(192, 255, 255),
                                               rgb(128, 255, 255), rgb(0, 255, 255),   rgb(0, 192, 192),
                                               rgb(0, 128, 128),   rgb(0, 64, 64)};

constexpr float kLegendLeft = 240;
constexpr float kLegendSize = 195;
constexpr std::array<float, 3> kLegGeneralTops{2505, 2955, 3405};
constexpr std::array<Rgb, 3> kLegGeneralFills{rgb(0, 128, 0), rgb(68, 136, 221), rgb(128, 0, 0)};
constexpr std::array<float, 5> kLegResTops{1155, 1605, 2055, 2505, 2955};
constexpr std::array<Rgb, 5> kLegResFills{rgb(192, 192, 255), rgb(255, 224, 192), rgb(85, 119, 204),
                                          rgb(255, 192, 192), rgb(136, 204, 204)};
constexpr std::array<float, 8> kLegUnitTops{1150, 1605, 2050, 2505, 2955, 3405, 3850, 4305};
constexpr std::array<float, 8> kLegCombatTops{1155, 1605, 2055, 2505, 2955, 3405, 3855, 4305};
// The Combat page's squares share these fills.
constexpr std::array<Rgb, 8> kLegUnitFills{rgb(224, 224, 224), rgb(238, 238, 170), rgb(192, 255, 192),
                                           rgb(192, 192, 255), rgb(170, 221, 255), rgb(204, 238, 221),
                                           rgb(255, 192, 192), rgb(85, 136, 221)};

struct ChartDesign {
  bool pie;
  int columns;
  const char* rowLabel;
  float left, top, width, height;
  std::array<Rgb, 8> colours;
};

constexpr std::array<ChartDesign, 4> kCharts{{
    // The Overview pie's three scores take the colours of the legend squares
    // beside their rows, in column order; it counts no units, so no row label.
    {true, 3, "", 4260, 1380, 3315, 2895, {kLegGeneralFills[0], kLegGeneralFills[1], kLegGeneralFills[2]}},
    {true, 5, "", 4080, 960, 2955, 3315,
     {rgb(192, 192, 255), rgb(235, 222, 160), rgb(0, 128, 192), rgb(255, 160, 160), rgb(160, 224, 224)}},
    {false, 8, "Units Built", 3840, 900, 3855, 4065,
     {rgb(210, 210, 210), rgb(235, 222, 160), rgb(180, 255, 180), rgb(180, 180, 255), rgb(160, 224, 224),
      rgb(220, 245, 220), rgb(255, 160, 160), rgb(0, 128, 192)}},
    // The opponent view repaints these from the Unit chart's series 2 onwards.
    {false, 5, "Damage Dealt", 4080, 1380, 3915, 3585,
     {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(255, 255, 0), rgb(255, 0, 255)}},
}};

}  // namespace mainDesign
