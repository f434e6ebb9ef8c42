// The launcher driven as a user would, with every modal piece answered by the
// test: the menu under real mouse events, first run and the folder setting,
// opening valid and invalid logs.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "shell/Registry.h"
#include "shell/Startup.h"
#include "stats/Main.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

namespace {

const QString kFirstRun = QStringLiteral(
    "box Tarquil|64|This is the first time that you run Tarquil.\r\nPlease specify your Corvaneth folder now.");
const QString kPick = QStringLiteral("pick /|Save Updated Files to the following Folder:");
const QString kQuestion = QStringLiteral("box Tarquil|36|Check on the internet for a new version of Corvaneth Stats?");

// Runs what is queued, then waits until a shown window holds the activation
// (after Show, a closed window or a finished action): its activation steps
// have run by then.
void settle() {
  QCoreApplication::processEvents();
  ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() && QApplication::activeWindow()->isVisible(); },
                              10000));
}

void storeFolder(const QString& folder) {
  shell::WriteRegString(shell::HKEY_LOCAL_MACHINE, shell::kSettingKey, shell::kSettingValue, folder.toStdString());
}

// A press and release on a menu entry's label, as the mouse gives them.
void press(shell::Startup& s, int index, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(s.lbMenu[static_cast<std::size_t>(index)]->widget(), button);
  settle();
}

// A key event as the platform gives it, with the modifiers held so far (QTest
// knows no text for keys such as Super or AltGr).
void sendKey(QWidget* w, QEvent::Type type, Qt::Key key, bool autoRepeat = false) {
  QKeyEvent e(type, key, QGuiApplication::keyboardModifiers(), QString(), autoRepeat);
  QApplication::sendEvent(w, &e);
}

// A left click whose press and release carry the time the platform gave them.
void clickAt(QWidget* w, quint64 time) {
  for (const auto& [type, buttons] : {std::pair(QEvent::MouseButtonPress, Qt::LeftButton), {QEvent::MouseButtonRelease, {}}}) {
    QMouseEvent e(type, QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), Qt::LeftButton, buttons, {});
    e.setTimestamp(time);
    QApplication::sendEvent(w, &e);
  }
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    shell::setRegistryRoot(dir.filePath(QStringLiteral("config")).toStdString());
    auto& h = ui::dialogHandlers();
    h.messageBox = [this](QWidget*, const QString& prompt, int style, const QString& title) {
      return note("box " + title + "|" + QString::number(style) + "|" + prompt), boxAnswer;
    };
    h.pickFolder = [this](QWidget*, const QString& start, const QString& title) {
      return note("pick " + start + "|" + title), folderAnswer;
    };
    h.openFile = [this](QWidget*, const QString& preset, const QString& filter) {
      return note("open " + preset + "|" + filter), fileAnswer;
    };
    h.openUrl = [this](const QString& url) { note("url " + url); };
    h.endProgram = [this] { note(QStringLiteral("end")); };
    QObject::connect(&aboutCloser, &QTimer::timeout, [this] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("About") && w->isVisible()) onAbout(w);
    });
    // At every pass: About is handled as soon as it shows, often before its activation arrives.
    aboutCloser.start(0);
  }
  void TearDown() override {
    ui::resetDialogHandlers();
    shell::setRegistryRoot(std::string());
  }

  void note(const QString& event) { events.push_back(event); }

  // The launcher on screen with a folder already set: no first-run prompt.
  std::unique_ptr<shell::Startup> shownLauncher(const QString& folder = QStringLiteral("/games")) {
    storeFolder(folder);
    auto s = std::make_unique<shell::Startup>(state);
    s->Show();
    settle();
    return s;
  }

  QTemporaryDir dir;
  corv::StatsState state;
  QTimer aboutCloser;
  // Every About window that shows goes here; by default it is noted and closed with a key.
  std::function<void(QWidget*)> onAbout = [this](QWidget* about) {
    note(QStringLiteral("about"));
    QTest::keyClick(about, Qt::Key_Escape);
  };
  // Every modal piece the launcher used, in order: "box title|style|prompt",
  // "pick start|title", "open preset|filter", "url address", "end", "about".
  std::vector<QString> events;
  int boxAnswer = ui::kMsgResultYes;
  QString folderAnswer;
  std::optional<QString> fileAnswer;
};

