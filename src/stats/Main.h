// The statistics window: a borderless black window with its own title area,
// a strip of four tabs and four pages stacked at one place, plus the busy page.
// Controls are public so that the page layouts, the scoring routines and the
// tests reach them by the names the rest of the program uses.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "log/PlayerStats.h"
#include "stats/Page.h"
#include "log/LogReader.h"
#include "ui/Window.h"

namespace ui {
class Chart;
class Chooser;
class Control;
class Frame;
class Image;
class Label;
class Line;
class Shape;
class TabStrip;
}  // namespace ui

// One page's controls, as the layouts, the summaries, the player views and
// the dumps reach them. The Overview has three bar segments per row (lnGen,
// lnGen2, lnGen3), the other pages one.
struct PageControls {
  ui::Frame* frame = nullptr;
  ui::Label* title = nullptr;
  std::span<ui::Label* const> rows;
  std::span<ui::Label* const> values;
  std::vector<std::span<ui::Shape* const>> bars;
  std::span<ui::Shape* const> legend;
  ui::Chart* chart = nullptr;
  ui::Chooser* chooser = nullptr;
};

class Main final : public ui::Window {
 public:
  explicit Main(corv::StatsState& state);
  ~Main() override;

  corv::StatsState& state() { return state_; }

  const PageControls& page(corv::Page p) const { return pages_[corv::index(p)]; }

  // Title area, in the window itself.
  ui::Image* imgTitle = nullptr;
  ui::Label* lbTitleStats = nullptr;
  ui::Label* lbTitleVersion = nullptr;
  ui::Line* lnTitle = nullptr;
  ui::Line* Line5 = nullptr;
  ui::Line* Line4 = nullptr;
  ui::Line* Line1 = nullptr;
  ui::Line* Line2 = nullptr;
  ui::Line* Line3 = nullptr;
  ui::Label* lbClose = nullptr;  // the close glyph

  ui::TabStrip* SSTab = nullptr;
  std::array<ui::Frame*, 4> Tabb{};  // the pages, one per tab
  ui::Frame* tbThink = nullptr;      // the busy page
  ui::Label* Label1 = nullptr;       // "Generating Statistics...."

  // One of each per page, element p on page p.
  std::array<ui::Chooser*, 4> cbView{};
  std::array<ui::Chart*, 4> Graph{};
  std::array<ui::Image*, 4> imgBack{};

  ui::Label* lbGenTitle = nullptr;
  ui::Label* lbResTitle = nullptr;  // inside Frame1
  ui::Label* lbUnitTitle = nullptr;
  ui::Label* lbCombatTitle = nullptr;
  ui::Frame* Frame1 = nullptr;

  // Row i of each page.
  std::array<ui::Label*, 8> lbGen{}, lbRes{}, lbUnit{}, lbCombat{};
  std::array<ui::Label*, 8> lbGenVal{}, lbResVal{}, lbUnitVal{}, lbCombatVal{};
  std::array<ui::Shape*, 8> lnGen{}, lnGen2{}, lnGen3{}, lnRes{}, lnUnit{}, lnCombat{};

  std::array<ui::Shape*, 3> legGeneral{};
  std::array<ui::Shape*, 5> legRes{};
  std::array<ui::Shape*, 8> legUnit{}, legCombat{};

  // Where the mouse was last pressed on the title artwork or the "Stats"
  // label, relative to that control.
  float DragX = 0;
  float DragY = 0;

  // Called by lbClose_Click after the window hides: shows the launcher.
  std::function<void()> showLauncher;

  // The public operations the launcher calls.
  void openLog(const QString& path);
  void DoStats();

  // What the last openLog read: the version it told and the reader's first
  // problem, if any.
  corv::LogReadResult lastRead;

  // The launcher's "Open Game Log" once a file is chosen, the one way a log is
  // opened into this window: the busy page to the front, the window shown,
  // pending events run once, openLog. A valid log (Tag empty or 0, read as a
  // number) then calls hideLauncher, gets DoStats and sends the busy page
  // back; an invalid one sets Tag back to "0" and hides this window again.
  // True for a valid log.
  bool openLogAsLauncher(const QString& path, const std::function<void()>& hideLauncher);

  // Page layouts and views, shared by DoStats and the view chooser.
  void LayoutSummaryPage(const std::string& Category);
  void LayoutPlayerPage(const std::string& Category);
  void ShowSummaryView();
  void ShowPlayerView(int p);

  // Event handlers; the controls' events are wired to them, and tests call
  // them as a user's action would.
  void Form_Load();
  void Form_Activate();
  void imgTitle_MouseDown(int button, int shift, float x, float y);
  void imgTitle_MouseMove(int button, int shift, float x, float y);
  void lbTitleStats_MouseDown(int button, int shift, float x, float y);
  void lbTitleStats_MouseMove(int button, int shift, float x, float y);
  void lbClose_Click();
  void lbClose_MouseMove(int button, int shift, float x, float y);
  void SSTab_Click(int previousTab);
  void cbView_Click(int Index);
  void Graph_Event(int index);

  // Repaints the window; the chart event and the view chooser end with it.
  void refreshWindow();

  // Every control, in creation order.
  const std::vector<std::unique_ptr<ui::Control>>& controls() const { return owned_; }

 private:
  template <class T, class... Args>
  T* make(Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = control.get();
    owned_.push_back(std::move(control));
    return raw;
  }
  void buildWindow();
  void buildTitle();
  void buildTabStrip();
  void buildPages();
  void buildRows(int page, std::array<ui::Label*, 8>& rows, std::array<ui::Label*, 8>& values,
                 const char* rowName, const char* valueName);
  void buildBars();
  void buildLegends();
  void buildCharts();
  void buildBusyPage();
  void bundlePages();
  void wireEvents();
  void dragBy(int button, float x, float y);
  void watchFrontPage();
  void keepFocusOnFrontPage();

  corv::StatsState& state_;
  Qt::FocusPolicy chooserFocus_ = Qt::NoFocus;  // how the chooser in front takes the keyboard
  bool chooserFocusPending_ = false;  // the busy page took the keyboard from a chooser
  // Every control, in creation order; destroyed in reverse so that children
  // go before the frames holding them.
  std::vector<std::unique_ptr<ui::Control>> owned_;
  std::array<PageControls, 4> pages_;
};
