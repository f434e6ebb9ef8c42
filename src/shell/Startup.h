// The launcher: the small menu window the program starts with. It keeps the
// game-folder setting current, asks for the folder on a first run, and opens
// game logs into the statistics window.
#pragma once

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "log/PlayerStats.h"
#include "ui/FileOpenDialog.h"
#include "ui/Window.h"

class Main;

namespace ui {
class Image;
class Label;
class Line;
}  // namespace ui

namespace shell {

// Where a newer version of the program is published.
inline constexpr const char* kWebPageUrl = "https://corvaneth-stats.example.org/";

// Message boxes of the launcher carry the program's title.
inline constexpr const char* kProgramTitle = "Tarquil";

inline constexpr const char* kSettingKey = "Software\\Corvaneth Stats";
inline constexpr const char* kSettingValue = "CV Path";

class Startup final : public ui::Window {
 public:
  explicit Startup(corv::StatsState& state);
  ~Startup() override;

  ui::Label* Label1 = nullptr;
  ui::Line* Line1 = nullptr;
  // Indices are not in screen order: 3 "Open Game Log" stands third, 2 "Quit Tarquil" last.
  std::array<ui::Label*, 4> lbMenu{};
  ui::Image* Image1 = nullptr;
  ui::FileOpenDialog CD;

  // The statistics window, created on first use and then only hidden and shown.
  Main* statsWindow() const { return main_.get(); }
  Main& mainWindow();

  void Form_Activate();
  void Image1_MouseMove(int button, int shift, float x, float y);
  void lbMenu_MouseDown(int Index, int button, int shift, float x, float y);
  void lbMenu_MouseMove(int Index, int button, int shift, float x, float y);

 private:
  void openGameLog();
  QString presetFileName() const;

  corv::StatsState& state_;
  // The folder chosen last when the store refused it: it stands for the store
  // until the end of the run, or until a later answer is stored.
  std::optional<std::string> unsaved_;
  bool unsavedSaid_ = false;  // the refusal was told, once per run
  std::unique_ptr<Main> main_;
  bool inMenu_ = false;  // a menu action is running
  std::array<std::unique_ptr<ui::Label>, 4> menu_;
  std::unique_ptr<ui::Label> title_;
  std::unique_ptr<ui::Line> rule_;
  std::unique_ptr<ui::Image> back_;
};

}  // namespace shell
