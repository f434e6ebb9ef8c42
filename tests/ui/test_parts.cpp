// The chooser, tab strip and chart: what a user's choice raises and what the
// program's own writes leave behind.
#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QPieSeries>
#include <QPieSlice>
#include <QTabBar>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/TabStrip.h"

using uitest::Area;

namespace {

class ChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    chooser.onClick = [this] { clicks.push_back(chooser.SelectedIndex()); };
    for (const char* item : {"Summary", "Ann", "Bob"}) chooser.Add(QString::fromLatin1(item));
  }
  Area area;
  ui::Chooser chooser{area, QStringLiteral("cbView_0")};
  std::vector<int> clicks;
};

TEST_F(ChooserTest, ItemsAreNumberedFromOneAndNothingIsSelectedAtFirst) {
  EXPECT_EQ(chooser.ItemCount(), 3);
  EXPECT_EQ(chooser.ItemText(1), QStringLiteral("Summary"));
  EXPECT_EQ(chooser.ItemText(3), QStringLiteral("Bob"));
  EXPECT_EQ(chooser.ItemText(0), QString());
  EXPECT_EQ(chooser.ItemText(4), QString());
  EXPECT_EQ(chooser.SelectedIndex(), 0);
  chooser.Clear();
  EXPECT_EQ(chooser.ItemCount(), 0);
  EXPECT_EQ(chooser.SelectedIndex(), 0);
  chooser.Add(QStringLiteral("Summary"));
  EXPECT_EQ(chooser.ItemText(1), QStringLiteral("Summary"));
  EXPECT_EQ(chooser.SelectedIndex(), 0);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ChooserTest, SelectionFromCodeRaisesNoClick) {
  chooser.setSelectedIndex(1);
  chooser.setSelectedIndex(3);
  EXPECT_EQ(chooser.SelectedIndex(), 3);
  chooser.setSelectedIndex(9);  // no such item: nothing changes
  EXPECT_EQ(chooser.SelectedIndex(), 3);
  chooser.setSelectedIndex(0);
  EXPECT_EQ(chooser.SelectedIndex(), 0);
  chooser.Clear();
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ChooserTest, UsersChoiceRaisesTheClickOnceWithTheItemSelected) {
  chooser.userChoose(2);
  EXPECT_EQ(clicks, std::vector<int>{2});
  chooser.userChoose(7);
  EXPECT_EQ(clicks, std::vector<int>{2});
}

TEST_F(ChooserTest, KeyboardChoiceOnTheComboRaisesTheClick) {
  chooser.setSelectedIndex(1);
  QTest::keyClick(chooser.combo(), Qt::Key_Down);
  EXPECT_EQ(clicks, std::vector<int>{2});
}

class TabStripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    strip.onTabClick = [this](int previous) { raised.emplace_back(previous, strip.Tab()); };
    strip.Move(120, 1380, 8130, 420);
  }
  Area area;
  const QStringList captions{QStringLiteral(" Overview "), QStringLiteral(" Resource Management "),
                             QStringLiteral(" Unit Management "), QStringLiteral(" Combat Performance")};
  ui::TabStrip strip{area, QStringLiteral("SSTab"), captions};
  std::vector<std::pair<int, int>> raised;  // (previous, current) at each event
};

TEST_F(TabStripTest, CaptionsExactlyAsGiven) {
  ASSERT_EQ(strip.TabCount(), 4);
  for (int t = 0; t < 4; ++t) EXPECT_EQ(strip.TabCaption(t), captions[t]);
  EXPECT_EQ(strip.Tab(), 0);
  EXPECT_TRUE(raised.empty());
}

TEST_F(TabStripTest, UserClickRaisesWithThePreviousTab) {
  strip.userClick(2);
  strip.userClick(3);
  strip.userClick(3);
  strip.userClick(4);  // no such tab
  EXPECT_EQ(raised, (std::vector<std::pair<int, int>>{{0, 2}, {2, 3}, {3, 3}}));
}

TEST_F(TabStripTest, RealMouseClickRaisesWithThePreviousTab) {
  area.area()->show();
  QTabBar* bar = strip.bar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
  EXPECT_EQ(raised, (std::vector<std::pair<int, int>>{{0, 1}, {1, 1}}));
}

class ChartTest : public ::testing::Test {
 protected:
  Area area;
  ui::Chart chart{area, QStringLiteral("Graph_2")};

  QChart* qchart() const { return static_cast<QChartView*>(chart.widget())->chart(); }
  void write(int column, const char* text) {
    chart.setColumn(column);
    chart.setData(QString::fromLatin1(text));
  }
};

