// The statistics window as a user's actions change it: opening logs (the
// player index, the choosers, the invalid-log message and the launcher's
// sequence), the view choosers driven by mouse and keyboard, the tabs, the
// busy page, dragging by the title and the close glyph, and calls that must
// change nothing. What the pages show is checked by the golden dumps.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

#include "StatsTestSupport.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/TabStrip.h"

namespace {

using corv::test::dataFile;
using corv::test::separatorLog;
using corv::test::TempLog;
using corv::test::windowText;

const QString kNotALog = QStringLiteral(
    "\r\n\r\nThe above file is not a Corvaneth multiplayer\r\nlog file. Please select a valid file and try again.");
const QString kUnreadable = QStringLiteral("\r\n\r\nThe above file could not be read as a Corvaneth log: ");

// Which of the five stacked frames is in front: raising a widget moves it to
// the end of its parent's child list.
QString frontPage(Main& m) {
  QString front;
  for (QObject* child : m.area()->children())
    if (child->objectName().startsWith(QLatin1String("Tabb_")) || child->objectName() == QLatin1String("tbThink"))
      front = child->objectName();
  return front;
}

using WindowEvents = corv::test::StatsTest;

// ---- opening a log ----

struct OpenCase {
  const char* name;
  std::string text;        // the log; empty with a path: that file
  const char* path;        // nullptr: a temporary file holding `text`
  float playerIndex;
  const char* items;       // the choosers' items after "Summary", joined by '|'
  const QString* message;  // the message after the path; nullptr: valid
};

void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

class Opening : public WindowEvents, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(Opening, SetsIndexChoosersAndValidity) {
  const OpenCase& c = GetParam();
  const TempLog temp(c.text);
  const std::string path = c.path ? std::string(c.path) : temp.path();
  int clicks = 0;
  for (ui::Chooser* chooser : main->cbView) chooser->onClick = [&clicks] { ++clicks; };
  open(path);
  EXPECT_FLOAT_EQ(state.PlayerIndex, c.playerIndex);
  for (ui::Chooser* chooser : main->cbView) {
    QStringList items;
    for (int n = 1; n <= chooser->ItemCount(); ++n) items << chooser->ItemText(n);
    EXPECT_EQ(items.join(QLatin1Char('|')), QStringLiteral("Summary") + QString::fromLatin1(c.items));
    EXPECT_EQ(chooser->SelectedIndex(), 1);
  }
  EXPECT_EQ(clicks, 0);
  if (!c.message) {
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(main->Tag.isEmpty());
    return;
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].prompt.startsWith(QString::fromStdString(path) + *c.message)) << boxes[0].prompt.toStdString();
  EXPECT_EQ(boxes[0].style, 64);
  EXPECT_EQ(boxes[0].title, QStringLiteral("Invalid Log File"));
  EXPECT_EQ(main->Tag, QStringLiteral("1"));
}

INSTANTIATE_TEST_SUITE_P(
    Logs, Opening,
    ::testing::Values(OpenCase{"EmptyFile", "", nullptr, -1, "", &kNotALog},
                      OpenCase{"OnePlayer", separatorLog(2), nullptr, 0, "|P0", &kNotALog},
                      OpenCase{"ThreeSeparators", separatorLog(3), nullptr, 0.5f, "|P0", &kNotALog},
                      OpenCase{"TwoPlayers", separatorLog(4), nullptr, 1, "|P0|P1", nullptr},
                      OpenCase{"FiveSeparators", separatorLog(5), nullptr, 1.5f, "|P0|P1", nullptr},
                      OpenCase{"NinePlayers", separatorLog(18), nullptr, 8, "|P0|P1|P2|P3|P4|P5|P6|P7", &kUnreadable},
                      OpenCase{"MissingFile", "", "/nonexistent/corvaneth/no-such-log.txt", -1, "", &kUnreadable},
                      // Refused unread, like a file far larger than any log.
                      OpenCase{"NoRegularFile", "", "/dev/zero", -1, "", &kNotALog},
                      OpenCase{"RejectedByTheReader", "", CORV_TEST_DATA "/pages_v104_rejected.txt", 2, "|Ana|Bo|Cy",
                               &kUnreadable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowEvents, PathWithNonAsciiCharactersOpens) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QString::fromUtf8("Zo\xC3\xAB's game.txt"));
  QFile out(path);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(separatorLog(6).c_str());
  out.close();
  main->openLog(path);
  EXPECT_TRUE(boxes.empty());
  EXPECT_FLOAT_EQ(state.PlayerIndex, 2.0f);
}