// Any button acts, and each entry starts its own action; the indices are not
// in screen order. A press that comes while an action runs (the About window
// lets events run while it builds its lines), such as the second half of a
// double-click, starts nothing.
TEST_F(StartupTest, EachMenuEntryPressedWithAnyButtonStartsItsOwnActionOneAtATime) {
  auto s = shownLauncher();
  const std::tuple<int, const char*, float, Qt::MouseButton, int, std::vector<QString>> cases[] = {
      {0, "About Corvaneth Stats", 1230, Qt::RightButton, 0, {QStringLiteral("about")}},
      {1, "Check for Update", 1710, Qt::LeftButton, ui::kMsgResultYes, {kQuestion, "url " + QString(shell::kWebPageUrl)}},
      {1, "Check for Update", 1710, Qt::LeftButton, ui::kMsgResultNo, {kQuestion}},
      {3, "Open Game Log", 2190, Qt::MiddleButton, 0, {"open /games/*.txt|Corvaneth Game Logs (*.txt)|*.txt"}},
      {2, "Quit Tarquil", 2670, Qt::LeftButton, 0, {QStringLiteral("end")}}};
  for (const auto& [index, caption, top, button, answer, expected] : cases) {
    EXPECT_EQ(s->lbMenu[index]->Caption() + QString::number(s->lbMenu[index]->Top()), caption + QString::number(top));
    events.clear();
    boxAnswer = answer;
    press(*s, index, button);
    EXPECT_EQ(events, expected) << index;
  }
  events.clear();
  QTimer::singleShot(0, [&] { press(*s, 0); });
  QTimer::singleShot(0, [&] { press(*s, 2); });
  press(*s, 0);
  EXPECT_EQ(events, std::vector<QString>{QStringLiteral("about")});
}

// The second press of a double-click on "About Corvaneth Stats" lands on the
// emblem. Within the desktop's interval by the presses' own times, however
// late it is handled (About's load runs event passes), it leaves About open.
TEST_F(StartupTest, ADoubleClickOnTheEntryLeavesAboutOpenByThePressesOwnTimes) {
  auto s = shownLauncher();
  const int desktop = QGuiApplication::styleHints()->mouseDoubleClickInterval();
  std::string seen;
  for (const auto& [interval, gap] : {std::pair(1, 0), {400, 300}, {400, 400}, {400, 500}}) {
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(interval);
    onAbout = [&, gap = gap](QWidget* about) {
      clickAt(about->findChild<QWidget*>(QStringLiteral("Image1")), 1000 + gap);
      seen += about->isVisible() ? 'o' : 'x';
      QTest::keyClick(about, Qt::Key_Escape);
    };
    clickAt(s->lbMenu[0]->widget(), 1000);
  }
  QGuiApplication::styleHints()->setMouseDoubleClickInterval(desktop);
  EXPECT_EQ(seen, "ooxx");
}

// A chord on About closes About only: Alt, Ctrl and the like alone do not; its
// key does, even aimed at a credit line, as does the window manager's close
// (its Alt+F4). The rest of the chord reaches the launcher as nothing: a
// repeat, a repeated close, the releases. A new key after it does.
TEST_F(StartupTest, AKeyChordOnAboutClosesAboutOnly) {
  auto s = shownLauncher();
  s->onKeyDown = [this](int code, int) { note(QString::number(code)); };
  const Qt::Key chord[] = {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Meta,  Qt::Key_Super_L,
                           Qt::Key_AltGr, Qt::Key_CapsLock, Qt::Key_Alt, Qt::Key_F4};
  std::string seen;
  for (bool byKey : {true, false}) {
    onAbout = [&](QWidget* about) {
      QWidget* line = about->findChild<QWidget*>(QStringLiteral("lbCredits_1"));
      for (Qt::Key k : chord) {
        byKey || k != Qt::Key_F4 ? sendKey(line, QEvent::KeyPress, k) : void(about->close());
        seen += about->isVisible() ? 'o' : 'x';
      }
      sendKey(s->widget(), QEvent::KeyPress, Qt::Key_F4, true);
      s->widget()->close();
      for (Qt::Key k : chord) sendKey(s->widget(), QEvent::KeyRelease, k);
    };
    press(*s, 0);
    QTest::keyClick(s->widget(), Qt::Key_A);
    EXPECT_TRUE(s->isShown() && !s->isUnloaded());
  }
  EXPECT_EQ(seen, "ooooooox" "ooooooox");
  EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("65"), QStringLiteral("65")}));
}

TEST_F(StartupTest, AnEntryStaysRedUntilThePointerCrossesTheBackgroundWhichTheTitleAndRuleHide) {
  auto s = shownLauncher();
  const auto colours = [&] {
    QString c;
    for (const ui::Label* e : s->lbMenu) c += e->ForeColor() == ui::kRed ? 'R' : e->ForeColor() == ui::kLightBlue ? 'b' : '?';
    return c;
  };
  QWidget* rule = s->Line1->widget();
  const QPoint onRule = rule->mask().boundingRect().center();
  const std::tuple<QWidget*, QPoint, const char*> path[] = {
      {s->lbMenu[1]->widget(), {5, 5}, "bRbb"}, {s->lbMenu[2]->widget(), {5, 5}, "bRRb"},
      {rule, onRule, "bRRb"},                   {s->Label1->widget(), {5, 5}, "bRRb"},
      {rule, onRule - QPoint(0, 1), "bbbb"},    {s->lbMenu[3]->widget(), {5, 5}, "bbbR"}};
  for (const auto& [w, at, expected] : path) {
    QTest::mouseMove(s->widget()->windowHandle(), w->mapTo(s->widget(), at));
    EXPECT_EQ(colours(), QString::fromLatin1(expected)) << w->objectName().toStdString();
  }
  s->Form_Activate();
  EXPECT_EQ(colours(), QStringLiteral("bbbb"));
}

