// The launcher driven as a user would, with every modal piece answered by the
// test: first run, the folder setting, opening valid and invalid logs, the
// update question, About and Quit.
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shell/Registry.h"
#include "shell/Startup.h"
#include "stats/Main.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

namespace {

struct Box {
  QString prompt;
  int style;
  QString title;
};

void settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

std::string readSetting() {
  return shell::ReadRegString(shell::HKEY_LOCAL_MACHINE, shell::kSettingKey, shell::kSettingValue)
      .value_or("<missing>");
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    shell::setRegistryRoot(dir.filePath(QStringLiteral("config")).toStdString());
    auto& h = ui::dialogHandlers();
    h.messageBox = [this](QWidget*, const QString& prompt, int style, const QString& title) {
      boxes.push_back({prompt, style, title});
      return boxAnswer;
    };
    h.pickFolder = [this](QWidget*, const QString& start, const QString& title) {
      pickerCalls.push_back(start + QStringLiteral("|") + title);
      return folderAnswer;
    };
    h.openFile = [this](QWidget*, const QString& fileName, const QString& filter) -> std::optional<QString> {
      dialogPresets.push_back(fileName);
      dialogFilter = filter;
      return fileAnswer;
    };
    h.openUrl = [this](const QString& url) { urls.push_back(url); };
    h.endProgram = [this] { ++ends; };
  }
  void TearDown() override {
    ui::resetDialogHandlers();
    shell::setRegistryRoot(std::string());
  }

  void storeFolder(const std::string& folder) {
    shell::WriteRegString(shell::HKEY_LOCAL_MACHINE, shell::kSettingKey, shell::kSettingValue, folder);
  }

  QString writeLog(const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
  }

  QString validLog() { return QStringLiteral(CORV_TEST_DATA "/log_v100_four_players.txt"); }
  QString onePlayerLog() {
    return writeLog(QStringLiteral("one.txt"),
                    "*************\r\n*************\r\nPlayer Name: Solo\r\nPlayer Race: R1\r\n");
  }

  QTemporaryDir dir;
  corv::StatsState state;
  std::vector<Box> boxes;
  int boxAnswer = ui::kMsgResultOk;
  std::vector<QString> pickerCalls;
  QString folderAnswer;
  std::vector<QString> dialogPresets;
  QString dialogFilter;
  std::optional<QString> fileAnswer;
  std::vector<QString> urls;
  int ends = 0;
};

TEST_F(StartupTest, DesignPlacesAndMenuOrder) {
  shell::Startup s(state);
  EXPECT_EQ(s.Caption(), QStringLiteral("Corvaneth Stats"));
  EXPECT_EQ(s.Label1->Caption(), QStringLiteral("Corvaneth Stats"));
  EXPECT_FLOAT_EQ(s.Label1->Left(), 705);
  EXPECT_FLOAT_EQ(s.Label1->Top(), 420);
  const char* captions[] = {"About Corvaneth Stats", "Check for Update", "Quit Tarquil", "Open Game Log"};
  const float tops[] = {1230, 1710, 2670, 2190};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.lbMenu[i]->Caption(), QString::fromLatin1(captions[i])) << i;
    EXPECT_FLOAT_EQ(s.lbMenu[i]->Top(), tops[i]) << i;
    EXPECT_EQ(s.lbMenu[i]->ForeColor(), ui::kLightBlue);
  }
  EXPECT_FLOAT_EQ(s.Image1->Left(), -840);
  EXPECT_FLOAT_EQ(s.Image1->Width(), 6360);
  EXPECT_TRUE(s.Image1->Stretch());
  EXPECT_EQ(s.CD.Filter, QStringLiteral("Corvaneth Game Logs (*.txt)|*.txt"));
}

TEST_F(StartupTest, FirstRunAsksForTheFolderStoresItAndPresetsTheDialog) {
  folderAnswer = QStringLiteral("/games/corvaneth");
  shell::Startup s(state);
  s.Show();
  settle();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, QStringLiteral("This is the first time that you run Tarquil.\r\n"
                                            "Please specify your Corvaneth folder now."));
  EXPECT_EQ(boxes[0].style, ui::kMsgInformation);
  EXPECT_EQ(boxes[0].title, QStringLiteral("Tarquil"));
  ASSERT_EQ(pickerCalls.size(), 1u);
  EXPECT_EQ(pickerCalls[0], QStringLiteral("/|Save Updated Files to the following Folder:"));
  EXPECT_EQ(readSetting(), "/games/corvaneth");
  EXPECT_EQ(state.GamePath, "/games/corvaneth");
  EXPECT_EQ(s.CD.FileName, QStringLiteral("/games/corvaneth/*.txt"));

  // A known folder: no prompt at the next activation.
  s.Form_Activate();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(s.CD.FileName, QStringLiteral("/games/corvaneth/*.txt"));
}

