// The About window: the credit lines as the load builds and places them, the
// scrolling and where it stops, and what closes the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "shell/About.h"
#include "ui/Controls.h"

namespace {

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    about = std::make_unique<About>();
    holdTimer();
  }

  // Keeps the real timer from firing so that only the test's own calls step.
  void holdTimer() { about->Timer1->setInterval(1000 * 1000 * 1000); }

  void clickAt(QWidget* w, QPoint local) {
    QTest::mouseClick(about->widget()->windowHandle(), Qt::LeftButton, {}, w->mapTo(about->widget(), local));
    QApplication::processEvents();
  }

  // Ticks may fall into the load's passes of pending messages: the title then
  // sits a whole number of steps above its design place, and each line 400
  // below the one before.
  void expectStackedFromTheBottomEdge() const {
    const float title = about->lbCredits[0]->Top();
    EXPECT_LE(title, 3960.0f);
    EXPECT_EQ(std::fmod(3960.0f - title, 15.0f), 0.0f);
    for (int i = 1; i <= About::kCreditLines; ++i)
      EXPECT_EQ(about->lbCredits[i]->Top() - about->lbCredits[i - 1]->Top(), 400.0f) << "line " << i;
  }

  static void expectVerdanaBold(const ui::Label& label, double points) {
    EXPECT_EQ(label.font().family, QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(label.font().pointSize, points);
    EXPECT_TRUE(label.font().bold);
  }

  std::unique_ptr<About> about;
};

// Lines 5, 9 to 13 and 17 to 21 are names of our own; lines not listed here
// and not names are blank.
const std::map<int, const char*> kHeadings = {
    {1, "Version 1.0.1a - 12/01/99"}, {4, "Design && Development"},
    {8, "Beta Test Team"},            {16, "Special Thanks"},
    {30, "Thanks for using Corvaneth Stats!"}, {35, "Press any key to continue"}};

bool isName(int line) { return line == 5 || (line >= 9 && line <= 13) || (line >= 17 && line <= 21); }

TEST_F(AboutTest, LoadBuildsTheTitleAndEveryCreditLineInFrontOfThePicture) {
  EXPECT_EQ(about->Caption(), QStringLiteral("About Corvaneth Stats..."));
  ASSERT_EQ(about->lbCredits.size(), 36u);
  const ui::Label& title = *about->lbCredits[0];
  EXPECT_EQ(title.Caption(), QStringLiteral("Corvaneth Stats"));
  EXPECT_EQ(title.ForeColor(), ui::kWhite);
  expectVerdanaBold(title, 14.25);
  EXPECT_TRUE(title.Visible());
  EXPECT_EQ(about->lbDefault->Caption(), QStringLiteral("Build 153"));
  EXPECT_FALSE(about->lbDefault->Visible());
  expectStackedFromTheBottomEdge();

  for (int i = 1; i <= About::kCreditLines; ++i) {
    SCOPED_TRACE("line " + std::to_string(i));
    const ui::Label& label = *about->lbCredits[i];
    const QString& text = about->CreditText[i];
    if (kHeadings.count(i))
      EXPECT_EQ(text, QString::fromUtf8(kHeadings.at(i)));
    else if (isName(i))
      EXPECT_FALSE(text.trimmed().isEmpty());
    else
      EXPECT_EQ(text, QStringLiteral(" "));
    EXPECT_EQ(label.Caption(), text);
    const ui::Rgb colour = (i == 1 || isName(i)) ? ui::kPaleYellow : ui::kWhite;
    EXPECT_EQ(about->CreditColor[i], colour);
    EXPECT_EQ(label.ForeColor(), colour);
    expectVerdanaBold(label, 9.0);
    EXPECT_TRUE(label.Visible());
    EXPECT_GT(label.Width(), 0.0f);
    EXPECT_EQ(label.Left(), (about->Width() - label.Width()) / 2.0f - 30.0f);  // centred 30 twips left
  }
  EXPECT_EQ(about->lbCredits[4]->widget()->property("text").toString(), QStringLiteral("Design & Development"));
  EXPECT_LT(about->lbCredits[30]->Left(), about->lbCredits[8]->Left());  // the longer caption starts further left

  const QObjectList& stack = about->area()->children();  // back to front
  const auto imagePos = stack.indexOf(about->Image1->widget());
  ASSERT_GE(imagePos, 0);
  for (const auto& label : about->lbCredits) EXPECT_LT(imagePos, stack.indexOf(label->widget()));
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
  expectStackedFromTheBottomEdge();
}

