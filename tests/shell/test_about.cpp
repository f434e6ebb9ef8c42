#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <memory>

#include "shell/About.h"
#include "ui/Controls.h"

namespace {

constexpr ui::Rgb kWhite = ui::kWhite;
constexpr ui::Rgb kYellow = ui::kPaleYellow;

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override { about = std::make_unique<About>(); }

  // Keeps the real timer from firing so that only the test's own calls step.
  void holdTimer() { about->Timer1->setInterval(1000 * 1000 * 1000); }

  QPoint windowPoint(QWidget* w, QPoint local) const { return w->mapTo(about->widget(), local); }

  void clickAt(QPoint inWindow) {
    QTest::mouseClick(about->widget()->windowHandle(), Qt::LeftButton, {}, inWindow);
    QApplication::processEvents();
  }

  // Shows the window modally; false when only the guard, there so that a
  // fault shows as a failure rather than a hang, could end it.
  bool showModal() {
    bool guardFired = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
      guardFired = true;
      about->Unload();
    });
    guard.start(60 * 1000);
    about->Show(1);
    return !guardFired;
  }

  std::unique_ptr<About> about;
};

// ---- Lines as the load builds them ---------------------------------------

struct CreditCase {
  int line;
  const char* text;  // nullptr: a name of our own
  ui::Rgb color;
};

void PrintTo(const CreditCase& c, std::ostream* os) { *os << "line " << c.line; }

class AboutCreditLine : public AboutTest, public ::testing::WithParamInterface<CreditCase> {};

const char* const kBlank = " ";

const CreditCase kCredits[] = {
    {1, "Version 1.0.1a - 12/01/99", kYellow},
    {2, kBlank, kWhite},
    {3, kBlank, kWhite},
    {4, "Design && Development", kWhite},
    {5, nullptr, kYellow},
    {6, kBlank, kWhite},
    {7, kBlank, kWhite},
    {8, "Beta Test Team", kWhite},
    {9, nullptr, kYellow},
    {10, nullptr, kYellow},
    {11, nullptr, kYellow},
    {12, nullptr, kYellow},
    {13, nullptr, kYellow},
    {14, kBlank, kWhite},
    {15, kBlank, kWhite},
    {16, "Special Thanks", kWhite},
    {17, nullptr, kYellow},
    {18, nullptr, kYellow},
    {19, nullptr, kYellow},
    {20, nullptr, kYellow},
    {21, nullptr, kYellow},
    {22, kBlank, kWhite},
    {23, kBlank, kWhite},
    {24, kBlank, kWhite},
    {25, kBlank, kWhite},
    {26, kBlank, kWhite},
    {27, kBlank, kWhite},
    {28, kBlank, kWhite},
    {29, kBlank, kWhite},
    {30, "Thanks for using Corvaneth Stats!", kWhite},
    {31, kBlank, kWhite},
    {32, kBlank, kWhite},
    {33, kBlank, kWhite},
    {34, kBlank, kWhite},
    {35, "Press any key to continue", kWhite},
};

TEST_P(AboutCreditLine, TextColourAndModelFont) {
  const CreditCase& c = GetParam();
  const ui::Label& label = *about->lbCredits.at(c.line);
  if (c.text) {
    EXPECT_EQ(about->CreditText[c.line], QString::fromUtf8(c.text));
  } else {
    EXPECT_FALSE(about->CreditText[c.line].trimmed().isEmpty()) << "a name line is blank";
  }
  EXPECT_EQ(label.Caption(), about->CreditText[c.line]);
  EXPECT_EQ(about->CreditColor[c.line], c.color);
  EXPECT_EQ(label.ForeColor(), c.color);
  EXPECT_EQ(label.font().family, QStringLiteral("Verdana"));
  EXPECT_DOUBLE_EQ(label.font().pointSize, 9.0);
  EXPECT_TRUE(label.font().bold);
  EXPECT_TRUE(label.Visible());
}

INSTANTIATE_TEST_SUITE_P(AllLines, AboutCreditLine, ::testing::ValuesIn(kCredits),
                         [](const auto& info) { return "Line" + std::to_string(info.param.line); });

