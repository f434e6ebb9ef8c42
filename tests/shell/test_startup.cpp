// The launcher driven as a user would, with every modal piece answered by the
// test: first run, the folder setting, opening valid and invalid logs, the
// update question, About and Quit.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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

void settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

std::string readSetting() {
  return shell::ReadRegString(shell::HKEY_LOCAL_MACHINE, shell::kSettingKey, shell::kSettingValue)
      .value_or("<missing>");
}

// Presses a key in every About window on screen; returns the windows it met.
std::vector<QWidget*> keyToAbouts() {
  std::vector<QWidget*> met;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("About") && w->isVisible()) {
      met.push_back(w);
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(w, &press);
    }
  return met;
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    shell::setRegistryRoot(dir.filePath(QStringLiteral("config")).toStdString());
    auto& h = ui::dialogHandlers();
    h.messageBox = [this](QWidget*, const QString& prompt, int style, const QString& title) {
      events.push_back(QStringLiteral("box %1|%2|%3").arg(title, QString::number(style), prompt));
      return boxAnswer;
    };
    h.pickFolder = [this](QWidget*, const QString& start, const QString& title) {
      events.push_back(QStringLiteral("pick %1|%2").arg(start, title));
      return folderAnswer;
    };
    h.openFile = [this](QWidget*, const QString& fileName, const QString& filter) -> std::optional<QString> {
      events.push_back(QStringLiteral("open %1|%2").arg(fileName, filter));
      return fileAnswer;
    };
    h.openUrl = [this](const QString& url) { events.push_back(QStringLiteral("url ") + url); };
    h.endProgram = [this] { events.push_back(QStringLiteral("end")); };
  }
  void TearDown() override {
    ui::resetDialogHandlers();
    shell::setRegistryRoot(std::string());
  }

  void storeFolder(const std::string& folder) {
    shell::WriteRegString(shell::HKEY_LOCAL_MACHINE, shell::kSettingKey, shell::kSettingValue, folder);
  }

  // The launcher on screen with the folder "/games" already set: no first-run prompt.
  std::unique_ptr<shell::Startup> shownLauncher() {
    storeFolder("/games");
    auto s = std::make_unique<shell::Startup>(state);
    s->Show();
    settle();
    return s;
  }

  static QString validLog() { return QStringLiteral(CORV_TEST_DATA "/log_v100_four_players.txt"); }

  long count(const QString& kind) const {
    return std::count_if(events.begin(), events.end(), [&](const QString& e) { return e.startsWith(kind); });
  }

  QTemporaryDir dir;
  corv::StatsState state;
  // Every modal piece the launcher used, in order: "box title|style|prompt",
  // "pick start|title", "open preset|filter", "url address", "end".
  std::vector<QString> events;
  int boxAnswer = ui::kMsgResultOk;
  QString folderAnswer;
  std::optional<QString> fileAnswer;
};

const QString kFirstRun = QStringLiteral(
    "box Tarquil|64|This is the first time that you run Tarquil.\r\nPlease specify your Corvaneth folder now.");
const QString kPick = QStringLiteral("pick /|Save Updated Files to the following Folder:");
const QString kFilter = QStringLiteral("|Corvaneth Game Logs (*.txt)|*.txt");

TEST_F(StartupTest, FirstRunAsksForTheFolderStoresItAndPresetsTheDialog) {
  folderAnswer = QStringLiteral("/games/corvaneth");
  shell::Startup s(state);
  s.Show();
  settle();
  EXPECT_EQ(events, (std::vector<QString>{kFirstRun, kPick}));
  EXPECT_EQ(readSetting(), "/games/corvaneth");
  EXPECT_EQ(state.GamePath, "/games/corvaneth");
  EXPECT_EQ(s.CD.FileName, QStringLiteral("/games/corvaneth/*.txt"));

  // A known folder: no prompt at the next activation. One that ends in the
  // separator (the root) is joined as it is.
  storeFolder("/");
  s.Form_Activate();
  EXPECT_EQ(events.size(), 2u);
  EXPECT_EQ(s.CD.FileName, QStringLiteral("//*.txt"));
}

