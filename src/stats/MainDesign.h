// Design values of the statistics window: places and sizes in twips, colours
// as 0x00BBGGRR. The window's construction uses them, and the routines that
// write player names into its pages take the room a name may fill from here.
#pragma once

#include <array>

#include "core/Numbers.h"
#include "stats/Page.h"
#include "ui/Chart.h"
#include "ui/Twips.h"

namespace mainDesign {

using corv::rgb;
using corv::Rgb;

struct Box {
  float left, top, width, height;
};

struct FontDesign {
  const char* family;
  double size;
  bool bold, italic;
  int weight;  // -1: normal or bold as `bold` says
};

struct LabelDesign {
  const char* name;
  const char* caption;
  float left, top;
  FontDesign font;
  Rgb colour;
};

struct LineDesign {
  float x1, y1, x2, y2;
  Rgb colour;
  int width;
};

// ---- What each page says and where its values stand, in page order ----

struct PageDesign {
  const char* tab;          // the tab's caption
  const char* title;        // the page title of the summary
  const char* playerTitle;  // after the player's name in a player view
  float valueLeft;          // the value labels at design
  float playerValueLeft;    // the value labels of a player view
  // The rows of a player view; the Combat page's rows after the first are
  // the opponents, which the view writes.
  std::array<const char*, 8> playerRows;
};

constexpr std::array<PageDesign, 4> kPageDesigns{{
    {" Overview ", "Overall Game Performance", "'s Overall Game Performance", 2340, 2800,
     {"Total Ships Built", "Time of Death", "", "Resource Management", "Unit Management", "Combat Performance", "",
      "Total Score"}},
    // "RU 's" keeps its blank before the apostrophe: it is how the rows have always read.
    {" Resource Management ", "Resource Management Summary", "'s Resource Management Stats", 3480, 2350,
     {"RU 's Collected", "RU 's Injected", "RU 's Received", "RU 's Generated", "RU 's via Bounties", "RU 's Spent",
      "RU 's Given", "RU 's Remaining"}},
    {" Unit Management ", "Unit Management Summary", "'s Unit Management Stats", 3480, 2730,
     {"Non-Combat Units", "Resource-Class Units", "Fighter-Class Units", "Corvette-Class Units", "Frigate-Class Units",
      "Destroyer-Class Units", "Carriers", "Heavy Cruisers"}},
    // No blank after the last tab's caption.
    {" Combat Performance", "Combat Performance Summary", "'s Combat Performance Stats", 3480, 1950,
     {"Total Damage", "", "", "", "", "", "", ""}},
}};

constexpr const PageDesign& pageDesign(corv::Page p) { return kPageDesigns[corv::index(p)]; }

// A player view's rows stand closer than the summary's.
constexpr float playerRowTop(int i) { return 1150.0f + 450.0f * static_cast<float>(i); }

constexpr float kClientWidth = 8355;
constexpr float kClientHeight = 7095;

// ---- The title area, in the window itself ----

constexpr Box kTitleArt{60, -120, 8250, 1350};
constexpr LabelDesign kTitleStats{"lbTitleStats", "Stats", 360, 660, {"Handel Gothic D", 21.75, true, false, 800},
                                  ui::kLightBlue};
constexpr LabelDesign kTitleVersion{"lbTitleVersion", "v1.01", 1560, 900, {"Arial", 8.25, true, false, -1},
                                    ui::kLightBlue};
constexpr LineDesign kTitleRule{1380, 870, 9000, 870, ui::kLightBlue, 3};
constexpr LineDesign kTitleStroke{7680, 960, 7600, 780, ui::kWhite, 1};  // across the title rule

// A box-cross glyph from a font every Linux desktop has stands in for the
// symbol font's cross in a box; its box keeps the design size so the click
// target does not depend on the glyph's metrics.
constexpr char16_t kCloseGlyph = u'\u2612';  // BALLOT BOX WITH X
constexpr FontDesign kCloseFont{"DejaVu Sans", 14.25, false, false, -1};
constexpr Box kCloseBox{7965, 60, 300, 315};

// Under the title area, and the left, right and bottom edges of the page area.
constexpr LineDesign kUnderTitle{60, 1230, 8340, 1230, ui::kDarkGrey, 1};
constexpr LineDesign kPageLeftEdge{105, 1800, 105, 6975, ui::kLightGrey, 1};
constexpr LineDesign kPageRightEdge{8235, 1605, 8235, 6975, ui::kGrey, 1};
constexpr LineDesign kPageBottomEdge{8235, 6975, 90, 6975, ui::kGrey, 1};

constexpr Box kTabStrip{120, 1380, 8130, 420};
constexpr FontDesign kTabFont{"Verdana", 8.25, true, true, -1};

// The four pages and the busy page share one place.
constexpr float kPageLeft = 120;
constexpr float kPageTop = 1800;
constexpr float kPageWidth = 8115;
constexpr float kPageHeight = 5175;


constexpr LabelDesign kBusyLabel{"Label1", "Generating Statistics....", 2760, 2280, {"Verdana", 9.75, true, false, -1},
                                 ui::kWhite};

// ---- On every page ----

// Page 0's picture, stretched; the other pages copy it when the window loads.
constexpr Box kPageBack{-300, 0, 8415, 5175};
constexpr Box kEmptyBack{0, 0, 255, 255};
constexpr Box kChooser{5850, 0, 2265, 330};
constexpr FontDesign kRowFont{"Verdana", 8.25, true, false, -1};

constexpr FontDesign kPageTitleFont{"Eurostile T", 14.25, true, false, -1};
constexpr float kTitleLeft = 540;
constexpr float kTitleTop = 360;
// The Resource page's title sits in an opaque frame of its own, so behind it
// the background does not show. The frame reaches the page's right edge (not
// 4815 twips) so that "<name>'s Resource Management Stats" is never cut off.
constexpr Box kResTitleFrame{480, 360, kPageWidth - 480, 495};
constexpr float kResTitleLeft = 60;
constexpr float kResTitleTop = 0;

constexpr float kRowLeft = 540;
constexpr float kRowHeight = 195;
constexpr float rowTop(int i) { return 930.0f + 480.0f * static_cast<float>(i); }
constexpr float valueTop(int i) { return i == 0 ? 900.0f : 960.0f + 480.0f * static_cast<float>(i); }
constexpr float barTop(int i) { return 1140.0f + 480.0f * static_cast<float>(i); }

constexpr std::array<float, 3> kOverviewBarLefts{540, 2040, 3540};
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

// ---- Room for player names ----
// A name too long for its place is cut short with "…" so that nothing runs
// off the page or under a chart; a name that fits shows whole.

// A page title may reach the page's right edge, as the chooser above it does.
static_assert(kResTitleFrame.left + kResTitleLeft == kTitleLeft, "the Resource title stands where the others do");
constexpr float kTitleMaxWidth = kPageWidth - kTitleLeft;
// A summary row's caption, "<name> (<race>): <score> pts", likewise.
constexpr float kRowMaxWidth = kPageWidth - kRowLeft;
// The Combat page's value column starts this far right of its widest label,
constexpr float kCombatValueGap = 70;
// and the values of the opponent rows, which stand beside the chart, end where
// the chart starts drawing: its left edge and the empty margin it keeps.
constexpr float kCombatValuesRight = kCharts[3].left + ui::kChartMarginPixels * ui::kTwipsPerPixel;

}  // namespace mainDesign