TEST_F(AboutTest, TitleAndModelLabel) {
  ASSERT_EQ(about->lbCredits.size(), 36u);
  const ui::Label& title = *about->lbCredits[0];
  EXPECT_EQ(title.Caption(), QStringLiteral("Corvaneth Stats"));
  EXPECT_EQ(title.ForeColor(), kWhite);
  EXPECT_EQ(title.font().family, QStringLiteral("Verdana"));
  EXPECT_DOUBLE_EQ(title.font().pointSize, 14.25);
  EXPECT_TRUE(title.font().bold);
  EXPECT_TRUE(title.Visible());

  EXPECT_EQ(about->lbDefault->Caption(), QStringLiteral("Build 153"));
  EXPECT_FALSE(about->lbDefault->Visible());
  EXPECT_EQ(about->Caption(), QStringLiteral("About Corvaneth Stats..."));
}

TEST_F(AboutTest, DoubledAmpersandShowsAsOne) {
  const ui::Label& label = *about->lbCredits[4];
  const QString shown = label.widget()->property("text").toString();
  EXPECT_EQ(shown, QStringLiteral("Design & Development"));
}

// ---- Layout after load -----------------------------------------------------

TEST_F(AboutTest, LinesStartAtTheBottomEdge400Apart) {
  holdTimer();
  // Ticks may fall into the load's passes of pending messages: the title then
  // sits a whole number of steps above its design place.
  const float title = about->lbCredits[0]->Top();
  EXPECT_LE(title, 3960.0f);
  EXPECT_EQ(std::fmod(3960.0f - title, 15.0f), 0.0f);
  for (int i = 1; i <= About::kCreditLines; ++i) {
    EXPECT_EQ(about->lbCredits[i]->Top() - about->lbCredits[i - 1]->Top(), 400.0f) << "line " << i;
  }
}

// A slow load: every pass of pending messages takes a few milliseconds, so the
// 50 ms timer falls due during the load and moves the lines built so far.
TEST_F(AboutTest, TicksDuringLoadKeepThe400Spacing) {
  about.reset();
  QTimer slow;
  QObject::connect(&slow, &QTimer::timeout, [] { QThread::msleep(5); });
  slow.start(0);
  about = std::make_unique<About>();
  slow.stop();
  holdTimer();
  ASSERT_LT(about->lbCredits[0]->Top(), 3960.0f) << "no tick fell into the load";
  for (int i = 1; i <= About::kCreditLines; ++i) {
    EXPECT_EQ(about->lbCredits[i]->Top() - about->lbCredits[i - 1]->Top(), 400.0f) << "line " << i;
  }
}

TEST_F(AboutTest, EveryLineCentred30TwipsLeft) {
  holdTimer();
  const float outer = about->Width();
  for (int i = 1; i <= About::kCreditLines; ++i) {
    const ui::Label& line = *about->lbCredits[i];
    EXPECT_GT(line.Width(), 0.0f) << "line " << i;
    EXPECT_EQ(line.Left(), (outer - line.Width()) / 2.0f - 30.0f) << "line " << i;
  }
  // A longer caption starts further left.
  EXPECT_LT(about->lbCredits[30]->Left(), about->lbCredits[8]->Left());
}

TEST_F(AboutTest, PictureLiesBehindEveryLabel) {
  QWidget* area = about->area();
  const QObjectList& stack = area->children();  // back to front
  const auto imagePos = stack.indexOf(about->Image1->widget());
  ASSERT_GE(imagePos, 0);
  for (const auto& label : about->lbCredits) EXPECT_LT(imagePos, stack.indexOf(label->widget()));
}

// ---- Scrolling -------------------------------------------------------------

TEST_F(AboutTest, OneTickMovesEveryLineUp15) {
  holdTimer();
  std::vector<std::pair<float, float>> before;
  for (const auto& l : about->lbCredits) before.emplace_back(l->Left(), l->Top());
  about->Timer1_Timer();
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(about->lbCredits[i]->Top(), before[i].second - 15.0f) << "element " << i;
    EXPECT_EQ(about->lbCredits[i]->Left(), before[i].first) << "element " << i;
  }
  EXPECT_TRUE(about->Timer1->Enabled());
}

