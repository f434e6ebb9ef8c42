// The statistics window as built and as a user's actions change it: design
// places and captions on every page, pages coming to the front, dragging by
// the title, the close glyph and the charts' design state.
#include <QWidget>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "StatsTestSupport.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/TabStrip.h"

namespace {

using corv::rgb;
using corv::test::frontPage;

class MainWindowTest : public ::testing::Test {
 protected:
  corv::StatsState state;
  std::unique_ptr<Main> main = std::make_unique<Main>(state);
};

// ---- design places, read back in twips ----

struct Place {
  const char* name;
  std::function<ui::Control*(Main&)> control;
  float left, top, width, height;  // a negative width or height is not checked
};

void PrintTo(const Place& p, std::ostream* os) { *os << p.name; }

class DesignPlace : public ::testing::TestWithParam<Place> {
 protected:
  static void SetUpTestSuite() { shared = new Main(sharedState); }
  static void TearDownTestSuite() {
    delete shared;
    shared = nullptr;
  }
  static inline corv::StatsState sharedState;
  static inline Main* shared = nullptr;
};

TEST_P(DesignPlace, StandsWhereDesigned) {
  const Place& p = GetParam();
  ui::Control* c = p.control(*shared);
  ASSERT_NE(c, nullptr);
  EXPECT_FLOAT_EQ(c->Left(), p.left);
  EXPECT_FLOAT_EQ(c->Top(), p.top);
  if (p.width >= 0) {
    EXPECT_FLOAT_EQ(c->Width(), p.width);
  }
  if (p.height >= 0) {
    EXPECT_FLOAT_EQ(c->Height(), p.height);
  }
  EXPECT_EQ(c->name(), QString::fromLatin1(p.name));
  EXPECT_EQ(shared->widget()->findChild<QWidget*>(QString::fromLatin1(p.name)), c->widget());
}

INSTANTIATE_TEST_SUITE_P(
    Main, DesignPlace,
    ::testing::Values(
        Place{"imgTitle", [](Main& m) { return m.imgTitle; }, 60, -120, 8250, 1350},
        Place{"lbTitleStats", [](Main& m) { return m.lbTitleStats; }, 360, 660, -1, -1},
        Place{"lbClose", [](Main& m) { return m.lbClose; }, 7965, 60, 300, 315},
        Place{"SSTab", [](Main& m) { return m.SSTab; }, 120, 1380, 8130, 420},
        Place{"Tabb_3", [](Main& m) { return m.Tabb[3]; }, 120, 1800, 8115, 5175},
        Place{"tbThink", [](Main& m) { return m.tbThink; }, 120, 1800, 8115, 5175},
        Place{"Label1", [](Main& m) { return m.Label1; }, 2760, 2280, -1, -1},
        Place{"Frame1", [](Main& m) { return m.Frame1; }, 480, 360, 7635, 495},
        Place{"lbResTitle", [](Main& m) { return m.lbResTitle; }, 60, 0, -1, -1},
        Place{"lbGenTitle", [](Main& m) { return m.lbGenTitle; }, 540, 360, -1, -1},
        Place{"cbView_1", [](Main& m) { return m.cbView[1]; }, 5850, 0, 2265, 330},
        Place{"Graph_0", [](Main& m) { return m.Graph[0]; }, 4260, 1380, 3315, 2895},
        Place{"Graph_1", [](Main& m) { return m.Graph[1]; }, 4080, 960, 2955, 3315},
        Place{"Graph_2", [](Main& m) { return m.Graph[2]; }, 3840, 900, 3855, 4065},
        Place{"Graph_3", [](Main& m) { return m.Graph[3]; }, 4080, 1380, 3915, 3585},
        Place{"lbGenVal_0", [](Main& m) { return m.lbGenVal[0]; }, 2340, 900, -1, -1},
        Place{"lbGenVal_1", [](Main& m) { return m.lbGenVal[1]; }, 2340, 1440, -1, -1},
        Place{"lbResVal_7", [](Main& m) { return m.lbResVal[7]; }, 3480, 4320, -1, -1},
        Place{"lnGen_0", [](Main& m) { return m.lnGen[0]; }, 540, 1140, 1515, 195},
        Place{"lnGen2_4", [](Main& m) { return m.lnGen2[4]; }, 2040, 3060, 1515, 195},
        Place{"lnGen3_7", [](Main& m) { return m.lnGen3[7]; }, 3540, 4500, 1515, 195},
        Place{"lnRes_1", [](Main& m) { return m.lnRes[1]; }, 540, 1620, 6795, 195},
        Place{"lnCombat_7", [](Main& m) { return m.lnCombat[7]; }, 540, 4500, 6075, 195},
        Place{"legGeneral_2", [](Main& m) { return m.legGeneral[2]; }, 240, 3405, 195, 195},
        Place{"legRes_4", [](Main& m) { return m.legRes[4]; }, 240, 2955, 195, 195},
        Place{"legUnit_0", [](Main& m) { return m.legUnit[0]; }, 240, 1150, 195, 195},
        Place{"legUnit_7", [](Main& m) { return m.legUnit[7]; }, 240, 4305, 195, 195},
        Place{"legCombat_6", [](Main& m) { return m.legCombat[6]; }, 240, 3855, 195, 195},
        // The load copies the first page's background to the other three.
        Place{"imgBack_0", [](Main& m) { return m.imgBack[0]; }, -300, 0, 8415, 5175},
        Place{"imgBack_3", [](Main& m) { return m.imgBack[3]; }, -300, 0, 8415, 5175}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- captions, colours, fills ----

TEST_F(MainWindowTest, WindowIsBorderlessBlackAndOfDesignSize) {
  EXPECT_EQ(main->Caption(), QStringLiteral("Corvaneth Stats"));
  EXPECT_TRUE(main->widget()->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(main->area()->width(), 557);   // 8355 twips
  EXPECT_EQ(main->area()->height(), 473);  // 7095 twips
  EXPECT_EQ(main->area()->palette().color(main->area()->backgroundRole()), QColor(Qt::black));
}

TEST_F(MainWindowTest, TitleTabAndBusyTextsAreExact) {
  ASSERT_EQ(main->SSTab->TabCount(), 4);
  EXPECT_EQ(main->SSTab->TabCaption(0), QStringLiteral(" Overview "));
  EXPECT_EQ(main->SSTab->TabCaption(1), QStringLiteral(" Resource Management "));
  EXPECT_EQ(main->SSTab->TabCaption(2), QStringLiteral(" Unit Management "));
  EXPECT_EQ(main->SSTab->TabCaption(3), QStringLiteral(" Combat Performance"));
  EXPECT_EQ(main->lbTitleStats->Caption(), QStringLiteral("Stats"));
  EXPECT_EQ(main->lbTitleVersion->Caption(), QStringLiteral("v1.01"));
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kLightBlue);
  EXPECT_EQ(main->lnTitle->BorderWidth(), 3);
  EXPECT_EQ(main->Label1->Caption(), QStringLiteral("Generating Statistics...."));
  EXPECT_EQ(main->Label1->widget()->parentWidget(), main->tbThink->widget());
}

TEST_F(MainWindowTest, ResourceTitleLiesInItsOwnFrameAndFits) {
  EXPECT_EQ(main->lbResTitle->widget()->parentWidget(), main->Frame1->widget());
  EXPECT_EQ(main->Frame1->widget()->parentWidget(), main->Tabb[1]->widget());
  EXPECT_EQ(main->Frame1->BackColor(), ui::kBlack);
  // A player's long title is not cut off by the frame or the page.
  main->lbResTitle->setCaption(QStringLiteral("Alessandra Ruiz's Resource Management Stats"));
  EXPECT_LE(main->lbResTitle->Left() + main->lbResTitle->Width(), main->Frame1->Width());
  EXPECT_LE(main->Frame1->Left() + main->Frame1->Width(), main->Tabb[1]->Width());
}

TEST_F(MainWindowTest, RowsShowPlayerNumbersValueLabelsAreHiddenChoosersEmpty) {
  const std::array<std::array<ui::Label*, 8>*, 4> rows{&main->lbGen, &main->lbRes, &main->lbUnit, &main->lbCombat};
  const std::array<std::array<ui::Label*, 8>*, 4> vals{&main->lbGenVal, &main->lbResVal, &main->lbUnitVal,
                                                       &main->lbCombatVal};
  for (int p = 0; p < 4; ++p) {
    EXPECT_EQ(main->cbView[p]->ItemCount(), 0);
    EXPECT_EQ(main->cbView[p]->widget()->parentWidget(), main->Tabb[p]->widget());
    for (int i = 0; i < 8; ++i) {
      SCOPED_TRACE("page " + std::to_string(p) + " row " + std::to_string(i));
      ui::Label* row = (*rows[p])[i];
      ui::Label* val = (*vals[p])[i];
      EXPECT_EQ(row->Caption(), QStringLiteral("Player %1 (race)").arg(i + 1));
      EXPECT_EQ(row->ForeColor(), ui::kLightGrey);
      EXPECT_EQ(val->ForeColor(), ui::kLightBlue);
      EXPECT_TRUE(row->Visible());
      EXPECT_EQ(row->widget()->parentWidget(), main->Tabb[p]->widget());
      EXPECT_EQ(val->Caption(), QStringLiteral("Value"));
      EXPECT_FALSE(val->Visible());
    }
  }
}

// Summary bars are filled by the scoring before they show; their borders, the
// titles and the legend squares keep their design colours.
TEST_F(MainWindowTest, DesignColoursThatShow) {
  for (ui::Label* t : {main->lbGenTitle, main->lbResTitle, main->lbUnitTitle, main->lbCombatTitle})
    EXPECT_EQ(t->ForeColor(), ui::kWhite);
  for (ui::Shape* bar : {main->lnGen[0], main->lnGen3[7], main->lnRes[0], main->lnUnit[3], main->lnCombat[7]})
    EXPECT_EQ(bar->BorderColor(), ui::kDarkGrey) << bar->name().toStdString();
  for (int i = 0; i < 8; ++i) EXPECT_EQ(main->legUnit[i]->FillColor(), main->legCombat[i]->FillColor()) << i;
  // The Overview pie's columns take the colours of the squares beside their rows.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(main->Graph[0]->SeriesFillColor(i + 1), main->legGeneral[i]->FillColor()) << i;
  EXPECT_EQ(main->legGeneral[0]->FillColor(), rgb(0, 128, 0));
  EXPECT_EQ(main->legGeneral[1]->FillColor(), rgb(68, 136, 221));
  EXPECT_EQ(main->legGeneral[2]->FillColor(), rgb(128, 0, 0));
  EXPECT_EQ(main->legRes[2]->FillColor(), rgb(85, 119, 204));
  EXPECT_EQ(main->legUnit[7]->FillColor(), rgb(85, 136, 221));
}

TEST_F(MainWindowTest, BackgroundsLieBeneathEveryPageControl) {
  for (int p = 0; p < 4; ++p) {
    QWidget* first = nullptr;
    for (QObject* child : main->Tabb[p]->widget()->children())
      if ((first = qobject_cast<QWidget*>(child))) break;
    EXPECT_EQ(first, main->imgBack[p]->widget()) << "page " << p;
    EXPECT_TRUE(main->imgBack[p]->Stretch());
    EXPECT_EQ(main->imgBack[p]->Picture().cacheKey(), main->imgBack[0]->Picture().cacheKey());
  }
  // The title artwork lies beneath the title labels, lines and the close glyph.
  const QObjectList top = main->area()->children();
  const auto at = [&](ui::Control* c) { return top.indexOf(c->widget()); };
  for (ui::Control* c : std::initializer_list<ui::Control*>{main->lbTitleStats, main->lbTitleVersion, main->lnTitle,
                                                            main->Line5, main->lbClose, main->Line4})
    EXPECT_LT(at(main->imgTitle), at(c)) << c->name().toStdString();
}

// ---- pages coming to the front ----

TEST_F(MainWindowTest, OverviewFirstThenTheClickedTabsPageAndTheBusyPageInBetween) {
  EXPECT_EQ(frontPage(*main), QStringLiteral("Tabb_0"));
  for (int t : {2, 1, 3, 0, 3}) {
    main->SSTab->userClick(t);
    EXPECT_EQ(main->SSTab->Tab(), t);
    EXPECT_EQ(frontPage(*main), QStringLiteral("Tabb_%1").arg(t));
  }
  main->SSTab->userClick(2);
  main->tbThink->ZOrder(0);
  EXPECT_EQ(frontPage(*main), QStringLiteral("tbThink"));
  main->tbThink->ZOrder(1);
  EXPECT_EQ(frontPage(*main), QStringLiteral("Tabb_2"));
  // The chart event leaves the pages alone.
  main->Graph[3]->onChartEvent();
  EXPECT_EQ(frontPage(*main), QStringLiteral("Tabb_2"));
  EXPECT_EQ(main->Graph[3]->ColumnCount(), 5);
}

TEST_F(MainWindowTest, ClosingAndReopeningShowsTheLastPage) {
  main->Show();
  main->SSTab->userClick(3);
  main->lbClose_Click();
  main->tbThink->ZOrder(0);
  main->Show();
  main->tbThink->ZOrder(1);
  EXPECT_EQ(frontPage(*main), QStringLiteral("Tabb_3"));
}

// ---- dragging by the title ----

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

class Drag : public MainWindowTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(Drag, MovesOnlyWithTheLeftButtonAlone) {
  const DragCase& c = GetParam();
  main->Move(1500, 1200);
  ui::Control* handle = c.onStatsLabel ? static_cast<ui::Control*>(main->lbTitleStats) : main->imgTitle;
  handle->onMouseDown(c.pressButton, 0, c.pressX, c.pressY);
  handle->onMouseMove(c.moveButton, 0, c.moveX, c.moveY);
  EXPECT_FLOAT_EQ(main->DragX, c.pressX);
  EXPECT_FLOAT_EQ(main->DragY, c.pressY);
  EXPECT_FLOAT_EQ(main->Left(), 1500 + c.dLeft);
  EXPECT_FLOAT_EQ(main->Top(), 1200 + c.dTop);
}

INSTANTIATE_TEST_SUITE_P(
    Main, Drag,
    ::testing::Values(DragCase{"LeftDragOnArtwork", false, 1, 150, 300, 1, 300, 600, 150, 300},
                      DragCase{"LeftDragBackwards", false, 1, 600, 450, 1, 300, 150, -300, -300},
                      DragCase{"LeftDragOnStats", true, 1, 30, 45, 1, 330, 345, 300, 300},
                      DragCase{"RightPressThenBothHeld", false, 2, 150, 150, 3, 450, 600, 0, 0},
                      DragCase{"RightPressThenBothHeldOnStats", true, 2, 150, 150, 3, 450, 600, 0, 0},
                      DragCase{"RightButtonAlone", false, 2, 150, 150, 2, 450, 600, 0, 0},
                      DragCase{"NoButton", true, 1, 150, 150, 0, 450, 600, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, DragKeepsThePressedPointUnderTheMouse) {
  main->Move(3000, 3000);
  main->imgTitle_MouseDown(1, 0, 150, 150);
  // Every move adds its offset from the pressed point, whatever moved before.
  main->imgTitle_MouseMove(1, 0, 165, 180);
  main->imgTitle_MouseMove(1, 0, 180, 210);
  EXPECT_FLOAT_EQ(main->Left(), 3045);
  EXPECT_FLOAT_EQ(main->Top(), 3090);
}

// ---- the close glyph ----

TEST_F(MainWindowTest, CloseGlyphRedUnderTheMouseUntilTheArtworkOrActivation) {
  main->lbClose->onMouseMove(0, 0, 10, 10);
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kRed);
  // Moving over the Stats label, even dragging, leaves it red.
  main->lbTitleStats_MouseDown(1, 0, 0, 0);
  main->lbTitleStats_MouseMove(1, 0, 15, 15);
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kRed);
  main->imgTitle_MouseMove(0, 0, 15, 15);
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kLightBlue);
  main->lbClose_MouseMove(0, 0, 0, 0);
  main->onActivate();
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kLightBlue);
}

TEST_F(MainWindowTest, CloseGlyphHidesTheWindowThenShowsTheLauncher) {
  main->Show();
  main->lbClose_Click();  // no launcher yet: only hides
  EXPECT_FALSE(main->isShown());

  int launcherShown = 0;
  bool hiddenFirst = false;
  main->showLauncher = [&] {
    ++launcherShown;
    hiddenFirst = !main->isShown();
  };
  main->Show();
  main->lbClose->onClick();
  EXPECT_FALSE(main->isShown());
  EXPECT_EQ(launcherShown, 1);
  EXPECT_TRUE(hiddenFirst);
}

// ---- charts at design ----
//
// Kinds and series colours, as the player views show them, are checked through
// the view dump in test_golden_pages.cpp.
TEST_F(MainWindowTest, ChartsAtDesign) {
  const std::array<const char*, 4> rowLabels{"", "", "Units Built", "Damage Dealt"};
  const std::array<int, 4> columns{3, 5, 8, 5};
  for (int p = 0; p < 4; ++p) {
    EXPECT_EQ(main->Graph[p]->RowLabel(), QString::fromLatin1(rowLabels[p])) << p;
    EXPECT_EQ(main->Graph[p]->ColumnCount(), columns[p]) << p;
    EXPECT_EQ(main->Graph[p]->widget()->parentWidget(), main->Tabb[p]->widget()) << p;
  }
}

}  // namespace
