// The simple controls: twips geometry, label sizing, painting, z-order and
// the mouse events as the windows' handlers receive them.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <vector>

#include "UiTestSupport.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

using uitest::Area;
using uitest::sendMouse;

namespace {

QColor pixelAt(QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); }

TEST(Geometry, TwipsAreKeptExactlyAndPixelsDerived) {
  Area a;
  ui::Shape s(a, QStringLiteral("bar"));
  s.Move(1233.3334f, 1140.0f, 6795.5f, 195.0f);
  EXPECT_EQ(s.Left(), 1233.3334f);
  EXPECT_EQ(s.Top(), 1140.0f);
  EXPECT_EQ(s.Width(), 6795.5f);
  EXPECT_EQ(s.Height(), 195.0f);
  EXPECT_EQ(s.widget()->geometry(), QRect(82, 76, 453, 13));
  s.setLeft(-300.0f);
  s.setWidth(15.0f);
  EXPECT_EQ(s.Left(), -300.0f);
  EXPECT_EQ(s.widget()->geometry(), QRect(-20, 76, 1, 13));
  EXPECT_EQ(s.name(), QStringLiteral("bar"));
}

TEST(Geometry, AbuttingControlsAbutOnScreen) {
  Area a;
  ui::Shape left(a, QStringLiteral("l")), right(a, QStringLiteral("r"));
  left.Move(540.0f, 0.0f, 1007.5f, 195.0f);
  right.Move(1547.5f, 0.0f, 1000.0f, 195.0f);
  EXPECT_EQ(left.widget()->geometry().right() + 1, right.widget()->geometry().left());
}