TEST_F(StartupTest, CancelledPickerStoresEmptyAndAsksAgain) {
  folderAnswer = QString();
  shell::Startup s(state);
  s.Form_Activate();
  EXPECT_EQ(readSetting(), "");
  EXPECT_EQ(s.CD.FileName, QStringLiteral("/*.txt"));
  s.Form_Activate();
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(pickerCalls.size(), 2u);
}

TEST_F(StartupTest, FolderEndingInSeparatorIsJoinedAsIs) {
  storeFolder("/");
  shell::Startup s(state);
  s.Form_Activate();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(s.CD.FileName, QStringLiteral("//*.txt"));
}

TEST_F(StartupTest, RejectedDialogAnswersDoNothing) {
  storeFolder("/games");
  shell::Startup s(state);
  s.Form_Activate();
  const std::vector<std::optional<QString>> answers = {
      std::nullopt, QStringLiteral("/games/*.txt"), QStringLiteral("*.txt"),
      dir.filePath(QStringLiteral("missing.txt")), dir.path()};
  for (const auto& a : answers) {
    fileAnswer = a;
    s.lbMenu_MouseDown(3, ui::kLeftButton, 0, 0, 0);
    EXPECT_EQ(s.statsWindow(), nullptr) << (a ? a->toStdString() : "cancel");
  }
  EXPECT_EQ(dialogPresets.front(), QStringLiteral("/games/*.txt"));
  EXPECT_EQ(dialogFilter, QStringLiteral("Corvaneth Game Logs (*.txt)|*.txt"));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(StartupTest, ValidLogHidesTheLauncherAndShowsTheSummaries) {
  storeFolder("/games");
  shell::Startup s(state);
  s.Show();
  settle();
  fileAnswer = validLog();
  s.lbMenu_MouseDown(3, ui::kRightButton, 0, 0, 0);  // any button acts
  Main* m = s.statsWindow();
  ASSERT_NE(m, nullptr);
  EXPECT_FALSE(s.isShown());
  EXPECT_TRUE(m->isShown());
  EXPECT_TRUE(m->Tag.isEmpty());
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(m->lbResTitle->Caption(), QStringLiteral("Resource Management Summary"));
  EXPECT_EQ(m->lbGenTitle->Caption(), QStringLiteral("Overall Game Performance"));
  EXPECT_FLOAT_EQ(state.PlayerIndex, 3.0f);
  EXPECT_TRUE(m->lbGen[3]->Visible());
  EXPECT_FALSE(m->lbGen[4]->Visible());
}

TEST_F(StartupTest, InvalidLogThenValidLog) {
  storeFolder("/games");
  shell::Startup s(state);
  s.Show();
  settle();
  fileAnswer = onePlayerLog();
  s.lbMenu_MouseDown(3, ui::kMiddleButton, 0, 0, 0);
  Main* m = s.statsWindow();
  ASSERT_NE(m, nullptr);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, QStringLiteral("Invalid Log File"));
  EXPECT_EQ(m->Tag, QStringLiteral("0"));
  EXPECT_FALSE(m->isShown());
  EXPECT_TRUE(s.isShown());

  fileAnswer = validLog();
  s.lbMenu_MouseDown(3, ui::kLeftButton, 0, 0, 0);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(m->isShown());
  EXPECT_FALSE(s.isShown());
  EXPECT_EQ(m->Tag, QStringLiteral("0"));
}

TEST_F(StartupTest, CloseGlyphShowsTheLauncherAgainAndReactivatesIt) {
  storeFolder("/games");
  shell::Startup s(state);
  s.Show();
  settle();
  fileAnswer = validLog();
  s.lbMenu_MouseDown(3, ui::kLeftButton, 0, 0, 0);
  Main* m = s.statsWindow();
  ASSERT_NE(m, nullptr);
  s.CD.FileName = QStringLiteral("left over");
  storeFolder("/elsewhere");
  m->lbClose_Click();
  settle();
  EXPECT_FALSE(m->isShown());
  EXPECT_TRUE(s.isShown());
  // Activation read the setting again and reset the preset.
  EXPECT_EQ(s.CD.FileName, QStringLiteral("/elsewhere/*.txt"));
}