TEST_F(AboutTest, StopsForGoodOnceLastLinePassesTheRestHeight) {
  holdTimer();
  ASSERT_TRUE(about->Timer1->Enabled());
  const float rest = about->Height() / 2.45f;
  const ui::Label& last = *about->lbCredits.back();
  int ticks = 0;
  while (about->Timer1->Enabled() && ticks < 5000) {
    const float next = last.Top() - 15.0f;
    about->Timer1_Timer();
    ++ticks;
    ASSERT_EQ(last.Top(), next);
    ASSERT_EQ(about->Timer1->Enabled(), !(rest > next)) << "after tick " << ticks << ", last Top " << next;
  }
  ASSERT_FALSE(about->Timer1->Enabled());
  EXPECT_LT(last.Top(), rest);
  EXPECT_GE(last.Top() + 15.0f, rest);

  // Rest: the lines do not start again, and the window stays open.
  const float stopped = last.Top();
  QApplication::processEvents();
  EXPECT_EQ(last.Top(), stopped);
  EXPECT_FALSE(about->Timer1->Enabled());
  EXPECT_FALSE(about->isUnloaded());
}

// ---- Closing ---------------------------------------------------------------

TEST_F(AboutTest, AnyKeyUnloadsWhileLinesMove) {
  about->Show();
  ASSERT_TRUE(about->Timer1->Enabled());
  // Key preview: the window sees the key even when a label is the receiver.
  QTest::keyClick(about->lbCredits[1]->widget(), Qt::Key_A);
  EXPECT_TRUE(about->isUnloaded());
  EXPECT_FALSE(about->isShown());
  EXPECT_FALSE(about->Timer1->Enabled());
}

TEST_F(AboutTest, ClickOnPictureUnloads) {
  holdTimer();
  about->Show();
  const QPoint corner = windowPoint(about->area(), QPoint(10, 10));
  ASSERT_EQ(about->area()->childAt(QPoint(10, 10)), about->Image1->widget());
  clickAt(corner);
  EXPECT_TRUE(about->isUnloaded());
  EXPECT_FALSE(about->isShown());
}

TEST_F(AboutTest, ClickOnCreditLineOverPictureDoesNotClose) {
  holdTimer();
  for (int i = 0; i < 100; ++i) about->Timer1_Timer();  // the title is now well inside the picture
  about->Show();
  QApplication::processEvents();
  QWidget* title = about->lbCredits[0]->widget();
  const QPoint middle = title->rect().center();
  const QPoint inArea = title->mapTo(about->area(), middle);
  ASSERT_TRUE(about->Image1->widget()->geometry().contains(inArea));
  ASSERT_EQ(about->area()->childAt(inArea), title);
  clickAt(windowPoint(title, middle));
  EXPECT_FALSE(about->isUnloaded());
  EXPECT_TRUE(about->isShown());

  // The picture beside the lines still closes it.
  clickAt(windowPoint(about->area(), QPoint(10, 10)));
  EXPECT_TRUE(about->isUnloaded());
}

TEST_F(AboutTest, ModalShowReturnsWhenUnloaded) {
  QTimer::singleShot(0, [this] { about->Unload(); });
  EXPECT_TRUE(showModal());
  EXPECT_TRUE(about->isUnloaded());
}

TEST_F(AboutTest, ModalShowEndsOnAKey) {
  QTimer::singleShot(0, [this] { QTest::keyClick(about->widget(), Qt::Key_Return); });
  EXPECT_TRUE(showModal());
  EXPECT_TRUE(about->isUnloaded());
}

TEST_F(AboutTest, SecondShowingStartsAgainFromTheBottom) {
  holdTimer();
  while (about->Timer1->Enabled()) about->Timer1_Timer();
  const float scrolledTitle = about->lbCredits[0]->Top();
  about->Show();
  QTest::keyClick(about->widget(), Qt::Key_Space);
  ASSERT_TRUE(about->isUnloaded());
  about.reset();

  about = std::make_unique<About>();
  holdTimer();
  EXPECT_TRUE(about->Timer1->Enabled());
  ASSERT_EQ(about->lbCredits.size(), 36u);
  const float title = about->lbCredits[0]->Top();
  EXPECT_GT(title, scrolledTitle);
  EXPECT_EQ(std::fmod(3960.0f - title, 15.0f), 0.0f);
  EXPECT_EQ(about->lbCredits[35]->Top() - title, 35 * 400.0f);
  EXPECT_EQ(about->CreditText[35], QStringLiteral("Press any key to continue"));
}

}  // namespace
