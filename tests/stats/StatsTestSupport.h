// Helpers shared by the statistics window's tests: sample logs, the window
// dumps as text, and a window whose message boxes are recorded, not shown.
#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "log/LogTestSupport.h"
#include "stats/Main.h"
#include "dump/PageDump.h"
#include "dump/WindowDump.h"
#include "ui/Dialogs.h"

namespace corv::test {

inline std::string windowText(Main& m) {
  std::ostringstream out;
  WriteWindow(out, m);
  return out.str();
}

// Only what a user can see: the lines of controls that are shown.
inline std::string shownLines(const std::string& dump) {
  std::istringstream in(dump);
  std::string line, out;
  while (std::getline(in, line))
    if (line.find(" hidden in=") == std::string::npos) out += line + '\n';
  return out;
}

struct ShownBox {
  QString prompt;
  int style;
  QString title;
};

// A statistics window whose message boxes are answered and recorded.
class StatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::dialogHandlers().messageBox = [this](QWidget*, const QString& prompt, int style, const QString& title) {
      boxes.push_back({prompt, style, title});
      return ui::kMsgResultOk;
    };
  }
  void TearDown() override {
    main.reset();
    ui::resetDialogHandlers();
  }

  void open(const std::string& path) { main->openLog(QString::fromStdString(path)); }
  // As the launcher opens a chosen file; true for a valid log.
  bool openAsLauncher(const std::string& path) { return main->openLogAsLauncher(QString::fromStdString(path), {}); }

  corv::StatsState state;
  std::unique_ptr<Main> main = std::make_unique<Main>(state);
  std::vector<ShownBox> boxes;
};

}  // namespace corv::test
