// The statistics window as built and as a user's actions change it: design
// places and captions on every page, pages coming to the front, dragging by
// the title, the close glyph and the charts' design state.
#include <QFontMetricsF>
#include <QTabBar>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "stats/Main.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/TabStrip.h"

namespace {

using corv::rgb;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { main = std::make_unique<Main>(state); }
  void TearDown() override { main.reset(); }

  // Which of the five stacked frames is in front: raising a widget moves it to
  // the end of its parent's child list.
  QString frontPage() const {
    QString front;
    for (QObject* child : main->area()->children()) {
      const QString n = child->objectName();
      if (n.startsWith(QLatin1String("Tabb_")) || n == QLatin1String("tbThink")) front = n;
    }
    return front;
  }

  corv::StatsState state;
  std::unique_ptr<Main> main;
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
        Place{"lbTitleVersion", [](Main& m) { return m.lbTitleVersion; }, 1560, 900, -1, -1},
        Place{"lbClose", [](Main& m) { return m.lbClose; }, 7965, 60, 300, 315},
        Place{"SSTab", [](Main& m) { return m.SSTab; }, 120, 1380, 8130, 420},
        Place{"Tabb_0", [](Main& m) { return m.Tabb[0]; }, 120, 1800, 8115, 5175},
        Place{"Tabb_3", [](Main& m) { return m.Tabb[3]; }, 120, 1800, 8115, 5175},
        Place{"tbThink", [](Main& m) { return m.tbThink; }, 120, 1800, 8115, 5175},
        Place{"Label1", [](Main& m) { return m.Label1; }, 2760, 2280, -1, -1},
        Place{"Frame1", [](Main& m) { return m.Frame1; }, 480, 360, 7635, 495},
        Place{"lbResTitle", [](Main& m) { return m.lbResTitle; }, 60, 0, -1, -1},
        Place{"lbGenTitle", [](Main& m) { return m.lbGenTitle; }, 540, 360, -1, -1},
        Place{"lbCombatTitle", [](Main& m) { return m.lbCombatTitle; }, 540, 360, -1, -1},
        Place{"cbView_1", [](Main& m) { return m.cbView[1]; }, 5850, 0, 2265, 330},
        Place{"Graph_0", [](Main& m) { return m.Graph[0]; }, 4260, 1380, 3315, 2895},
        Place{"Graph_1", [](Main& m) { return m.Graph[1]; }, 4080, 960, 2955, 3315},
        Place{"Graph_2", [](Main& m) { return m.Graph[2]; }, 3840, 900, 3855, 4065},
        Place{"Graph_3", [](Main& m) { return m.Graph[3]; }, 4080, 1380, 3915, 3585},
        Place{"lbGen_0", [](Main& m) { return m.lbGen[0]; }, 540, 930, -1, -1},
        Place{"lbGen_3", [](Main& m) { return m.lbGen[3]; }, 540, 2370, -1, -1},
        Place{"lbRes_7", [](Main& m) { return m.lbRes[7]; }, 540, 4290, -1, -1},
        Place{"lbUnit_5", [](Main& m) { return m.lbUnit[5]; }, 540, 3330, -1, -1},
        Place{"lbCombat_1", [](Main& m) { return m.lbCombat[1]; }, 540, 1410, -1, -1},
        Place{"lbGenVal_0", [](Main& m) { return m.lbGenVal[0]; }, 2340, 900, -1, -1},
        Place{"lbGenVal_1", [](Main& m) { return m.lbGenVal[1]; }, 2340, 1440, -1, -1},
        Place{"lbResVal_7", [](Main& m) { return m.lbResVal[7]; }, 3480, 4320, -1, -1},
        Place{"lbUnitVal_2", [](Main& m) { return m.lbUnitVal[2]; }, 3480, 1920, -1, -1},
        Place{"lbCombatVal_0", [](Main& m) { return m.lbCombatVal[0]; }, 3480, 900, -1, -1},
        Place{"lnGen_0", [](Main& m) { return m.lnGen[0]; }, 540, 1140, 1515, 195},
        Place{"lnGen2_4", [](Main& m) { return m.lnGen2[4]; }, 2040, 3060, 1515, 195},
        Place{"lnGen3_7", [](Main& m) { return m.lnGen3[7]; }, 3540, 4500, 1515, 195},
        Place{"lnRes_0", [](Main& m) { return m.lnRes[0]; }, 540, 1140, 7035, 195},
        Place{"lnRes_1", [](Main& m) { return m.lnRes[1]; }, 540, 1620, 6795, 195},
        Place{"lnRes_2", [](Main& m) { return m.lnRes[2]; }, 540, 2100, 6615, 195},
        Place{"lnRes_3", [](Main& m) { return m.lnRes[3]; }, 540, 2580, 6495, 195},
        Place{"lnUnit_4", [](Main& m) { return m.lnUnit[4]; }, 540, 3060, 6375, 195},
        Place{"lnUnit_5", [](Main& m) { return m.lnUnit[5]; }, 540, 3540, 6195, 195},
        Place{"lnCombat_6", [](Main& m) { return m.lnCombat[6]; }, 540, 4020, 6135, 195},
        Place{"lnCombat_7", [](Main& m) { return m.lnCombat[7]; }, 540, 4500, 6075, 195},
        Place{"legGeneral_2", [](Main& m) { return m.legGeneral[2]; }, 240, 3405, 195, 195},
        Place{"legRes_4", [](Main& m) { return m.legRes[4]; }, 240, 2955, 195, 195},
        Place{"legUnit_0", [](Main& m) { return m.legUnit[0]; }, 240, 1150, 195, 195},
        Place{"legUnit_2", [](Main& m) { return m.legUnit[2]; }, 240, 2050, 195, 195},
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

TEST_F(MainWindowTest, TabCaptionsAreExact) {
  ASSERT_EQ(main->SSTab->TabCount(), 4);
  EXPECT_EQ(main->SSTab->TabCaption(0), QStringLiteral(" Overview "));
  EXPECT_EQ(main->SSTab->TabCaption(1), QStringLiteral(" Resource Management "));
  EXPECT_EQ(main->SSTab->TabCaption(2), QStringLiteral(" Unit Management "));
  EXPECT_EQ(main->SSTab->TabCaption(3), QStringLiteral(" Combat Performance"));
}

TEST_F(MainWindowTest, TitleAreaCaptionsAndColours) {
  EXPECT_EQ(main->lbTitleStats->Caption(), QStringLiteral("Stats"));
  EXPECT_EQ(main->lbTitleStats->font().weight, 800);
  EXPECT_EQ(main->lbTitleVersion->Caption(), QStringLiteral("v1.01"));
  EXPECT_EQ(main->lbTitleVersion->ForeColor(), ui::kLightBlue);
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kLightBlue);
  EXPECT_FALSE(main->lbClose->Caption().isEmpty());
  EXPECT_EQ(main->lnTitle->BorderWidth(), 3);
  EXPECT_EQ(main->lnTitle->BorderColor(), ui::kLightBlue);
  EXPECT_EQ(main->Line4->BorderColor(), ui::kDarkGrey);
  EXPECT_EQ(main->Line1->BorderColor(), ui::kLightGrey);
  EXPECT_EQ(main->Line5->BorderColor(), ui::kWhite);
  EXPECT_FLOAT_EQ(main->Line3->X1(), 8235);
  EXPECT_FLOAT_EQ(main->Line3->Y2(), 6975);
}

