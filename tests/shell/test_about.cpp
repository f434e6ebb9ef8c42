// The About window: the credit lines as the load builds and places them, the
// scrolling and where it stops, and what closes the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cmath>

#include "shell/About.h"
#include "ui/Controls.h"

namespace {

// Credit lines 1 to 35: V the version, H a heading, N a name of our own, . a blank.
const char kKinds[] = "V..HN..HNNNNN..HNNNNN........H....H";
const char* const kFixedTexts[] = {"Version 1.0.1a - 12/01/99", "Design && Development", "Beta Test Team",
                                   "Special Thanks", "Thanks for using Corvaneth Stats!", "Press any key to continue"};

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override { build(); }

  // A new window whose timer the test steps itself.
  void build() {
    about = std::make_unique<About>();
    about->Timer1->setInterval(1000 * 1000 * 1000);
  }

  // Ticks may fall into the load's passes of pending messages: the title then
  // sits a whole number of steps above its design place, and each line 400
  // below the one before.
  void expectStackedFromTheBottomEdge() const {
    const float title = about->lbCredits[0]->Top();
    EXPECT_LE(title, 3960.0f);
    EXPECT_EQ(std::fmod(3960.0f - title, 15.0f), 0.0f) << title;
    for (int i = 1; i <= About::kCreditLines; ++i)
      EXPECT_EQ(about->lbCredits[i]->Top() - about->lbCredits[i - 1]->Top(), 400.0f) << "line " << i;
  }

  std::unique_ptr<About> about;
};

TEST_F(AboutTest, LoadBuildsTheTitleAndEveryCreditLineInFrontOfThePicture) {
  EXPECT_EQ(about->Caption(), QStringLiteral("About Corvaneth Stats..."));
  ASSERT_EQ(about->lbCredits.size(), 36u);
  const ui::Label& title = *about->lbCredits[0];
  EXPECT_EQ(title.Caption() + title.font().family + QString::number(title.font().pointSize),
            QStringLiteral("Corvaneth StatsVerdana14.25"));
  EXPECT_FALSE(about->lbDefault->Visible());
  EXPECT_TRUE(title.Visible());
  expectStackedFromTheBottomEdge();
  const QObjectList& stack = about->area()->children();  // back to front
  for (int i = 1, fixed = 0; i <= About::kCreditLines; ++i) {
    const ui::Label& label = *about->lbCredits[i];
    const char kind = kKinds[i - 1];
    const QString text = kind == 'N' ? label.Caption() : kind == '.' ? QStringLiteral(" ") : kFixedTexts[fixed++];
    EXPECT_EQ(label.Caption(), text) << i;
    EXPECT_EQ(about->CreditText[i], text) << i;
    EXPECT_EQ(text.trimmed().isEmpty(), kind == '.') << i;
    const ui::Rgb colour = (kind == 'V' || kind == 'N') ? ui::kPaleYellow : ui::kWhite;
    EXPECT_EQ(about->CreditColor[i], colour) << i;
    EXPECT_EQ(label.ForeColor(), colour) << i;
    EXPECT_EQ(label.font().family, QStringLiteral("Verdana"));
    EXPECT_TRUE(label.font().bold) << i;
    EXPECT_EQ(label.font().pointSize, 9.0) << i;
    EXPECT_TRUE(label.Visible()) << i;
    EXPECT_GT(label.Width(), 0) << i;
    EXPECT_EQ(label.Left(), (about->Width() - label.Width()) / 2.0f - 30.0f);  // centred 30 twips left
    EXPECT_LT(stack.indexOf(about->Image1->widget()), stack.indexOf(label.widget()));
  }
  EXPECT_EQ(about->lbCredits[4]->widget()->property("text").toString(), QStringLiteral("Design & Development"));
}

// A slow load: every pass of pending messages takes a few milliseconds, so the
// 50 ms timer falls due during the load and moves the lines built so far.
// Then every tick moves every line up 15 until the last passes the rest height.
TEST_F(AboutTest, TicksDuringLoadKeepThe400SpacingAndScrollingStopsForGoodAboveTheRestHeight) {
  QTimer slow;
  QObject::connect(&slow, &QTimer::timeout, [] { QThread::msleep(5); });
  slow.start(0);
  build();
  slow.stop();
  ASSERT_LT(about->lbCredits[0]->Top(), 3960.0f) << "no tick fell into the load";
  expectStackedFromTheBottomEdge();
  const float rest = about->Height() / 2.45f;
  for (float title = about->lbCredits[0]->Top(); about->Timer1->Enabled() && title > -1e5f; title -= 15.0f) {
    about->Timer1_Timer();
    ASSERT_EQ(about->lbCredits[0]->Top(), title - 15.0f);
  }
  const float stopped = about->lbCredits.back()->Top();
  EXPECT_LT(stopped, rest);
  EXPECT_GE(stopped + 15.0f, rest);
  expectStackedFromTheBottomEdge();  // every line moved with the others
  QApplication::processEvents();
  EXPECT_EQ(about->lbCredits.back()->Top(), stopped);
  EXPECT_FALSE(about->isUnloaded());
}

// A click on the emblem closes the window, but not under a credit line (a key
// or a close request from the window manager does too: see the launcher's
// tests); every showing starts again from the bottom edge.
TEST_F(AboutTest, AClickOnTheEmblemButNotOnACreditLineEndsTheModalShowing) {
  for (int i = 0; i < 100; ++i) about->Timer1_Timer();  // the title is now well inside the picture
  const float scrolled = about->lbCredits[0]->Top();
  QWidget* title = about->lbCredits[0]->widget();
  ASSERT_EQ(about->area()->childAt(title->geometry().center()), title);
  ASSERT_TRUE(about->Image1->widget()->geometry().contains(title->geometry().center()));
  QString seen;
  QTimer::singleShot(0, [&] {
    for (const QPoint& at : {title->geometry().center(), QPoint(10, 10)}) {
      QTest::mouseClick(about->widget()->windowHandle(), Qt::LeftButton, {}, at);
      seen += about->isShown() ? 'o' : 'x';
    }
  });
  about->Show(1);
  EXPECT_TRUE(about->isUnloaded());
  EXPECT_FALSE(about->isShown());
  EXPECT_EQ(seen, QStringLiteral("ox"));
  build();
  EXPECT_GT(about->lbCredits[0]->Top(), scrolled);
}

}  // namespace