TEST_F(AboutTest, TicksMoveEveryLineUp15AndStopForGoodOnceTheLastPassesTheRestHeight) {
  const float rest = about->Height() / 2.45f;
  int ticks = 0;
  do {
    std::vector<std::pair<float, float>> before;
    for (const auto& l : about->lbCredits) before.emplace_back(l->Left(), l->Top() - 15.0f);
    about->Timer1_Timer();
    ++ticks;
    for (std::size_t i = 0; i < before.size(); ++i)
      ASSERT_EQ(std::make_pair(about->lbCredits[i]->Left(), about->lbCredits[i]->Top()), before[i]) << "element " << i;
    ASSERT_EQ(about->Timer1->Enabled(), !(rest > about->lbCredits.back()->Top())) << "tick " << ticks;
  } while (about->Timer1->Enabled() && ticks < 5000);
  ASSERT_GT(ticks, 1);

  // Rest: the lines do not start again, and the window stays open.
  const float stopped = about->lbCredits.back()->Top();
  QApplication::processEvents();
  EXPECT_EQ(about->lbCredits.back()->Top(), stopped);
  EXPECT_FALSE(about->Timer1->Enabled());
  EXPECT_FALSE(about->isUnloaded());
}

TEST_F(AboutTest, AnyKeyUnloadsWhileLinesMove) {
  about->Show();
  ASSERT_TRUE(about->Timer1->Enabled());
  // Key preview: the window sees the key even when a label is the receiver.
  QTest::keyClick(about->lbCredits[1]->widget(), Qt::Key_A);
  EXPECT_TRUE(about->isUnloaded());
  EXPECT_FALSE(about->isShown());
  EXPECT_FALSE(about->Timer1->Enabled());
}

TEST_F(AboutTest, ClickOnCreditLineOverPictureDoesNotCloseButThePictureDoes) {
  for (int i = 0; i < 100; ++i) about->Timer1_Timer();  // the title is now well inside the picture
  about->Show();
  QApplication::processEvents();
  QWidget* title = about->lbCredits[0]->widget();
  const QPoint middle = title->rect().center();
  const QPoint inArea = title->mapTo(about->area(), middle);
  ASSERT_TRUE(about->Image1->widget()->geometry().contains(inArea));
  ASSERT_EQ(about->area()->childAt(inArea), title);
  clickAt(title, middle);
  EXPECT_FALSE(about->isUnloaded());
  EXPECT_TRUE(about->isShown());

  ASSERT_EQ(about->area()->childAt(QPoint(10, 10)), about->Image1->widget());
  clickAt(about->area(), QPoint(10, 10));
  EXPECT_TRUE(about->isUnloaded());
  EXPECT_FALSE(about->isShown());
}

TEST_F(AboutTest, ModalShowReturnsOnAKeyAndTheNextShowingStartsAgainFromTheBottom) {
  while (about->Timer1->Enabled()) about->Timer1_Timer();
  const float scrolledTitle = about->lbCredits[0]->Top();
  // The guard makes a fault show as a failure rather than a hang.
  bool guardFired = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    guardFired = true;
    about->Unload();
  });
  guard.start(60 * 1000);
  QTimer::singleShot(0, [this] { QTest::keyClick(about->widget(), Qt::Key_Return); });
  about->Show(1);
  EXPECT_FALSE(guardFired);
  ASSERT_TRUE(about->isUnloaded());
  about.reset();

  about = std::make_unique<About>();
  holdTimer();
  EXPECT_TRUE(about->Timer1->Enabled());
  ASSERT_EQ(about->lbCredits.size(), 36u);
  EXPECT_GT(about->lbCredits[0]->Top(), scrolledTitle);
  expectStackedFromTheBottomEdge();
  EXPECT_EQ(about->CreditText[35], QStringLiteral("Press any key to continue"));
}

}  // namespace