TEST_F(ChartTest, DataIsWrittenAndReadAsNumberText) {
  chart.setColumnCount(3);
  write(1, "12");
  write(2, "-5");
  write(3, "4035");
  chart.setColumn(2);
  EXPECT_EQ(chart.Column(), 2);
  EXPECT_EQ(chart.Data(), QStringLiteral("-5"));
  EXPECT_EQ(chart.columnData(3), QStringLiteral("4035"));
  EXPECT_EQ(chart.columnData(4), QString());
  chart.setColumn(9);  // beyond the columns: nothing is written
  chart.setData(QStringLiteral("1"));
  EXPECT_EQ(chart.Data(), QString());
  EXPECT_EQ(chart.ColumnCount(), 3);
}

TEST_F(ChartTest, GrowingKeepsValuesAndColoursAndAddsZeros) {
  chart.setColumnCount(2);
  chart.setSeriesFillColor(1, corv::rgb(255, 0, 0));
  chart.setSeriesFillColor(2, corv::rgb(0, 255, 0));
  write(1, "7");
  write(2, "8");
  const ui::Rgb third = chart.SeriesFillColor(3);  // the colour it would get
  chart.setColumnCount(4);
  EXPECT_EQ(chart.columnData(1), QStringLiteral("7"));
  EXPECT_EQ(chart.columnData(2), QStringLiteral("8"));
  EXPECT_EQ(chart.columnData(3), QStringLiteral("0"));
  EXPECT_EQ(chart.SeriesFillColor(1), corv::rgb(255, 0, 0));
  EXPECT_EQ(chart.SeriesFillColor(2), corv::rgb(0, 255, 0));
  EXPECT_EQ(chart.SeriesFillColor(3), third);
  EXPECT_NE(chart.SeriesFillColor(3), chart.SeriesFillColor(4));
  chart.setColumnCount(1);
  chart.setColumnCount(2);
  EXPECT_EQ(chart.columnData(2), QStringLiteral("0"));
  EXPECT_EQ(chart.SeriesFillColor(2), corv::rgb(0, 255, 0));
  chart.setColumnCount(-3);
  EXPECT_EQ(chart.ColumnCount(), 0);
  chart.setSeriesFillColor(0, ui::kWhite);  // no series 0: ignored
  chart.setSeriesFillColor(1 << 30, ui::kWhite);
  EXPECT_EQ(chart.SeriesFillColor(1), corv::rgb(255, 0, 0));
}

TEST_F(ChartTest, BarChartHasOneSeriesSetPerColumnInItsColour) {
  chart.setKind(ui::Chart::Kind::Bar2D);
  chart.setRowLabel(QStringLiteral("Units Built"));
  chart.setColumnCount(3);
  for (int i = 1; i <= 3; ++i) {
    chart.setSeriesSolid(i);
    chart.setSeriesFillColor(i, corv::rgb(10 * i, 20 * i, 30 * i));
  }
  write(1, "3");
  write(3, "250");
  ASSERT_EQ(qchart()->series().size(), 1);
  auto* bars = qobject_cast<QBarSeries*>(qchart()->series().first());
  ASSERT_NE(bars, nullptr);
  ASSERT_EQ(bars->count(), 3);
  EXPECT_EQ(bars->barSets()[0]->at(0), 3.0);
  EXPECT_EQ(bars->barSets()[1]->at(0), 0.0);
  EXPECT_EQ(bars->barSets()[2]->at(0), 250.0);
  EXPECT_EQ(bars->barSets()[1]->brush().color(), QColor(20, 40, 60));
  EXPECT_EQ(bars->barSets()[1]->brush().style(), Qt::SolidPattern);
  EXPECT_EQ(qchart()->animationOptions(), QChart::NoAnimation);
}

TEST_F(ChartTest, PieChartHasASlicePerColumnInItsSeriesColour) {
  chart.setColumnCount(3);
  chart.setSeriesFillColor(2, corv::rgb(128, 5, 5));
  chart.setKind(ui::Chart::Kind::Pie2D);
  write(1, "1");
  write(2, "2.5");
  write(3, "not a number");
  ASSERT_EQ(qchart()->series().size(), 1);
  auto* pie = qobject_cast<QPieSeries*>(qchart()->series().first());
  ASSERT_NE(pie, nullptr);
  ASSERT_EQ(pie->count(), 3);
  EXPECT_EQ(pie->slices()[1]->value(), 2.5);
  EXPECT_EQ(pie->slices()[2]->value(), 0.0);
  EXPECT_EQ(pie->slices()[1]->brush().color(), QColor(128, 5, 5));
  EXPECT_EQ(chart.columnData(3), QStringLiteral("not a number"));
}

TEST_F(ChartTest, ClickRaisesTheChartEvent) {
  int events = 0;
  chart.onChartEvent = [&] { ++events; };
  chart.Move(0, 0, 3315, 2895);
  QWidget* viewport = static_cast<QChartView*>(chart.widget())->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(events, 1);
}

}  // namespace