TEST_F(MainWindowTest, BusyPageSaysItIsWorking) {
  EXPECT_EQ(main->Label1->Caption(), QStringLiteral("Generating Statistics...."));
  EXPECT_EQ(main->Label1->ForeColor(), ui::kWhite);
  EXPECT_EQ(main->Label1->font().family, QStringLiteral("Verdana"));
  EXPECT_DOUBLE_EQ(main->Label1->font().pointSize, 9.75);
  EXPECT_TRUE(main->Label1->font().bold);
  EXPECT_EQ(main->Label1->widget()->parentWidget(), main->tbThink->widget());
}

TEST_F(MainWindowTest, PageTitlesAtDesign) {
  EXPECT_EQ(main->lbGenTitle->Caption(), QStringLiteral("Overall Game Performance"));
  EXPECT_EQ(main->lbResTitle->Caption(), QStringLiteral("Resource Management Summary"));
  EXPECT_EQ(main->lbUnitTitle->Caption(), QStringLiteral("Unit Management Summary"));
  EXPECT_EQ(main->lbCombatTitle->Caption(), QStringLiteral("Combat Performance Summary"));
  for (ui::Label* t : {main->lbGenTitle, main->lbResTitle, main->lbUnitTitle, main->lbCombatTitle}) {
    EXPECT_EQ(t->ForeColor(), ui::kWhite);
    EXPECT_EQ(t->font().family, QStringLiteral("Eurostile T"));
  }
  // The Resource title sits in its own opaque frame on page 1.
  EXPECT_EQ(main->lbResTitle->widget()->parentWidget(), main->Frame1->widget());
  EXPECT_EQ(main->Frame1->widget()->parentWidget(), main->Tabb[1]->widget());
  EXPECT_EQ(main->Frame1->BackColor(), ui::kBlack);
}