TEST(Geometry, WildValuesNeitherCrashNorWrap) {
  EXPECT_EQ(ui::toPixels(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(ui::toPixels(std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(ui::toPixels(1e30f), 1 << 24);
  EXPECT_EQ(ui::toPixels(-1e30f), -(1 << 24));
  Area a;
  ui::Shape s(a, QStringLiteral("s"));
  s.Move(0, 0, -500.0f, 1e30f);
  EXPECT_EQ(s.Width(), -500.0f);
  EXPECT_EQ(s.widget()->width(), 0);
}

struct FontCase {
  const char* design;
  const char* installed;
};

class FontSubstitutes : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontSubstitutes, DesignFontMapsToAnInstalledOne) {
  ui::installFontSubstitutes();
  const QFont f = ui::toQFont({QString::fromLatin1(GetParam().design), 9.0, true, false, -1});
  EXPECT_EQ(QFontInfo(f).family(), QString::fromLatin1(GetParam().installed));
}

INSTANTIATE_TEST_SUITE_P(Ui, FontSubstitutes,
                         ::testing::Values(FontCase{"Verdana", "DejaVu Sans"}, FontCase{"Arial", "Liberation Sans"},
                                           FontCase{"Eurostile T", "Play"}, FontCase{"Handel Gothic D", "Play"}));

class LabelTest : public ::testing::Test {
 protected:
  Area area;
  ui::Label label{area, QStringLiteral("lbGen_0")};
  const ui::FontSpec verdana{QStringLiteral("Verdana"), 8.25, true, false, -1};

  QFontMetrics metrics() const { return QFontMetrics(ui::toQFont(label.font())); }
};

TEST_F(LabelTest, DesignSizeStaysUntilCaptionOrFontChanges) {
  label.Move(540, 930, 1485, 195);
  EXPECT_EQ(label.Width(), 1485.0f);
  EXPECT_EQ(label.Height(), 195.0f);
  label.setForeColor(ui::kLightGrey);
  label.setVisible(false);
  EXPECT_EQ(label.Width(), 1485.0f);
}

TEST_F(LabelTest, SizesItselfToItsCaption) {
  label.Move(540, 930, 1485, 195);
  label.setFont(verdana);
  label.setCaption(QStringLiteral("Player 1 (race)"));
  const QFontMetrics fm = metrics();
  EXPECT_EQ(label.Width(), ui::toTwips(fm.horizontalAdvance(QStringLiteral("Player 1 (race)"))));
  EXPECT_EQ(label.Height(), ui::toTwips(fm.height()));
  EXPECT_EQ(label.widget()->width(), fm.horizontalAdvance(QStringLiteral("Player 1 (race)")));
  EXPECT_EQ(label.Left(), 540.0f);

  const float shortWidth = label.Width();
  label.setCaption(QStringLiteral("A much longer player name (race)"));
  EXPECT_GT(label.Width(), shortWidth);
  // A bigger font makes the same caption wider.
  const float before = label.Width();
  label.setFont({QStringLiteral("Verdana"), 14.25, true, false, -1});
  EXPECT_GT(label.Width(), before);
}

TEST_F(LabelTest, CaptionsShowAsWrittenUnlessDoubledAmpersandsAreAskedFor) {
  label.setFont(verdana);
  label.setCaption(QStringLiteral("A&&B"));
  EXPECT_EQ(static_cast<QLabel*>(label.widget())->text(), QStringLiteral("A&&B"));
  label.setDoubledAmpersands(true);
  label.setCaption(QStringLiteral("Design && Development"));
  EXPECT_EQ(label.Caption(), QStringLiteral("Design && Development"));
  EXPECT_EQ(static_cast<QLabel*>(label.widget())->text(), QStringLiteral("Design & Development"));
  EXPECT_EQ(label.Width(), ui::toTwips(metrics().horizontalAdvance(QStringLiteral("Design & Development"))));
  label.setCaption(QStringLiteral("R&D"));
  EXPECT_EQ(static_cast<QLabel*>(label.widget())->text(), QStringLiteral("R&D"));
}

TEST_F(LabelTest, ABlankCaptionStillTakesALine) {
  label.setFont(verdana);
  label.setCaption(QStringLiteral(" "));
  EXPECT_GT(label.Width(), 0.0f);
  EXPECT_EQ(label.Height(), ui::toTwips(metrics().height()));
}

TEST_F(LabelTest, TransparentByDefaultAndPaintsItsForeColor) {
  label.setFont(verdana);
  label.setForeColor(ui::kRed);
  label.setCaption(QStringLiteral("WWWW"));
  EXPECT_EQ(label.ForeColor(), ui::kRed);
  EXPECT_FALSE(label.widget()->autoFillBackground());
  EXPECT_EQ(label.widget()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  label.setTransparent(false);
  label.setBackColor(ui::kPaleYellow);
  EXPECT_TRUE(label.widget()->autoFillBackground());
  EXPECT_EQ(pixelAt(label.widget(), 0, 0), QColor(255, 255, 192));
}

TEST_F(LabelTest, FixedSizeWhenAutoSizeIsOff) {
  label.setAutoSize(false);
  label.Move(0, 0, 960, 210);
  label.setCentered(true);
  label.setCaption(QStringLiteral("Build 153"));
  EXPECT_EQ(label.Width(), 960.0f);
  EXPECT_TRUE(static_cast<QLabel*>(label.widget())->alignment() & Qt::AlignHCenter);
}

TEST(Shape, FilledSolidWithAOnePixelBorder) {
  Area a;
  ui::Shape s(a, QStringLiteral("lnRes_0"));
  s.Move(0, 0, 300, 195);
  s.setFillColor(corv::rgb(0, 192, 192));
  s.setBorderColor(ui::kDarkGrey);
  EXPECT_EQ(s.FillColor(), corv::rgb(0, 192, 192));
  EXPECT_EQ(pixelAt(s.widget(), 10, 6), QColor(0, 192, 192));
  EXPECT_EQ(pixelAt(s.widget(), 0, 0), QColor(64, 64, 64));
  EXPECT_EQ(pixelAt(s.widget(), 19, 12), QColor(64, 64, 64));
}

TEST(Line, CoversItsPointsAndLetsTheMouseThrough) {
  Area a;
  ui::Line l(a, QStringLiteral("lnTitle"));
  l.setPoints(1380, 870, 9000, 870);
  l.setBorderWidth(3);
  l.setBorderColor(ui::kLightBlue);
  EXPECT_EQ(l.X1(), 1380.0f);
  EXPECT_EQ(l.X2(), 9000.0f);
  EXPECT_EQ(l.Y1(), 870.0f);
  EXPECT_EQ(l.BorderWidth(), 3);
  const QRect g = l.widget()->geometry();
  EXPECT_TRUE(g.contains(QPoint(92, 58)));
  EXPECT_TRUE(g.contains(QPoint(600, 58)));
  EXPECT_TRUE(l.widget()->testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_EQ(pixelAt(l.widget(), 300 - g.left(), 58 - g.top()), QColor(192, 192, 255));

  // A slanted stroke drawn from right to left keeps its points.
  ui::Line s(a, QStringLiteral("Line5"));
  s.setPoints(7680, 960, 7600, 780);
  EXPECT_EQ(s.X1(), 7680.0f);
  EXPECT_EQ(s.Y2(), 780.0f);
  s.Move(7600, 880);  // moving shifts both points
  EXPECT_EQ(s.X1(), 7680.0f);
  EXPECT_EQ(s.Y1(), 1060.0f);
  EXPECT_EQ(s.Y2(), 880.0f);
}

TEST(Frame, ZOrderBringsToFrontAndSendsBack) {
  Area a;
  std::vector<std::unique_ptr<ui::Frame>> pages;
  for (int i = 0; i < 5; ++i) {
    pages.push_back(std::make_unique<ui::Frame>(a, QStringLiteral("Tabb_%1").arg(i)));
    pages.back()->Move(120, 1800, 8115, 5175);
  }
  const QPoint inside(200, 200);
  auto front = [&] { return a.area()->childAt(inside); };
  EXPECT_EQ(front(), pages[4]->widget());
  pages[0]->ZOrder(0);
  EXPECT_EQ(front(), pages[0]->widget());
  pages[2]->ZOrder();
  EXPECT_EQ(front(), pages[2]->widget());
  pages[2]->ZOrder(1);
  EXPECT_EQ(front(), pages[0]->widget());
  EXPECT_EQ(a.area()->children().indexOf(pages[2]->widget()), 0);
}

TEST(Frame, OpaqueWithItsBackColourAndHoldsControls) {
  Area a;
  ui::Frame f(a, QStringLiteral("Frame1"));
  f.Move(0, 0, 600, 300);
  f.setBackColor(ui::kBlack);
  ui::Label inside(f, QStringLiteral("lbResTitle"));
  EXPECT_EQ(inside.widget()->parentWidget(), f.widget());
  EXPECT_TRUE(f.widget()->autoFillBackground());
  EXPECT_EQ(pixelAt(f.widget(), 30, 15), QColor(0, 0, 0));
}

QPixmap filled(int w, int h, QColor c) {
  QPixmap p(w, h);
  p.fill(c);
  return p;
}

TEST(Image, NaturalSizeTakesThePicturesSize) {
  Area a;
  ui::Image img(a, QStringLiteral("imgTitle"));
  img.Move(60, -120, 100, 100);
  img.setPicture(filled(20, 10, Qt::green));
  EXPECT_EQ(img.Width(), 300.0f);
  EXPECT_EQ(img.Height(), 150.0f);
  EXPECT_EQ(img.Left(), 60.0f);
  EXPECT_EQ(img.widget()->size(), QSize(20, 10));
}

TEST(Image, StretchedFillsTheControlsBox) {
  Area a;
  ui::Image img(a, QStringLiteral("imgBack_1"));
  img.Move(-300, 0, 8415, 5175);
  img.setStretch(true);
  img.setPicture(filled(20, 10, Qt::green));
  EXPECT_EQ(img.Width(), 8415.0f);
  EXPECT_EQ(img.Height(), 5175.0f);
  EXPECT_EQ(pixelAt(img.widget(), 550, 340), QColor(Qt::green));
  // Back to natural size: the control shrinks to the picture.
  img.setStretch(false);
  EXPECT_EQ(img.Width(), 300.0f);
}

TEST(Image, AnEmptyPictureKeepsTheBox) {
  Area a;
  ui::Image img(a, QStringLiteral("imgBack_2"));
  img.Move(0, 0, 3825, 3825);
  img.setPicture(QPixmap());
  EXPECT_EQ(img.Width(), 3825.0f);
  EXPECT_TRUE(img.Picture().isNull());
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

TEST(Mouse, DownAndMoveInTwipsWithButtonsAndShift) {
  Area a;
  ui::Image img(a, QStringLiteral("imgTitle"));
  img.Move(60, -120, 8250, 1350);
  MouseLog log;
  log.attach(img);
  QWidget* w = img.widget();
  EXPECT_TRUE(w->hasMouseTracking());

  sendMouse(w, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(10, 4), Qt::ShiftModifier);
  sendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, QPoint(12, 5));
  sendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(7, 1), Qt::ControlModifier | Qt::AltModifier);
  ASSERT_EQ(log.downs.size(), 1u);
  EXPECT_EQ(log.downs[0], (std::vector<float>{2, 1, 150, 60}));
  ASSERT_EQ(log.moves.size(), 2u);
  EXPECT_EQ(log.moves[0], (std::vector<float>{3, 0, 180, 75}));
  EXPECT_EQ(log.moves[1], (std::vector<float>{0, 6, 105, 15}));
  sendMouse(w, QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, QPoint(0, 0));
  EXPECT_EQ(log.downs[1][0], 4.0f);
}

TEST(Mouse, ClickIsALeftPressAndReleaseOnTheControl) {
  Area a;
  ui::Label lb(a, QStringLiteral("lbClose"));
  lb.setCaption(QStringLiteral("x"));
  MouseLog log;
  log.attach(lb);
  QWidget* w = lb.widget();
  sendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(1, 1));
  sendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(2, 2));
  EXPECT_EQ(log.clicks, 1);
  sendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(1, 1));
  sendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(500, 500));
  sendMouse(w, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(1, 1));
  sendMouse(w, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, QPoint(1, 1));
  sendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(1, 1));  // no press before
  EXPECT_EQ(log.clicks, 1);
}