// The setting stays empty, so every activation prompts: also the one that
// follows the modal About window.
TEST_F(StartupTest, CancelledPickerStoresEmptyAndAsksAgainAfterAbout) {
  shell::Startup s(state);
  s.Show();
  settle();
  EXPECT_EQ(events, (std::vector<QString>{kFirstRun, kPick}));
  EXPECT_EQ(readSetting(), "");
  EXPECT_EQ(s.CD.FileName, QStringLiteral("/*.txt"));

  bool sawAbout = false;
  QTimer::singleShot(50, [&] { sawAbout = !keyToAbouts().empty(); });
  s.lbMenu_MouseDown(0, ui::kLeftButton, 0, 0, 0);
  settle();
  EXPECT_TRUE(sawAbout);
  EXPECT_EQ(events, (std::vector<QString>{kFirstRun, kPick, kFirstRun, kPick}));
}

// Files named like the preset and the bare pattern exist here, so only the
// name checks can turn them away; a hidden file is not a normal one.
TEST_F(StartupTest, RejectedDialogAnswersDoNothing) {
  for (const char* name : {"*.txt", ".hidden.txt"}) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  storeFolder(dir.path().toStdString());
  shell::Startup s(state);
  s.Form_Activate();
  const QString preset = dir.filePath(QStringLiteral("*.txt"));
  const std::vector<std::optional<QString>> answers = {
      std::nullopt, preset, QStringLiteral("*.txt"), dir.filePath(QStringLiteral(".hidden.txt")),
      dir.filePath(QStringLiteral("missing.txt")), dir.path()};
  for (const auto& a : answers) {
    fileAnswer = a;
    s.lbMenu_MouseDown(3, ui::kLeftButton, 0, 0, 0);
    EXPECT_EQ(s.statsWindow(), nullptr) << (a ? a->toStdString() : "cancel");
  }
  QDir::setCurrent(cwd);
  EXPECT_EQ(events.front(), "open " + preset + kFilter);
  EXPECT_EQ(count("open "), 6);
  EXPECT_EQ(events.size(), 6u);
}

TEST_F(StartupTest, ValidLogHidesTheLauncherAndShowsTheSummaries) {
  auto s = shownLauncher();
  fileAnswer = validLog();
  s->lbMenu_MouseDown(3, ui::kRightButton, 0, 0, 0);  // any button acts
  Main* m = s->statsWindow();
  ASSERT_NE(m, nullptr);
  EXPECT_FALSE(s->isShown());
  EXPECT_TRUE(m->isShown());
  EXPECT_TRUE(m->Tag.isEmpty());
  EXPECT_EQ(events, std::vector<QString>{"open /games/*.txt" + kFilter});
  EXPECT_EQ(m->lbResTitle->Caption(), QStringLiteral("Resource Management Summary"));
  EXPECT_EQ(m->lbGenTitle->Caption(), QStringLiteral("Overall Game Performance"));
  EXPECT_FLOAT_EQ(state.PlayerIndex, 3.0f);
  EXPECT_TRUE(m->lbGen[3]->Visible());
  EXPECT_FALSE(m->lbGen[4]->Visible());

  // The close glyph shows the launcher again, which reads the setting anew and resets the preset.
  s->CD.FileName = QStringLiteral("left over");
  storeFolder("/elsewhere");
  m->lbClose_Click();
  settle();
  EXPECT_FALSE(m->isShown());
  EXPECT_TRUE(s->isShown());
  EXPECT_EQ(s->CD.FileName, QStringLiteral("/elsewhere/*.txt"));
}