TEST_F(MainWindowTest, APlayersResourceTitleFitsItsFrame) {
  main->lbResTitle->setCaption(QStringLiteral("Alessandra Ruiz's Resource Management Stats"));
  EXPECT_LE(main->lbResTitle->Left() + main->lbResTitle->Width(), main->Frame1->Width());
  EXPECT_LE(main->Frame1->Left() + main->Frame1->Width(), main->Tabb[1]->Width());
}

TEST_F(MainWindowTest, RowsShowPlayerNumbersAndValueLabelsAreHidden) {
  const std::array<std::array<ui::Label*, 8>*, 4> rows{&main->lbGen, &main->lbRes, &main->lbUnit, &main->lbCombat};
  const std::array<std::array<ui::Label*, 8>*, 4> vals{&main->lbGenVal, &main->lbResVal, &main->lbUnitVal,
                                                       &main->lbCombatVal};
  for (int p = 0; p < 4; ++p) {
    for (int i = 0; i < 8; ++i) {
      ui::Label* row = (*rows[p])[i];
      ui::Label* val = (*vals[p])[i];
      EXPECT_EQ(row->Caption(), QStringLiteral("Player %1 (race)").arg(i + 1));
      EXPECT_EQ(row->ForeColor(), ui::kLightGrey);
      EXPECT_TRUE(row->Visible());
      EXPECT_EQ(row->widget()->parentWidget(), main->Tabb[p]->widget());
      EXPECT_EQ(val->Caption(), QStringLiteral("Value"));
      EXPECT_EQ(val->ForeColor(), ui::kLightBlue);
      EXPECT_FALSE(val->Visible()) << "page " << p << " row " << i;
    }
  }
}

TEST_F(MainWindowTest, BarAndLegendFills) {
  const std::array<corv::Rgb, 8> barFills{rgb(224, 255, 255), rgb(192, 255, 255), rgb(192, 255, 255),
                                          rgb(128, 255, 255), rgb(0, 255, 255),   rgb(0, 192, 192),
                                          rgb(0, 128, 128),   rgb(0, 64, 64)};
  for (int i = 0; i < 8; ++i) {
    for (ui::Shape* bar : {main->lnRes[i], main->lnUnit[i], main->lnCombat[i]}) {
      EXPECT_EQ(bar->FillColor(), barFills[i]) << bar->name().toStdString();
      EXPECT_EQ(bar->BorderColor(), ui::kDarkGrey);
    }
    EXPECT_EQ(main->lnGen[i]->FillColor(), rgb(192, 192, 255));
    EXPECT_EQ(main->lnGen2[i]->FillColor(), rgb(192, 255, 192));
    EXPECT_EQ(main->lnGen3[i]->FillColor(), rgb(255, 224, 192));
    EXPECT_EQ(main->legUnit[i]->FillColor(), main->legCombat[i]->FillColor());
  }
  EXPECT_EQ(main->legGeneral[0]->FillColor(), rgb(0, 128, 0));
  EXPECT_EQ(main->legGeneral[1]->FillColor(), rgb(68, 136, 221));
  EXPECT_EQ(main->legGeneral[2]->FillColor(), rgb(128, 0, 0));
  EXPECT_EQ(main->legRes[2]->FillColor(), rgb(85, 119, 204));
  EXPECT_EQ(main->legRes[4]->FillColor(), rgb(136, 204, 204));
  EXPECT_EQ(main->legUnit[1]->FillColor(), rgb(238, 238, 170));
  EXPECT_EQ(main->legUnit[7]->FillColor(), rgb(85, 136, 221));
}

