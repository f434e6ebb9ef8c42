// The controls: twips geometry, label sizing, painting, z-order, the mouse
// events as the windows' handlers receive them, and what a user's choice in
// the chooser, tab strip and chart raises.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QMouseEvent>
#include <QPieSeries>
#include <QPieSlice>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <limits>
#include <set>
#include <vector>

#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/TabStrip.h"

namespace {

class Area final : public ui::Container {
 public:
  Area() { widget_.resize(600, 400); }
  QWidget* area() const override { return const_cast<QWidget*>(&widget_); }

 private:
  QWidget widget_;
};

QColor pixelAt(QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); }

QPixmap filled(int w, int h) {
  QPixmap p(w, h);
  p.fill(Qt::green);
  return p;
}

// A mouse event as the window system delivers it.
void sendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos,
               Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, mods);
  QApplication::sendEvent(w, &e);
}

void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint releaseAt = QPoint(1, 1)) {
  sendMouse(w, QEvent::MouseButtonPress, button, button, QPoint(1, 1));
  sendMouse(w, QEvent::MouseButtonRelease, button, Qt::NoButton, releaseAt);
}

TEST(Shape, TwipsKeptExactlyEdgesRoundedWildValuesHeldAndFilledWithABorder) {
  Area a;
  ui::Shape s(a, QStringLiteral("bar")), next(a, QStringLiteral("next"));
  s.Move(1233.3334f, 1140.0f, 6795.5f, 195.0f);
  EXPECT_EQ(s.Left(), 1233.3334f);
  EXPECT_EQ(s.Width(), 6795.5f);
  EXPECT_EQ(s.widget()->geometry(), QRect(82, 76, 453, 13));
  s.setLeft(-300.0f);
  s.setWidth(15.0f);
  EXPECT_EQ(s.widget()->geometry(), QRect(-20, 76, 1, 13));
  // Half-pixel edges: controls that abut in twips abut on screen.
  s.Move(112.5f, 0.0f, 112.5f, 195.0f);
  next.Move(225.0f, 0.0f, 1000.0f, 195.0f);
  EXPECT_EQ(s.widget()->geometry().right() + 1, next.widget()->geometry().left());

  s.Move(0, 0, -500.0f, 1e30f);
  EXPECT_EQ(s.Width(), -500.0f);
  EXPECT_EQ(s.widget()->width(), 0);
  EXPECT_EQ(ui::toPixels(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(ui::toPixels(std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(ui::toPixels(1e30f), 1 << 24);
  EXPECT_EQ(ui::toPixels(-1e30f), -(1 << 24));

  s.Move(0, 0, 300, 195);
  s.setFillColor(corv::rgb(0, 192, 192));
  s.setBorderColor(ui::kDarkGrey);
  EXPECT_EQ(pixelAt(s.widget(), 10, 6), QColor(0, 192, 192));
  EXPECT_EQ(pixelAt(s.widget(), 0, 0), QColor(64, 64, 64));
  EXPECT_EQ(pixelAt(s.widget(), 19, 12), QColor(64, 64, 64));
}

TEST(Fonts, DesignFontsMapToInstalledOnes) {
  ui::installFontSubstitutes();
  const std::pair<const char*, const char*> fonts[] = {
      {"Verdana", "DejaVu Sans"}, {"Arial", "Liberation Sans"}, {"Eurostile T", "Play"}, {"Handel Gothic D", "Play"}};
  for (const auto& [design, installed] : fonts)
    EXPECT_EQ(QFontInfo(ui::toQFont({QString::fromLatin1(design), 9.0, true, false, -1})).family(),
              QString::fromLatin1(installed));
}

class LabelTest : public ::testing::Test {
 protected:
  Area area;
  ui::Label label{area, QStringLiteral("lbGen_0")};
  const ui::FontSpec verdana{QStringLiteral("Verdana"), 8.25, true, false, -1};

  float twipsOf(const char* text) const {
    return ui::toTwips(QFontMetrics(ui::toQFont(label.font())).horizontalAdvance(QString::fromLatin1(text)));
  }
  float lineHeight() const { return ui::toTwips(QFontMetrics(ui::toQFont(label.font())).height()); }
  QString shown() const { return static_cast<QLabel*>(label.widget())->text(); }
};

TEST_F(LabelTest, SizesItselfToItsCaptionAndFont) {
  label.Move(540, 930, 1485, 195);
  label.setForeColor(ui::kLightGrey);
  EXPECT_EQ(label.Width(), 1485.0f);  // the design size stays until caption or font change

  label.setFont(verdana);
  label.setCaption(QStringLiteral("Player 1 (race)"));
  EXPECT_EQ(label.Width(), twipsOf("Player 1 (race)"));
  EXPECT_EQ(label.Height(), lineHeight());
  EXPECT_EQ(ui::toTwips(label.widget()->width()), label.Width());
  EXPECT_EQ(label.Left(), 540.0f);
  const float before = label.Width();
  label.setFont({QStringLiteral("Verdana"), 14.25, true, false, -1});
  EXPECT_GT(label.Width(), before);

  label.setCaption(QStringLiteral(" "));  // a blank caption still takes a line
  EXPECT_GT(label.Width(), 0.0f);
  EXPECT_EQ(label.Height(), lineHeight());
}

TEST_F(LabelTest, CaptionsShowAsWrittenUnlessDoubledAmpersandsAreAskedFor) {
  label.setFont(verdana);
  label.setCaption(QStringLiteral("A&&B"));
  EXPECT_EQ(shown(), QStringLiteral("A&&B"));
  label.setDoubledAmpersands(true);
  label.setCaption(QStringLiteral("Design && Development"));
  EXPECT_EQ(label.Caption(), QStringLiteral("Design && Development"));
  EXPECT_EQ(shown(), QStringLiteral("Design & Development"));
  EXPECT_EQ(label.Width(), twipsOf("Design & Development"));
  label.setCaption(QStringLiteral("R&D"));
  EXPECT_EQ(shown(), QStringLiteral("R&D"));
}

TEST_F(LabelTest, TransparentUntilToldPaintsItsColoursAndKeepsAFixedSize) {
  label.setFont(verdana);
  label.setForeColor(ui::kRed);
  label.setCaption(QStringLiteral("WWWW"));
  EXPECT_FALSE(label.widget()->autoFillBackground());
  EXPECT_EQ(label.widget()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  label.setTransparent(false);
  label.setBackColor(ui::kPaleYellow);
  EXPECT_TRUE(label.widget()->autoFillBackground());
  EXPECT_EQ(pixelAt(label.widget(), 0, 0), QColor(255, 255, 192));

  label.setAutoSize(false);
  label.Move(0, 0, 960, 210);
  label.setCentered(true);
  label.setCaption(QStringLiteral("Build 153"));
  EXPECT_EQ(label.Width(), 960.0f);
  EXPECT_TRUE(static_cast<QLabel*>(label.widget())->alignment() & Qt::AlignHCenter);
}

TEST(Line, CoversItsPointsLetsTheMouseThroughAndMovesWhole) {
  Area a;
  ui::Line l(a, QStringLiteral("lnTitle"));
  l.setPoints(1380, 870, 9000, 870);
  l.setBorderWidth(3);
  l.setBorderColor(ui::kLightBlue);
  const QRect g = l.widget()->geometry();
  EXPECT_TRUE(g.contains(QPoint(92, 58)) && g.contains(QPoint(600, 58)));
  EXPECT_TRUE(l.widget()->testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_EQ(pixelAt(l.widget(), 300 - g.left(), 58 - g.top()), QColor(192, 192, 255));

  // A slanted stroke drawn from right to left keeps its points; moving shifts both.
  l.setPoints(7680, 960, 7600, 780);
  l.Move(7600, 880);
  EXPECT_EQ(l.X1(), 7680.0f);
  EXPECT_EQ(l.Y1(), 1060.0f);
  EXPECT_EQ(l.Y2(), 880.0f);
}

TEST(Frame, ZOrderBringsToFrontAndSendsBackOverAnOpaquePage) {
  Area a;
  std::vector<std::unique_ptr<ui::Frame>> pages;
  for (int i = 0; i < 3; ++i) {
    pages.push_back(std::make_unique<ui::Frame>(a, QStringLiteral("Tabb_%1").arg(i)));
    pages.back()->Move(120, 1800, 8115, 5175);
  }
  auto front = [&] { return a.area()->childAt(QPoint(200, 200)); };
  EXPECT_EQ(front(), pages[2]->widget());
  pages[0]->ZOrder(0);
  EXPECT_EQ(front(), pages[0]->widget());
  pages[1]->ZOrder();
  EXPECT_EQ(front(), pages[1]->widget());
  pages[1]->ZOrder(1);
  EXPECT_EQ(front(), pages[0]->widget());
  EXPECT_EQ(a.area()->children().indexOf(pages[1]->widget()), 0);

  pages[0]->setBackColor(ui::kBlack);
  ui::Label inside(*pages[0], QStringLiteral("lbResTitle"));
  EXPECT_EQ(inside.widget()->parentWidget(), pages[0]->widget());
  EXPECT_TRUE(pages[0]->widget()->autoFillBackground());
  EXPECT_EQ(pixelAt(pages[0]->widget(), 30, 15), QColor(0, 0, 0));
}

TEST(Image, NaturalSizeOrStretchedAndAnEmptyPictureKeepsTheBox) {
  Area a;
  ui::Image img(a, QStringLiteral("imgBack_1"));
  img.Move(-300, 0, 8415, 5175);
  img.setPicture(QPixmap());
  EXPECT_EQ(img.Width(), 8415.0f);
  img.setStretch(true);
  img.setPicture(filled(20, 10));
  EXPECT_EQ(img.Height(), 5175.0f);
  EXPECT_EQ(pixelAt(img.widget(), 550, 340), QColor(Qt::green));
  img.setStretch(false);  // back to natural size: the control shrinks to the picture
  EXPECT_EQ(img.Width(), 300.0f);
  EXPECT_EQ(img.Height(), 150.0f);
  img.setPicture(filled(40, 10));
  EXPECT_EQ(img.Left(), -300.0f);
  EXPECT_EQ(img.widget()->size(), QSize(40, 10));
}

struct MouseLog {
  std::vector<std::vector<float>> downs, moves;
  int clicks = 0;
  void attach(ui::Control& c) {
    c.onMouseDown = [this](int b, int s, float x, float y) { downs.push_back({float(b), float(s), x, y}); };
    c.onMouseMove = [this](int b, int s, float x, float y) { moves.push_back({float(b), float(s), x, y}); };
    c.onClick = [this] { ++clicks; };
  }
};

TEST(Mouse, EventsInTwipsWithButtonsAndShiftKeptFromTheFrameBeneath) {
  Area a;
  ui::Frame f(a, QStringLiteral("Tabb_0"));
  f.Move(0, 0, 3000, 3000);
  ui::Image img(f, QStringLiteral("imgTitle"));
  img.Move(60, -120, 8250, 1350);
  MouseLog frameLog, log;
  frameLog.attach(f);
  log.attach(img);
  QWidget* w = img.widget();
  EXPECT_TRUE(w->hasMouseTracking());
  sendMouse(w, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(10, 4), Qt::ShiftModifier);
  sendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, QPoint(12, 5));
  sendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(7, 1), Qt::ControlModifier | Qt::AltModifier);
  sendMouse(w, QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, QPoint(0, 0));
  EXPECT_EQ(log.downs, (std::vector<std::vector<float>>{{2, 1, 150, 60}, {4, 0, 0, 0}}));
  EXPECT_EQ(log.moves, (std::vector<std::vector<float>>{{3, 0, 180, 75}, {0, 6, 105, 15}}));

  // A click is a left press and release on the control.
  click(w);
  EXPECT_EQ(log.clicks, 1);
  click(w, Qt::LeftButton, QPoint(500, 500));
  click(w, Qt::RightButton);
  sendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(1, 1));  // no press before
  EXPECT_EQ(log.clicks, 1);
  EXPECT_EQ(frameLog.clicks, 0);
  EXPECT_TRUE(frameLog.downs.empty() && frameLog.moves.empty());

  // A handler may destroy its own control.
  auto doomed = std::make_unique<ui::Image>(f, QStringLiteral("Image1"));
  doomed->onClick = [&doomed] { doomed.reset(); };
  QPointer<QWidget> gone = doomed->widget();
  click(gone);
  EXPECT_EQ(doomed, nullptr);
  EXPECT_TRUE(gone.isNull());
}

TEST(Timer, TicksWhileEnabledWithAnInterval) {
  ui::Timer t;
  int ticks = 0;
  QEventLoop loop;
  t.onTimer = [&] {
    if (++ticks == 3) {
      t.setEnabled(false);
      loop.quit();
    }
  };
  t.setInterval(1);
  EXPECT_FALSE(t.Enabled());
  t.setEnabled(true);
  loop.exec();
  EXPECT_EQ(ticks, 3);
}

TEST(Chooser, ItemsCountFromOneAndOnlyAUsersChoiceRaisesTheClick) {
  Area area;
  ui::Chooser chooser(area, QStringLiteral("cbView_0"));
  std::vector<int> clicks;
  chooser.onClick = [&] { clicks.push_back(chooser.SelectedIndex()); };
  for (const char* item : {"Summary", "Ann", "Bob"}) chooser.Add(QString::fromLatin1(item));
  EXPECT_EQ(chooser.ItemText(1), QStringLiteral("Summary"));
  EXPECT_EQ(chooser.ItemText(3), QStringLiteral("Bob"));
  EXPECT_EQ(chooser.ItemText(0) + chooser.ItemText(4), QString());
  EXPECT_EQ(chooser.SelectedIndex(), 0);  // nothing selected at first
  chooser.setSelectedIndex(3);
  chooser.setSelectedIndex(9);  // no such item: nothing changes
  EXPECT_EQ(chooser.SelectedIndex(), 3);
  chooser.setSelectedIndex(0);
  EXPECT_EQ(chooser.SelectedIndex(), 0);
  EXPECT_TRUE(clicks.empty());

  chooser.userChoose(2);
  chooser.userChoose(7);  // no such item
  chooser.setSelectedIndex(1);
  QTest::keyClick(chooser.combo(), Qt::Key_Down);
  EXPECT_EQ(clicks, (std::vector<int>{2, 2}));

  chooser.Clear();
  EXPECT_EQ(chooser.ItemCount(), 0);
  chooser.Add(QStringLiteral("Summary"));  // refilled, it again selects nothing
  EXPECT_EQ(chooser.SelectedIndex(), 0);
  EXPECT_EQ(clicks.size(), 2u);
}

TEST(TabStrip, ClickByCallOrMouseRaisesWithThePreviousTab) {
  Area area;
  const QStringList captions{QStringLiteral(" Overview "), QStringLiteral(" Resource Management "),
                             QStringLiteral(" Unit Management "), QStringLiteral(" Combat Performance")};
  ui::TabStrip strip(area, QStringLiteral("SSTab"), captions);
  std::vector<std::pair<int, int>> raised;  // (previous, current) at each event
  strip.onTabClick = [&](int previous) { raised.emplace_back(previous, strip.Tab()); };
  strip.Move(120, 1380, 8130, 420);
  ASSERT_EQ(strip.TabCount(), 4);
  for (int t = 0; t < 4; ++t) EXPECT_EQ(strip.TabCaption(t), captions[t]);
  EXPECT_EQ(strip.Tab(), 0);
  strip.userClick(2);
  strip.userClick(3);
  strip.userClick(3);
  strip.userClick(4);  // no such tab
  area.area()->show();
  QTabBar* bar = strip.bar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
  EXPECT_EQ(raised, (std::vector<std::pair<int, int>>{{0, 2}, {2, 3}, {3, 3}, {3, 1}, {1, 1}}));

  // Every tab fills the strip's height down to the page below; the current
  // one is told apart by its face.
  for (const float height : {420.0f, 600.0f}) {
    strip.setHeight(height);
    const QImage shown = bar->grab().toImage();
    for (int t = 0; t < 4; ++t) {
      const QRect r = bar->tabRect(t);
      EXPECT_EQ(r.height(), ui::toPixels(height)) << t;
      EXPECT_EQ(shown.pixelColor(r.left() + 3, r.bottom() - 1).name(), t == 1 ? "#000000" : "#282830") << t;
    }
  }
}

class ChartTest : public ::testing::Test {
 protected:
  Area area;
  ui::Chart chart{area, QStringLiteral("Graph_2")};

  void write(int column, const char* text) {
    chart.setColumn(column);
    chart.setData(QString::fromLatin1(text));
  }
  template <class Series>
  Series* onlySeries() const {
    const auto series = static_cast<QChartView*>(chart.widget())->chart()->series();
    return series.size() == 1 ? qobject_cast<Series*>(series.first()) : nullptr;
  }
};

TEST_F(ChartTest, DataAndColoursKeptWithinTheColumnsAsTheyGrowAndShrink) {
  chart.setColumnCount(2);
  chart.setSeriesFillColor(1, corv::rgb(255, 0, 0));
  chart.setSeriesFillColor(2, corv::rgb(0, 255, 0));
  write(1, "-5");
  write(2, "4035");
  chart.setColumn(1);
  EXPECT_EQ(chart.Data(), QStringLiteral("-5"));
  write(9, "1");  // beyond the columns: nothing is written
  EXPECT_EQ(chart.Data(), QString());
  EXPECT_EQ(chart.columnData(3), QString());
  EXPECT_EQ(chart.ColumnCount(), 2);

  const ui::Rgb third = chart.SeriesFillColor(3);  // the colour it would get
  chart.setColumnCount(4);
  EXPECT_EQ(chart.columnData(1), QStringLiteral("-5"));
  EXPECT_EQ(chart.columnData(3), QStringLiteral("0"));
  EXPECT_EQ(chart.SeriesFillColor(3), third);
  EXPECT_NE(chart.SeriesFillColor(3), chart.SeriesFillColor(4));
  chart.setColumnCount(1);
  chart.setColumnCount(2);
  EXPECT_EQ(chart.columnData(2), QStringLiteral("0"));
  EXPECT_EQ(chart.SeriesFillColor(2), corv::rgb(0, 255, 0));
  chart.setSeriesFillColor(0, ui::kWhite);  // no such series: ignored
  chart.setSeriesFillColor(1 << 30, ui::kWhite);
  EXPECT_EQ(chart.SeriesFillColor(1), corv::rgb(255, 0, 0));
  chart.setColumnCount(-3);
  EXPECT_EQ(chart.ColumnCount(), 0);
}

TEST_F(ChartTest, BarsAndPieSlicesPerColumnInTheirColoursAndAClickRaisesTheEvent) {
  chart.setKind(ui::Chart::Kind::Bar2D);
  chart.setRowLabel(QStringLiteral("Units Built"));
  chart.setColumnCount(3);
  for (int i = 1; i <= 3; ++i) {
    chart.setSeriesSolid(i);
    chart.setSeriesFillColor(i, corv::rgb(10 * i, 20 * i, 30 * i));
  }
  write(1, "2.5");
  write(3, "250");
  auto* bars = onlySeries<QBarSeries>();
  ASSERT_NE(bars, nullptr);
  ASSERT_EQ(bars->count(), 3);
  EXPECT_EQ(bars->barSets()[0]->at(0), 2.5);
  EXPECT_EQ(bars->barSets()[1]->at(0), 0.0);
  EXPECT_EQ(bars->barSets()[2]->at(0), 250.0);
  EXPECT_EQ(bars->barSets()[1]->brush().color(), QColor(20, 40, 60));
  EXPECT_EQ(bars->barSets()[1]->brush().style(), Qt::SolidPattern);

  chart.setKind(ui::Chart::Kind::Pie2D);
  write(3, "not a number");
  auto* pie = onlySeries<QPieSeries>();
  ASSERT_NE(pie, nullptr);
  ASSERT_EQ(pie->count(), 3);
  EXPECT_EQ(pie->slices()[0]->value(), 2.5);
  EXPECT_EQ(pie->slices()[2]->value(), 0.0);
  EXPECT_EQ(pie->slices()[1]->brush().color(), QColor(20, 40, 60));
  EXPECT_EQ(chart.columnData(3), QStringLiteral("not a number"));

  int events = 0;
  chart.onChartEvent = [&] { ++events; };
  chart.Move(0, 0, 3315, 2895);
  QWidget* plot = static_cast<QChartView*>(chart.widget())->viewport();
  QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(events, 1);
}

// What the Qt chart really draws: its texts from the bottom up (a pie's
// title; a bar chart's row label, then its value ticks) and which series
// colours show on screen.
struct ChartCase {
  const char* name;
  ui::Chart::Kind kind;
  const char* rowLabel;
  std::vector<const char*> values;
  const char* texts;
  const char* coloursShown;
};

void PrintTo(const ChartCase& c, std::ostream* os) { *os << c.name; }

class ChartDrawing : public ::testing::TestWithParam<ChartCase> {};

TEST_P(ChartDrawing, TextsAndColoursOnScreen) {
  const ChartCase& c = GetParam();
  Area area;
  ui::Chart chart(area, QStringLiteral("Graph_3"));
  chart.setKind(c.kind);
  chart.setRowLabel(QString::fromLatin1(c.rowLabel));
  chart.setColumnCount(static_cast<int>(c.values.size()));
  chart.Move(0, 0, 3855, 4065);
  area.area()->show();
  auto* view = static_cast<QChartView*>(chart.widget());
  // Drawn first with the previous player's figures, as the views do.
  for (const char* values : {"5", ""}) {
    for (int i = 1; i <= chart.ColumnCount(); ++i) {
      chart.setSeriesFillColor(i, corv::rgb(60 * i, 250 - 60 * i, 128));
      chart.setColumn(i);
      chart.setData(QString::fromLatin1(*values ? values : c.values[static_cast<std::size_t>(i - 1)]));
    }
    QApplication::processEvents();
    view->grab();
  }
  std::vector<std::pair<qreal, QString>> texts;
  for (QGraphicsItem* item : view->scene()->items())
    if (auto* t = dynamic_cast<QGraphicsTextItem*>(item); t && t->isVisible() && !t->toPlainText().trimmed().isEmpty())
      texts.emplace_back(-t->scenePos().y(), t->toPlainText());
  std::sort(texts.begin(), texts.end());
  QStringList shownTexts;
  for (const auto& t : texts) shownTexts << t.second;
  EXPECT_EQ(shownTexts.join(QLatin1Char('|')).toStdString(), c.texts);

  const QImage image = view->grab().toImage();
  std::set<QRgb> pixels;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) pixels.insert(image.pixel(x, y) | 0xff000000u);
  std::string shown;
  for (int i = 1; i <= chart.ColumnCount(); ++i)
    shown += pixels.count(ui::toQColor(chart.SeriesFillColor(i)).rgb()) ? '1' : '0';
  EXPECT_EQ(shown, c.coloursShown);
}

constexpr auto kPie = ui::Chart::Kind::Pie2D;
constexpr auto kBar = ui::Chart::Kind::Bar2D;
INSTANTIATE_TEST_SUITE_P(
    Charts, ChartDrawing,
    ::testing::Values(
        ChartCase{"PieAllZeroDrawsNoSlice", kPie, "Units Built", {"0", "0", "0"}, "Units Built", "000"},
        ChartCase{"PieNegativeAndJunkTakeNoSlice", kPie, "", {"-5", "3", "junk"}, "", "010"},
        ChartCase{"BarTopZero", kBar, "Units Built", {"0", "0"}, "Units Built|0|1", "00"},
        ChartCase{"BarTopOne", kBar, "Units Built", {"1", "0"}, "Units Built|0|1", "10"},
        ChartCase{"BarTopSeven", kBar, "Units Built", {"7", "3"}, "Units Built|0|2|4|6|8", "11"},
        ChartCase{"BarsAllEqual", kBar, "", {"4", "4", "4"}, "0|1|2|3|4", "111"},
        ChartCase{"BarsNegative", kBar, "Damage Dealt", {"-5", "3"}, "Damage Dealt|-6|-4|-2|0|2|4", "11"},
        ChartCase{"BarTop100000", kBar, "", {"100000"}, "0|20k|40k|60k|80k|100k", "1"},
        ChartCase{"BarTopInt32Max", kBar, "", {"2147483647", "0"}, "0|0.5G|1G|1.5G|2G|2.5G", "10"},
        ChartCase{"BarTopInt64Max", kBar, "", {"9223372036854775807"}, "0|2E|4E|6E|8E|10E", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