// The setting stays empty after a cancelled picker, so every activation asks
// again: also the one that follows the modal About window. A folder where the
// store belongs refuses every answer: that is said once, and the last answer
// stands for the rest of the run.
TEST_F(StartupTest, FirstRunAsksForTheFolderAndStoresTheAnswerEvenWhenEmptyOrKeepsItWhenRefused) {
  shell::Startup s(state);
  s.Show();
  settle();
  EXPECT_EQ(events, (std::vector<QString>{kFirstRun, kPick}));
  EXPECT_EQ(s.CD.FileName, QStringLiteral("/*.txt"));
  folderAnswer = QStringLiteral("/games/corvaneth");
  press(s, 0);
  // The activation that follows About may come after the launcher is active again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() >= 5; }, 10000));
  EXPECT_EQ(events, (std::vector<QString>{kFirstRun, kPick, QStringLiteral("about"), kFirstRun, kPick}));
  s.Form_Activate();  // the answer was stored: no prompt
  EXPECT_EQ(events.size(), 5u);
  EXPECT_EQ(s.CD.FileName, QStringLiteral("/games/corvaneth/*.txt"));
  storeFolder(QStringLiteral("/"));  // one that ends in the separator is joined as it is
  s.Form_Activate();
  EXPECT_EQ(s.CD.FileName, QStringLiteral("//*.txt"));
  const QString place = QString::fromStdString(shell::registryFilePath());
  ASSERT_TRUE(QFile::remove(place) && QDir().mkpath(place));
  events.clear();
  folderAnswer.clear();
  s.Form_Activate();
  folderAnswer = QStringLiteral("/games/kept");
  press(s, 0);
  s.Form_Activate();
  const QString refused = "box Tarquil|64|Your Corvaneth folder could not be saved in " + place +
                          ":\r\nA folder of that name is there.\r\nTarquil keeps it until you quit.";
  EXPECT_EQ(events, (std::vector<QString>{kFirstRun, kPick, refused, QStringLiteral("about"), kFirstRun, kPick}));
  EXPECT_EQ(s.CD.FileName, QStringLiteral("/games/kept/*.txt"));
}

// Files named like the preset and the bare pattern exist here, so only the
// name checks turn them away; a hidden file is not a normal one. The first
// valid log of a run counts as valid with the flag still empty. A close
// request (Alt+F4) does what the close glyph does: it brings the launcher
// back, which reads the setting anew, and ends nothing. An invalid log
// leaves the launcher shown and the flag back at "0", so a valid one after it
// is shown normally.
TEST_F(StartupTest, RejectedAnswersValidLogCloseGlyphInvalidLogValidLog) {
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  for (const char* name : {"*.txt", ".hidden.txt"}) QFile(QString::fromLatin1(name)).open(QIODevice::WriteOnly);
  auto s = shownLauncher(dir.path());
  const QString valid = QStringLiteral(CORV_TEST_DATA "/log_v100_four_players.txt");
  for (const QString& a : {QString(), dir.filePath(QStringLiteral("*.txt")), QStringLiteral("*.txt"),
                           dir.filePath(QStringLiteral(".hidden.txt")), QStringLiteral("missing.txt"), dir.path()}) {
    fileAnswer = a.isNull() ? std::nullopt : std::optional(a);
    press(*s, 3);
    EXPECT_EQ(s->statsWindow(), nullptr) << a.toStdString();
  }
  const auto open = [&](const QString& log, const char* tag) {
    fileAnswer = log;
    press(*s, 3);
    ASSERT_NE(s->statsWindow(), nullptr);
    EXPECT_EQ(s->statsWindow()->Tag, QString::fromLatin1(tag));
    EXPECT_EQ(s->statsWindow()->isShown(), log == valid);
    EXPECT_EQ(s->isShown(), log != valid);
  };
  open(valid, "");
  Main* const m = s->statsWindow();
  ASSERT_NE(m, nullptr);
  EXPECT_TRUE(state.PlayerIndex == 3.0f && m->lbGen[3]->Visible() && !m->lbGen[4]->Visible());
  storeFolder(QStringLiteral("/elsewhere"));
  m->widget()->close();
  settle();
  EXPECT_TRUE(s->isShown() && !m->isShown() && !m->isUnloaded());
  EXPECT_EQ(s->CD.FileName, QStringLiteral("/elsewhere/*.txt"));
  open(QStringLiteral(CORV_TEST_DATA "/pages_v100_one_player.txt"), "0");
  open(valid, "0");
  QDir::setCurrent(cwd);
  EXPECT_EQ(events.size(), 10u);
  EXPECT_TRUE(events[8].startsWith(QStringLiteral("box Invalid Log File|")));
}

}  // namespace