TEST_F(MainWindowTest, LabelReportsTheWidthOfItsCaption) {
  ui::Label* label = main->lbCombat[1];
  const QString caption = QStringLiteral("Dmg vs A rather long opponent name");
  label->setCaption(caption);
  const double expected = QFontMetricsF(label->widget()->font()).horizontalAdvance(caption) * ui::kTwipsPerPixel;
  EXPECT_NEAR(label->Width(), expected, ui::kTwipsPerPixel);
  const float longWidth = label->Width();
  label->setCaption(QStringLiteral("Dmg vs Al"));
  EXPECT_LT(label->Width(), longWidth);
}

// ---- backgrounds and stacking within a page ----

TEST_F(MainWindowTest, BackgroundsLieBeneathEveryPageControl) {
  for (int p = 0; p < 4; ++p) {
    QWidget* first = nullptr;
    for (QObject* child : main->Tabb[p]->widget()->children())
      if (auto* w = qobject_cast<QWidget*>(child)) {
        first = w;
        break;
      }
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

TEST_F(MainWindowTest, OverviewIsInFrontAfterLoad) { EXPECT_EQ(frontPage(), QStringLiteral("Tabb_0")); }

TEST_F(MainWindowTest, TabClickBringsItsPageToTheFront) {
  for (int t : {2, 1, 3, 0, 3}) {
    main->SSTab->userClick(t);
    EXPECT_EQ(main->SSTab->Tab(), t);
    EXPECT_EQ(frontPage(), QStringLiteral("Tabb_%1").arg(t));
  }
}

TEST_F(MainWindowTest, BusyPageGoesInFrontAndBackLeavingThePageThatWasThere) {
  main->SSTab->userClick(2);
  main->tbThink->ZOrder(0);
  EXPECT_EQ(frontPage(), QStringLiteral("tbThink"));
  main->tbThink->ZOrder(1);
  EXPECT_EQ(frontPage(), QStringLiteral("Tabb_2"));
}

TEST_F(MainWindowTest, ClosingAndReopeningShowsTheLastPage) {
  main->Show();
  main->SSTab->userClick(3);
  main->lbClose_Click();
  main->tbThink->ZOrder(0);
  main->Show();
  main->tbThink->ZOrder(1);
  EXPECT_EQ(frontPage(), QStringLiteral("Tabb_3"));
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
  const float left = main->Left();
  const float top = main->Top();
  if (c.onStatsLabel) {
    main->lbTitleStats->onMouseDown(c.pressButton, 0, c.pressX, c.pressY);
    main->lbTitleStats->onMouseMove(c.moveButton, 0, c.moveX, c.moveY);
  } else {
    main->imgTitle->onMouseDown(c.pressButton, 0, c.pressX, c.pressY);
    main->imgTitle->onMouseMove(c.moveButton, 0, c.moveX, c.moveY);
  }
  EXPECT_FLOAT_EQ(main->DragX, c.pressX);
  EXPECT_FLOAT_EQ(main->DragY, c.pressY);
  EXPECT_FLOAT_EQ(main->Left(), left + c.dLeft);
  EXPECT_FLOAT_EQ(main->Top(), top + c.dTop);
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

TEST_F(MainWindowTest, CloseGlyphTurnsRedUnderTheMouse) {
  main->lbClose->onMouseMove(0, 0, 10, 10);
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kRed);
  // Moving over the Stats label, even dragging, leaves it red.
  main->lbTitleStats_MouseDown(1, 0, 0, 0);
  main->lbTitleStats_MouseMove(1, 0, 15, 15);
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kRed);
  main->imgTitle_MouseMove(0, 0, 15, 15);
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kLightBlue);
}

TEST_F(MainWindowTest, ActivationBringsTheGlyphBackToLightBlue) {
  main->lbClose_MouseMove(0, 0, 0, 0);
  ASSERT_EQ(main->lbClose->ForeColor(), ui::kRed);
  main->onActivate();
  EXPECT_EQ(main->lbClose->ForeColor(), ui::kLightBlue);
}