TEST(Mouse, AControlKeepsItsEventsFromTheFrameBeneath) {
  Area a;
  ui::Frame f(a, QStringLiteral("Tabb_0"));
  f.Move(0, 0, 3000, 3000);
  ui::Label lb(f, QStringLiteral("lbCredits_1"));
  lb.setCaption(QStringLiteral("Beta Test Team"));
  MouseLog frameLog, labelLog;
  frameLog.attach(f);
  labelLog.attach(lb);
  sendMouse(lb.widget(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(1, 1));
  sendMouse(lb.widget(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(1, 1));
  EXPECT_EQ(labelLog.clicks, 1);
  EXPECT_EQ(frameLog.clicks, 0);
  EXPECT_TRUE(frameLog.downs.empty());
}

TEST(Mouse, AHandlerMayDestroyItsControl) {
  Area a;
  auto img = std::make_unique<ui::Image>(a, QStringLiteral("Image1"));
  img->onClick = [&img] { img.reset(); };
  QPointer<QWidget> w = img->widget();
  sendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(0, 0));
  sendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(0, 0));
  EXPECT_EQ(img, nullptr);
  EXPECT_TRUE(w.isNull());
}

TEST(Timer, TicksWhileEnabledWithAnInterval) {
  ui::Timer t;
  EXPECT_FALSE(t.Enabled());
  int ticks = 0;
  QEventLoop loop;
  t.onTimer = [&] {
    if (++ticks == 3) {
      t.setEnabled(false);
      loop.quit();
    }
  };
  t.setInterval(1);
  t.setEnabled(true);
  EXPECT_EQ(t.Interval(), 1);
  loop.exec();
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(t.Enabled());
}

}  // namespace