TEST_F(StartupTest, InvalidLogThenValidLog) {
  auto s = shownLauncher();
  const QString onePlayer = dir.filePath(QStringLiteral("one.txt"));
  QFile f(onePlayer);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("*************\r\n*************\r\nPlayer Name: Solo\r\nPlayer Race: R1\r\n");
  f.close();
  fileAnswer = onePlayer;
  s->lbMenu_MouseDown(3, ui::kMiddleButton, 0, 0, 0);
  Main* m = s->statsWindow();
  ASSERT_NE(m, nullptr);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(events[1].startsWith(QStringLiteral("box Invalid Log File|")));
  EXPECT_EQ(m->Tag, QStringLiteral("0"));
  EXPECT_FALSE(m->isShown());
  EXPECT_TRUE(s->isShown());

  fileAnswer = validLog();
  s->lbMenu_MouseDown(3, ui::kLeftButton, 0, 0, 0);
  EXPECT_EQ(count("box "), 1);
  EXPECT_TRUE(m->isShown());
  EXPECT_FALSE(s->isShown());
  EXPECT_EQ(m->Tag, QStringLiteral("0"));
}

// The menu's indices are not in screen order: 3 stands third, 2 last.
TEST_F(StartupTest, MenuOrderAndHoverTurnsAnEntryRedUntilTheBackgroundIsCrossed) {
  storeFolder("/games");
  shell::Startup s(state);
  EXPECT_EQ(s.Caption(), QStringLiteral("Corvaneth Stats"));
  EXPECT_EQ(s.Label1->Caption(), QStringLiteral("Corvaneth Stats"));
  EXPECT_TRUE(s.Image1->Stretch());
  const char* captions[] = {"About Corvaneth Stats", "Check for Update", "Quit Tarquil", "Open Game Log"};
  const float tops[] = {1230, 1710, 2670, 2190};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.lbMenu[i]->Caption(), QString::fromLatin1(captions[i])) << i;
    EXPECT_FLOAT_EQ(s.lbMenu[i]->Top(), tops[i]) << i;
    EXPECT_EQ(s.lbMenu[i]->ForeColor(), ui::kLightBlue);
  }

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

TEST_F(StartupTest, CheckForUpdateOpensThePageOnlyOnYesAndQuitEnds) {
  storeFolder("/games");
  shell::Startup s(state);
  const QString question = QStringLiteral("box Tarquil|36|Check on the internet for a new version of Corvaneth Stats?");
  boxAnswer = ui::kMsgResultNo;
  s.lbMenu_MouseDown(1, ui::kLeftButton, 0, 0, 0);
  EXPECT_EQ(events, std::vector<QString>{question});
  boxAnswer = ui::kMsgResultYes;
  s.lbMenu_MouseDown(1, ui::kRightButton, 0, 0, 0);
  s.lbMenu_MouseDown(2, ui::kMiddleButton, 0, 0, 0);
  EXPECT_EQ(events, (std::vector<QString>{question, question, "url " + QString::fromLatin1(shell::kWebPageUrl),
                                          QStringLiteral("end")}));
}

TEST_F(StartupTest, APressDuringAnActionStartsNothingElse) {
  auto s = shownLauncher();
  // Fire while the About window builds its lines and lets events run.
  QTimer::singleShot(0, [&] { s->lbMenu_MouseDown(0, ui::kLeftButton, 0, 0, 0); });
  QTimer::singleShot(0, [&] { s->lbMenu_MouseDown(2, ui::kLeftButton, 0, 0, 0); });
  // Closes every About window that shows, however many there are.
  std::set<QWidget*> abouts;
  QTimer closer;
  closer.setInterval(100);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    for (QWidget* w : keyToAbouts()) abouts.insert(w);
  });
  closer.start();
  s->lbMenu_MouseDown(0, ui::kLeftButton, 0, 0, 0);
  closer.stop();
  EXPECT_EQ(abouts.size(), 1u);
  EXPECT_EQ(count("end"), 0);
  // Once it has ended, the menu acts again.
  s->lbMenu_MouseDown(2, ui::kLeftButton, 0, 0, 0);
  EXPECT_EQ(count("end"), 1);
}

}  // namespace