TEST_F(MainWindowTest, CloseGlyphHidesTheWindowAndShowsTheLauncher) {
  int launcherShown = 0;
  bool hiddenFirst = false;
  main->showLauncher = [&] {
    ++launcherShown;
    hiddenFirst = !main->isShown();
  };
  main->Show();
  ASSERT_TRUE(main->isShown());
  main->lbClose->onClick();
  EXPECT_FALSE(main->isShown());
  EXPECT_EQ(launcherShown, 1);
  EXPECT_TRUE(hiddenFirst);
}

TEST_F(MainWindowTest, CloseGlyphWithoutALauncherOnlyHides) {
  main->Show();
  main->lbClose_Click();
  EXPECT_FALSE(main->isShown());
}

TEST_F(MainWindowTest, ChartEventLeavesThePagesAlone) {
  main->SSTab->userClick(1);
  main->Graph[2]->onChartEvent();
  EXPECT_EQ(frontPage(), QStringLiteral("Tabb_1"));
  EXPECT_EQ(main->Graph[2]->ColumnCount(), 8);
}

// ---- charts at design ----

struct ChartCase {
  int index;
  ui::Chart::Kind kind;
  const char* rowLabel;
  std::vector<corv::Rgb> colours;
};

void PrintTo(const ChartCase& c, std::ostream* os) { *os << "Graph " << c.index; }

class ChartDesign : public MainWindowTest, public ::testing::WithParamInterface<ChartCase> {};

TEST_P(ChartDesign, KindColumnsRowLabelAndSeriesColours) {
  const ChartCase& c = GetParam();
  ui::Chart* chart = main->Graph[c.index];
  EXPECT_EQ(chart->kind(), c.kind);
  EXPECT_EQ(chart->ColumnCount(), static_cast<int>(c.colours.size()));
  EXPECT_EQ(chart->RowLabel(), QString::fromLatin1(c.rowLabel));
  for (std::size_t s = 0; s < c.colours.size(); ++s)
    EXPECT_EQ(chart->SeriesFillColor(static_cast<int>(s) + 1), c.colours[s]) << "series " << s + 1;
  EXPECT_EQ(chart->widget()->parentWidget(), main->Tabb[c.index]->widget());
}

INSTANTIATE_TEST_SUITE_P(
    Main, ChartDesign,
    ::testing::Values(
        ChartCase{0, ui::Chart::Kind::Pie2D, "Units Built", {rgb(0, 128, 192), rgb(128, 5, 5), rgb(10, 128, 10)}},
        ChartCase{1,
                  ui::Chart::Kind::Pie2D,
                  "",
                  {rgb(192, 192, 255), rgb(235, 222, 160), rgb(0, 128, 192), rgb(255, 160, 160), rgb(160, 224, 224)}},
        ChartCase{2,
                  ui::Chart::Kind::Bar2D,
                  "Units Built",
                  {rgb(210, 210, 210), rgb(235, 222, 160), rgb(180, 255, 180), rgb(180, 180, 255), rgb(160, 224, 224),
                   rgb(220, 245, 220), rgb(255, 160, 160), rgb(0, 128, 192)}},
        ChartCase{3,
                  ui::Chart::Kind::Bar2D,
                  "Damage Dealt",
                  {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(255, 255, 0), rgb(255, 0, 255)}}),
    [](const auto& info) { return "Graph" + std::to_string(info.param.index); });

// The opponent columns of the combat view take these from the Unit chart.
TEST_F(MainWindowTest, UnitChartSeriesTwoOnwardsAreTheOpponentColours) {
  const std::array<corv::Rgb, 7> opponents{rgb(235, 222, 160), rgb(180, 255, 180), rgb(180, 180, 255),
                                           rgb(160, 224, 224), rgb(220, 245, 220), rgb(255, 160, 160),
                                           rgb(0, 128, 192)};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(main->Graph[2]->SeriesFillColor(k + 2), opponents[k]) << "opponent " << k + 1;
}

TEST_F(MainWindowTest, ChoosersStartEmpty) {
  for (int p = 0; p < 4; ++p) {
    EXPECT_EQ(main->cbView[p]->ItemCount(), 0);
    EXPECT_EQ(main->cbView[p]->widget()->parentWidget(), main->Tabb[p]->widget());
  }
}

}  // namespace