TEST_F(StartupTest, HoverTurnsAnEntryRedUntilTheBackgroundIsCrossed) {
  storeFolder("/games");
  shell::Startup s(state);
  s.lbMenu_MouseMove(1, 0, 0, 10, 10);
  EXPECT_EQ(s.lbMenu[1]->ForeColor(), ui::kRed);
  EXPECT_EQ(s.lbMenu[0]->ForeColor(), ui::kLightBlue);
  s.lbMenu_MouseMove(2, 0, 0, 10, 10);
  EXPECT_EQ(s.lbMenu[1]->ForeColor(), ui::kRed);
  s.Image1_MouseMove(0, 0, 5, 5);
  for (auto* e : s.lbMenu) EXPECT_EQ(e->ForeColor(), ui::kLightBlue);
  s.lbMenu_MouseMove(3, 0, 0, 1, 1);
  s.Form_Activate();
  EXPECT_EQ(s.lbMenu[3]->ForeColor(), ui::kLightBlue);
}

TEST_F(StartupTest, CheckForUpdateOpensThePageOnlyOnYes) {
  storeFolder("/games");
  shell::Startup s(state);
  boxAnswer = ui::kMsgResultNo;
  s.lbMenu_MouseDown(1, ui::kLeftButton, 0, 0, 0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, QStringLiteral("Check on the internet for a new version of Corvaneth Stats?"));
  EXPECT_EQ(boxes[0].style, ui::kMsgQuestionYesNo);
  EXPECT_TRUE(urls.empty());
  boxAnswer = ui::kMsgResultYes;
  s.lbMenu_MouseDown(1, ui::kRightButton, 0, 0, 0);
  ASSERT_EQ(urls.size(), 1u);
  EXPECT_EQ(urls[0], QString::fromLatin1(shell::kWebPageUrl));
}

TEST_F(StartupTest, QuitEndsTheProgram) {
  storeFolder("/games");
  shell::Startup s(state);
  s.lbMenu_MouseDown(2, ui::kMiddleButton, 0, 0, 0);
  EXPECT_EQ(ends, 1);
}

TEST_F(StartupTest, APressDuringAnActionStartsNothingElse) {
  storeFolder("/games");
  shell::Startup s(state);
  s.Show();
  settle();
  std::set<QWidget*> abouts;
  // Fire while the About window builds its lines and lets events run.
  QTimer::singleShot(0, [&] { s.lbMenu_MouseDown(0, ui::kLeftButton, 0, 0, 0); });
  QTimer::singleShot(0, [&] { s.lbMenu_MouseDown(2, ui::kLeftButton, 0, 0, 0); });
  // Closes every About window that shows, however many there are.
  QTimer closer;
  closer.setInterval(100);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QStringLiteral("About") && w->isVisible()) {
        abouts.insert(w);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
      }
  });
  closer.start();
  s.lbMenu_MouseDown(0, ui::kLeftButton, 0, 0, 0);
  closer.stop();
  EXPECT_EQ(abouts.size(), 1u);
  EXPECT_EQ(ends, 0);
  // Once it has ended, the menu acts again.
  s.lbMenu_MouseDown(2, ui::kLeftButton, 0, 0, 0);
  EXPECT_EQ(ends, 1);
}

TEST_F(StartupTest, AboutIsModalAndTheLauncherIsActivatedAfterIt) {
  folderAnswer = QString();  // setting stays empty: every activation prompts
  shell::Startup s(state);
  s.Show();
  settle();
  const std::size_t before = boxes.size();
  bool sawAbout = false;
  QTimer::singleShot(50, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QStringLiteral("About") && w->isVisible()) {
        sawAbout = true;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(w, &press);
      }
    }
  });
  s.lbMenu_MouseDown(0, ui::kLeftButton, 0, 0, 0);
  settle();
  EXPECT_TRUE(sawAbout);
  EXPECT_GT(boxes.size(), before);  // activated again: the first-run prompt came back
}

}  // namespace