// The launcher's sequence: a valid log hides the launcher and leaves the
// page that was in front; an invalid one hides the window with the busy page
// in front, and the flag is back at "0" for the next log.
TEST_F(WindowEvents, OpeningAsTheLauncherDoes) {
  int launcherHidden = 0;
  main->SSTab->userClick(2);
  main->Tag = QStringLiteral("0");
  EXPECT_TRUE(main->openLogAsLauncher(QString::fromStdString(dataFile("views_two_players.txt")),
                                      [&] { launcherHidden += main->isShown() ? 1 : 100; }));
  EXPECT_EQ(launcherHidden, 1);
  EXPECT_TRUE(main->isShown());
  EXPECT_EQ(frontPage(*main), QStringLiteral("Tabb_2"));
  EXPECT_FLOAT_EQ(state.PlayerIndex, 1.5f);

  const TempLog onePlayer(separatorLog(2));
  EXPECT_FALSE(main->openLogAsLauncher(QString::fromStdString(onePlayer.path()), [&] { ++launcherHidden; }));
  EXPECT_EQ(launcherHidden, 1);
  EXPECT_FALSE(main->isShown());
  EXPECT_EQ(frontPage(*main), QStringLiteral("tbThink"));
  EXPECT_EQ(main->Tag, QStringLiteral("0"));
  EXPECT_EQ(boxes.size(), 1u);
}

// ---- the view choosers ----

// Every chooser answers the user: a click on an item of its opened list shows
// what the same choice shows in a twin window, on the page the user is looking at.
TEST_F(WindowEvents, ChoosersAnswerTheMouse) {
  const QString log = QString::fromStdString(dataFile("views_eight_players.txt"));
  ASSERT_TRUE(main->openLogAsLauncher(log, {}));
  corv::StatsState twinState;
  Main twin(twinState);
  ASSERT_TRUE(twin.openLogAsLauncher(log, {}));
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const int item = 2 + 2 * k;
    main->SSTab->userClick(k);
    twin.SSTab->userClick(k);
    QComboBox* combo = main->cbView[k]->combo();
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    // The list ignores a release for a moment after it opens: click until it takes one.
    const QPoint at = list->visualRect(list->model()->index(item - 1, 0)).center();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at), !list->isVisible(); },
                                10000));
    twin.cbView[0]->userChoose(item);
    EXPECT_EQ(windowText(*main), windowText(twin));
  }
}

// ---- the keyboard, the tabs and the busy page ----

