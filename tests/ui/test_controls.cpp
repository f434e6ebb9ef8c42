// The controls as a user meets them: twips geometry on screen, what each
// control paints, the mouse events the handlers receive, what a user's choice
// raises (and code does not), and what the chart really draws.
#include <gtest/gtest.h>

#include <QApplication>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QTabBar>
#include <QTest>

#include <cmath>
#include <map>
#include <set>

#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/TabStrip.h"

namespace {

struct Area final : ui::Container {
  QWidget page;
  QWidget* area() const override { return const_cast<QWidget*>(&page); }
};

std::string colourAt(const ui::Control& c, int x, int y) {
  return c.widget()->grab().toImage().pixelColor(x, y).name().toStdString();
}

TEST(Geometry, TwipsKeptExactlyAndEdgesRoundedSoThatAbuttingControlsAbutOnScreen) {
  Area a;
  ui::Shape s(a, QStringLiteral("lnRes_1"));
  const std::pair<std::array<float, 4>, QRect> places[] = {
      {{1233.3334f, 1140, 6795.5f, 195}, {82, 76, 453, 13}}, {{-300, 1140, 15, 195}, {-20, 76, 1, 13}},
      {{112.5f, 7.5f, 112.5f, 195}, {8, 1, 7, 13}},          {{225, 0, 1000, 195}, {15, 0, 67, 13}},
      {{0, 0, -500, 195}, {0, 0, 0, 13}}};
  for (const auto& [twips, pixels] : places) {
    s.Move(twips[0], twips[1], twips[2], twips[3]);
    EXPECT_EQ((std::array<float, 4>{s.Left(), s.Top(), s.Width(), s.Height()}), twips);
    EXPECT_EQ(s.widget()->geometry(), pixels);
  }
  // Wild computed sizes are held to a range Qt accepts.
  EXPECT_EQ((std::array<int, 4>{ui::toPixels(std::nanf("")), ui::toPixels(HUGE_VALF), ui::toPixels(1e30f),
                                ui::toPixels(-1e30f)}), (std::array<int, 4>{0, 0, 1 << 24, -(1 << 24)}));
}

TEST(Painting, EachControlPaintsItsOwnColoursWhereItsTwipsSay) {
  Area a;
  ui::Frame page(a, QStringLiteral("Tabb_1"));
  page.Move(0, 0, 9000, 3000);
  page.setBackColor(corv::rgb(0, 0, 64));
  ui::Shape bar(page, QStringLiteral("lnRes_0"));
  bar.Move(0, 0, 300, 195);
  bar.setFillColor(corv::rgb(0, 192, 192));
  bar.setBorderColor(ui::kDarkGrey);
  ui::Line rule(page, QStringLiteral("lnTitle"));
  rule.setPoints(9000, 870, 1380, 870);  // drawn from right to left
  rule.setBorderWidth(3);
  rule.setBorderColor(ui::kLightBlue);
  rule.Move(1380, 1170);  // moves both points
  ui::Label note(page, QStringLiteral("lbNote"));
  note.setTransparent(false);
  note.setBackColor(ui::kPaleYellow);
  note.setCaption(QStringLiteral("WWW"));
  note.Move(0, 2000);
  ui::Image picture(page, QStringLiteral("imgBack_1"));
  QPixmap green(20, 10);
  green.fill(Qt::green);
  picture.setStretch(true);
  picture.Move(-300, 600, 8415, 150);
  picture.setPicture(green);
  EXPECT_TRUE(rule.widget()->testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_EQ(colourAt(page, 10, 6) + colourAt(page, 0, 0) + colourAt(page, 19, 12) + colourAt(page, 300, 78) +
                colourAt(page, 1, 134) + colourAt(page, 500, 45) + colourAt(page, 100, 150),
            "#00c0c0#404040#404040#c0c0ff#ffffc0#00ff00#000040");
}

TEST(Label, SizesItselfToTheCaptionItShowsAsWritten) {
  Area a;
  ui::Label label(a, QStringLiteral("lbGen_0"));
  const ui::FontSpec verdana{QStringLiteral("Verdana"), 8.25, true, false, -1};
  label.setFont(verdana);
  const QFontMetrics metrics(ui::toQFont(verdana));
  struct Case { const char* caption; bool doubled; const char* shown; };
  for (const Case& c : {Case{"Player 1 (race)", false, "Player 1 (race)"}, Case{"A&&B", false, "A&&B"},
                        Case{"Design && Development", true, "Design & Development"}, Case{"R&D", true, "R&D"},
                        Case{" ", false, " "}, Case{"Carriers\r\nShip", false, "Carriers\nShip"}}) {
    label.setDoubledAmpersands(c.doubled);
    label.setCaption(QString::fromLatin1(c.caption));
    const QString shown = QString::fromLatin1(c.shown);
    EXPECT_EQ(static_cast<QLabel*>(label.widget())->text(), shown);
    EXPECT_EQ(label.Width(), ui::toTwips(metrics.horizontalAdvance(shown.section(QLatin1Char('\n'), 0, 0))));
    EXPECT_EQ(label.Height() > ui::toTwips(metrics.height()), shown.contains(QLatin1Char('\n'))) << c.caption;
  }
  EXPECT_FALSE(label.widget()->autoFillBackground());  // transparent until told otherwise
  const float before = label.Width();
  label.setFont({QStringLiteral("Verdana"), 14.25, true, false, -1});
  EXPECT_GT(label.Width(), before);
}

TEST(Mouse, EventsInTwipsWithButtonsAndShiftKeptFromTheFrameBeneath) {
  Area a;
  ui::Frame f(a, QStringLiteral("Tabb_0"));
  ui::Image img(f, QStringLiteral("imgTitle"));
  std::vector<std::vector<float>> seen;  // kind (0 down, 1 move, 9 on the frame), button, shift, x, y; click {-1}
  auto log = [&seen](float kind) {
    return [&seen, kind](int b, int s, float x, float y) { seen.push_back({kind, float(b), float(s), x, y}); };
  };
  img.onMouseDown = log(0);
  img.onMouseMove = log(1);
  img.onClick = [&seen] { seen.push_back({-1}); };
  f.onMouseDown = f.onMouseMove = log(9);
  using E = QEvent;
  const Qt::MouseButton left = Qt::LeftButton, right = Qt::RightButton, none = Qt::NoButton;
  const std::tuple<E::Type, Qt::MouseButton, Qt::MouseButtons, QPoint, Qt::KeyboardModifiers> events[] = {
      {E::MouseButtonPress, right, right, {10, 4}, Qt::ShiftModifier}, {E::MouseMove, none, left | right, {12, 5}, {}},
      {E::MouseMove, none, Qt::MiddleButton, {7, 1}, Qt::ControlModifier | Qt::AltModifier},
      {E::MouseButtonRelease, left, none, {1, 1}, {}},  // no press before: no click
      {E::MouseButtonPress, left, left, {1, 1}, {}},     {E::MouseButtonRelease, left, none, {500, 500}, {}},
      {E::MouseButtonPress, right, right, {1, 1}, {}},   {E::MouseButtonRelease, right, none, {1, 1}, {}},
      {E::MouseButtonPress, left, left, {1, 1}, {}},     {E::MouseButtonRelease, left, none, {1, 1}, {}}};
  for (const auto& [type, button, held, pos, mods] : events) {
    QMouseEvent e(type, QPointF(pos), QPointF(img.widget()->mapToGlobal(pos)), button, held, mods);
    QApplication::sendEvent(img.widget(), &e);
  }
  EXPECT_EQ(seen, (std::vector<std::vector<float>>{{0, 2, 1, 150, 60}, {1, 3, 0, 180, 75}, {1, 4, 6, 105, 15},
                                                   {0, 1, 0, 15, 15}, {0, 2, 0, 15, 15}, {0, 1, 0, 15, 15}, {-1}}));
}

TEST(Choice, OnlyAUsersChoiceInTheChooserTabStripOrChartRaisesItsEvent) {
  Area area;
  ui::Chooser chooser(area, QStringLiteral("cbView_0"));
  std::vector<int> raised;  // chooser: selected item; tab strip: 10 * previous + current; chart: -1
  chooser.onClick = [&] { raised.push_back(chooser.SelectedIndex()); };
  for (const char* item : {"Summary", "Ann", "Bob"}) chooser.Add(QString::fromLatin1(item));
  EXPECT_EQ(chooser.ItemText(0) + chooser.ItemText(1) + chooser.ItemText(3) + chooser.ItemText(4), "SummaryBob");
  chooser.setSelectedIndex(3);
  chooser.setSelectedIndex(9);  // no such item: no change
  EXPECT_EQ(chooser.SelectedIndex(), 3);
  for (const int n : {3, 7}) chooser.userChoose(n);  // there is no item 7
  chooser.setSelectedIndex(1);
  QTest::keyClick(chooser.widget(), Qt::Key_Down);
  chooser.Clear();
  chooser.Add(QStringLiteral("Summary"));  // refilled, it again selects nothing
  EXPECT_EQ(std::make_pair(chooser.ItemCount(), chooser.SelectedIndex()), std::make_pair(1, 0));

  ui::TabStrip strip(area, QStringLiteral("SSTab"), QStringLiteral(" Overview | Resource | Units | Combat").split('|'));
  strip.onTabClick = [&](int previous) { raised.push_back(10 * previous + strip.Tab()); };
  strip.Move(120, 1380, 8130, 420);
  for (const int t : {2, 3, 3, 4}) strip.userClick(t);  // there is no tab 4
  ui::Chart chart(area, QStringLiteral("Graph_0"));
  chart.onChartEvent = [&] { raised.push_back(-1); };
  area.page.show();
  QTabBar* bar = strip.bar();
  for (int i = 0; i < 2; ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  QWidget* plot = static_cast<QChartView*>(chart.widget())->viewport();
  for (const auto button : {Qt::LeftButton, Qt::RightButton}) QTest::mouseClick(plot, button, {}, QPoint(20, 20));
  EXPECT_EQ(raised, (std::vector<int>{3, 2, 2, 23, 33, 31, 11, -1}));

  // Every tab reaches down to the page below; the current one has a face of its own.
  for (int t = 0; t < 4; ++t) {
    const QRect r = bar->tabRect(t);
    EXPECT_EQ(r.height(), 28) << t;  // 420 twips
    EXPECT_EQ(colourAt(strip, r.left() + 3, r.bottom() - 1), t == 1 ? "#000000" : "#282830") << t;
  }
}

// What Qt really draws, case after case on one chart as a page's chart serves
// one player after another: its texts from the bottom up (a pie's title; a bar
// chart's row label and value ticks), then which series colours show on
// screen, and one series more than it has, which never shows. A figure written
// beyond the columns, or a colour beyond the series, changes nothing.
TEST(Chart, DrawsTheTruthAtTheEdges) {
  constexpr auto kPie = ui::Chart::Kind::Pie2D, kBar = ui::Chart::Kind::Bar2D;
  auto colour = [](int series) { return corv::rgb(60 * series, 250 - 60 * series, 128); };
  Area area;
  ui::Chart chart(area, QStringLiteral("Graph_2"));
  chart.Move(0, 0, 3855, 4065);
  area.page.show();
  for (int s = 1; s <= 3; ++s) chart.setSeriesFillColor(s, colour(s));
  for (const int s : {0, 1 << 30}) chart.setSeriesFillColor(s, ui::kWhite);  // no such series
  auto* view = static_cast<QChartView*>(chart.widget());
  struct Case { ui::Chart::Kind kind; const char* rowLabel; std::vector<const char*> values; std::string drawn; };
  for (const Case& c : {
           Case{kPie, "", {"-5", "3", "junk"}, "0100"},
           Case{kPie, "Units Built", {"0", "0", "0"}, "Units Built|0000"},  // no full disc in the last colour
           Case{kBar, "Units Built", {"0", "0"}, "Units Built|0|1|000"},
           Case{kBar, "Units Built", {"1", "0"}, "Units Built|0|1|100"},
           Case{kBar, "Units Built", {"7", "3"}, "Units Built|0|2|4|6|8|110"},
           Case{kBar, "", {"4", "4", "4"}, "0|1|2|3|4|1110"},
           Case{kBar, "Damage Dealt", {"-5", "3"}, "Damage Dealt|-6|-4|-2|0|2|4|110"},
           Case{kBar, "", {"100000"}, "0|20k|40k|60k|80k|100k|10"},
           Case{kBar, "", {"2147483647", "0"}, "0|0.5G|1G|1.5G|2G|2.5G|100"},
           Case{kBar, "", {"9223372036854775807"}, "0|2E|4E|6E|8E|10E|10"}}) {
    chart.setKind(c.kind);
    chart.setRowLabel(QString::fromLatin1(c.rowLabel));
    chart.setColumnCount(static_cast<int>(c.values.size()));
    for (int i = 1, n = chart.ColumnCount(); i <= n + 1; ++i) {
      chart.setColumn(i);
      chart.setData(QString::fromLatin1(i <= n ? c.values[static_cast<std::size_t>(i - 1)] : "1e9"));
    }
    ui::PassEventLoop();
    std::map<qreal, std::string> texts;  // by height on screen, from the bottom up
    for (QGraphicsItem* i : view->scene()->items())
      if (auto* t = dynamic_cast<QGraphicsTextItem*>(i); t && t->isVisible() && !t->toPlainText().trimmed().isEmpty())
        texts[-t->scenePos().y()] = t->toPlainText().toStdString();
    std::string drawn;
    for (const auto& [height, text] : texts) drawn += text + '|';
    const QImage image = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* bits = reinterpret_cast<const QRgb*>(image.constBits());
    const std::set<QRgb> pixels(bits, bits + image.width() * image.height());
    for (int i = 1, n = chart.ColumnCount(); i <= n + 1; ++i)
      drawn += pixels.count(ui::toQColor(i <= n ? colour(i) : chart.SeriesFillColor(i)).rgb()) ? '1' : '0';
    EXPECT_EQ(drawn, c.drawn);
    EXPECT_EQ(chart.columnData(chart.ColumnCount()), QString::fromLatin1(c.values.back()));
  }
  // Columns come and go on the series and axes the chart keeps, and the items
  // drawn for other counts go: else the program would grow with every log.
  QAbstractSeries* series = view->chart()->series().value(0);
  const auto axes = view->chart()->axes();
  const auto items = view->scene()->items().size();
  for (const int n : {7, 1, 3, 1}) chart.setColumnCount(n);
  ui::PassEventLoop();
  EXPECT_EQ(view->chart()->series(), QList<QAbstractSeries*>{series});
  EXPECT_EQ(view->chart()->axes(), axes);
  EXPECT_EQ(view->scene()->items().size(), items);
  chart.setColumnCount(-3);
  EXPECT_EQ(chart.ColumnCount(), 0);
}

}  // namespace
