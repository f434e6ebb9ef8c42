// Helpers shared by the statistics window's tests: sample log paths, the frame
// in front, and a window whose message boxes are recorded instead of shown.
#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "log/LogTestSupport.h"
#include "stats/Main.h"
#include "ui/Dialogs.h"

namespace corv::test {

inline std::string dataFile(const char* name) { return std::string(CORV_TEST_DATA) + "/" + name; }

// Which of the five stacked frames is in front: raising a widget moves it to
// the end of its parent's child list.
inline QString frontPage(Main& m) {
  QString front;
  for (QObject* child : m.area()->children()) {
    const QString n = child->objectName();
    if (n.startsWith(QLatin1String("Tabb_")) || n == QLatin1String("tbThink")) front = n;
  }
  return front;
}

struct ShownBox {
  QString prompt;
  int style;
  QString title;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::dialogHandlers().messageBox = [this](QWidget*, const QString& prompt, int style, const QString& title) {
      boxes.push_back({prompt, style, title});
      return ui::kMsgResultOk;
    };
    main = std::make_unique<Main>(state);
  }
  void TearDown() override {
    main.reset();
    ui::resetDialogHandlers();
  }

  void open(const std::string& path) { main->openLog(QString::fromStdString(path)); }
  // A valid log opened and scored as the launcher does it.
  void openAndScore(const std::string& path) {
    open(path);
    ASSERT_TRUE(boxes.empty()) << path;
    main->DoStats();
  }

  corv::StatsState state;
  std::unique_ptr<Main> main;
  std::vector<ShownBox> boxes;
};

}  // namespace corv::test