// The clicked tab's page comes to the front; the busy page goes between. Tab
// walks the tab strip and the front page's chooser only, and the arrow keys
// there change the page in front. A chooser hands the keyboard to the one of
// the page that comes to the front; with the busy page in front none holds
// it, and the page after takes it back. The chart event leaves all alone.
TEST_F(WindowEvents, TheKeyboardStaysWithTheTabStripAndTheChooserOfThePageInFront) {
  ASSERT_TRUE(openAsLauncher(dataFile("views_eight_players.txt")));
  main->SSTab->widget()->setFocus();
  const auto key = [this](Qt::Key k) { return [this, k] { QTest::keyClick(main->widget()->windowHandle(), k); }; };
  const auto tab = [this](int t) { return [this, t] { main->SSTab->userClick(t); }; };
  const auto busy = [this](int z) { return [this, z] { main->tbThink->ZOrder(z); }; };
  // Each step, then where the keyboard is, the page in front and the choice.
  const std::pair<std::function<void()>, const char*> steps[] = {
      {key(Qt::Key_Tab), "cbView_0 Tabb_0 1"}, {key(Qt::Key_Tab), "SSTab Tabb_0 1"},
      {key(Qt::Key_Backtab), "cbView_0 Tabb_0 1"}, {key(Qt::Key_Down), "cbView_0 Tabb_0 2"},
      {tab(2), "cbView_2 Tabb_2 2"}, {key(Qt::Key_Down), "cbView_2 Tabb_2 3"}, {tab(1), "cbView_1 Tabb_1 3"},
      {key(Qt::Key_Backtab), "SSTab Tabb_1 3"}, {key(Qt::Key_Right), "SSTab Tabb_2 3"}, {tab(3), "SSTab Tabb_3 3"},
      {tab(0), "SSTab Tabb_0 3"}, {tab(3), "SSTab Tabb_3 3"}, {key(Qt::Key_Tab), "cbView_3 Tabb_3 3"},
      {busy(0), " tbThink 3"}, {key(Qt::Key_Tab), "SSTab tbThink 3"}, {key(Qt::Key_Tab), "SSTab tbThink 3"},
      {busy(1), "SSTab Tabb_3 3"}, {key(Qt::Key_Backtab), "cbView_3 Tabb_3 3"}, {busy(0), " tbThink 3"},
      {busy(1), "cbView_3 Tabb_3 3"}, {[this] { main->Graph[3]->onChartEvent(); }, "cbView_3 Tabb_3 3"}};
  for (const auto& [step, expected] : steps) {
    step();
    const QWidget* focused = main->widget()->focusWidget();
    const QString seen = QStringLiteral("%1 %2 ").arg(focused ? focused->objectName() : QString(), frontPage(*main));
    EXPECT_EQ((seen + QString::number(main->cbView[0]->SelectedIndex())).toStdString(), expected);
  }
}

// Items beyond the players, a chooser that does not exist, slots outside the
// log, an unknown page and no selection: the pages stay as they are.
TEST_F(WindowEvents, CallsOutsideTheLogChangeNothing) {
  ASSERT_TRUE(openAsLauncher(dataFile("views_two_players.txt")));
  for (ui::Chooser* c : main->cbView) c->Add(QStringLiteral("stray item"));
  const std::string before = windowText(*main);
  main->cbView[1]->userChoose(4);
  main->cbView_Click(7);
  main->ShowPlayerView(-1);
  main->ShowPlayerView(2);
  main->LayoutPlayerPage("combat");
  main->cbView[0]->setSelectedIndex(0);
  main->cbView_Click(0);
  for (ui::Chooser* c : main->cbView) c->setSelectedIndex(1);
  EXPECT_EQ(windowText(*main), before);

  // No players at all: the summary shows no rows.
  open(TempLog("").path());
  main->DoStats();
  for (const auto* rows : {&main->lbGen, &main->lbRes, &main->lbUnit, &main->lbCombat})
    for (ui::Label* label : *rows) EXPECT_FALSE(label->Visible());
}

// ---- the summary layout of one page ----

// Every page's legend squares go, but only the named page's chart, values and
// rows; an unknown keyword still applies the two-player rule and moves no row.
TEST_F(WindowEvents, OnePageLayoutHidesEverySquareButOnlyItsOwnPage) {
  const TempLog two(separatorLog(4));
  for (const std::string keyword : {"general", "Resource ", "General"}) {
    SCOPED_TRACE(keyword);
    open(two.path());
    for (int p = 0; p < 4; ++p) main->Graph[p]->setVisible(true);
    for (ui::Label* value : main->lbResVal) value->setVisible(true);
    for (ui::Shape* square : main->legCombat) square->setVisible(true);
    main->legGeneral[2]->setVisible(true);
    main->LayoutSummaryPage(keyword);
    EXPECT_FLOAT_EQ(state.PlayerIndex, 1.5f);
    for (ui::Shape* square : main->legCombat) EXPECT_FALSE(square->Visible());
    EXPECT_FALSE(main->legGeneral[2]->Visible());
    EXPECT_EQ(main->Graph[0]->Visible(), keyword != "General");
    EXPECT_TRUE(main->Graph[1]->Visible());
    EXPECT_TRUE(main->lbResVal[0]->Visible());
    EXPECT_NEAR(main->lbGen[0]->Top(), keyword == "General" ? 1233.33f : 930.0f, 0.005);
  }
}

TEST_F(WindowEvents, BarFollowsItsLabelsReportedHeight) {
  ASSERT_TRUE(openAsLauncher(dataFile("pages_v104_worked_example.txt")));
  const float before = main->lnRes[1]->Top();
  const float heightBefore = main->lbRes[1]->Height();
  main->lbRes[1]->setCaption(QStringLiteral("two\r\nlines"));
  main->LayoutSummaryPage("Resource");
  EXPECT_GT(main->lbRes[1]->Height(), heightBefore);
  EXPECT_FLOAT_EQ(main->lnRes[1]->Top(), before + main->lbRes[1]->Height() - heightBefore);
}

// ---- dragging and the close glyph ----

struct DragCase {
  const char* name;
  bool onStatsLabel;  // else on the title artwork
  int pressButton;
  float pressX, pressY;
  int moveButton;
  float moveX, moveY;
  float dLeft, dTop;  // expected change of the window's position
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }

class Drag : public WindowEvents, public ::testing::WithParamInterface<DragCase> {};

TEST_P(Drag, MovesOnlyWithTheLeftButtonAlone) {
  const DragCase& c = GetParam();
  main->Move(1500, 1200);
  ui::Control* handle = c.onStatsLabel ? static_cast<ui::Control*>(main->lbTitleStats) : main->imgTitle;
  handle->onMouseDown(c.pressButton, 0, c.pressX, c.pressY);
  handle->onMouseMove(c.moveButton, 0, c.moveX, c.moveY);
  handle->onMouseMove(c.moveButton, 0, c.moveX, c.moveY);  // the offset is from the pressed point, not the last move
  EXPECT_FLOAT_EQ(main->DragX, c.pressX);
  EXPECT_FLOAT_EQ(main->DragY, c.pressY);
  EXPECT_FLOAT_EQ(main->Left(), 1500 + c.dLeft);
  EXPECT_FLOAT_EQ(main->Top(), 1200 + c.dTop);
}

INSTANTIATE_TEST_SUITE_P(
    Title, Drag,
    ::testing::Values(DragCase{"LeftDragOnArtwork", false, 1, 150, 300, 1, 300, 600, 300, 600},
                      DragCase{"LeftDragBackwards", false, 1, 600, 450, 1, 300, 150, -600, -600},
                      DragCase{"LeftDragOnStats", true, 1, 30, 45, 1, 330, 345, 600, 600},
                      DragCase{"RightPressThenBothHeld", false, 2, 150, 150, 3, 450, 600, 0, 0},
                      DragCase{"BothHeldOnStats", true, 2, 150, 150, 3, 450, 600, 0, 0},
                      DragCase{"RightButtonAlone", false, 2, 150, 150, 2, 450, 600, 0, 0},
                      DragCase{"NoButton", true, 1, 150, 150, 0, 450, 600, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowEvents, CloseGlyphTurnsRedHidesTheWindowAndShowsTheLauncher) {
  main->lbClose->onMouseMove(0, 0, 10, 10);
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kRed);
  main->lbTitleStats->onMouseMove(1, 0, 15, 15);  // the Stats label leaves it red
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kRed);
  main->imgTitle->onMouseMove(0, 0, 15, 15);
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kLightBlue);
  main->lbClose_MouseMove(0, 0, 0, 0);
  main->onActivate();
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kLightBlue);

  main->Show();
  main->SSTab->userClick(3);
  main->lbClose->onClick();  // no launcher yet: only hides
  EXPECT_FALSE(main->isShown());
  int launcherShown = 0;
  main->showLauncher = [&] { launcherShown += main->isShown() ? 100 : 1; };
  main->Show();
  main->lbClose->onClick();
  EXPECT_EQ(launcherShown, 1);
  // Shown again for the next log, it shows the page last in front.
  main->tbThink->ZOrder(0);
  main->Show();
  main->tbThink->ZOrder(1);
  EXPECT_EQ(frontPage(*main), QStringLiteral("Tabb_3"));
}

}  // namespace
