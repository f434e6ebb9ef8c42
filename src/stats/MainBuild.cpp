// The statistics window's controls at their design places, sizes, fonts,
// colours and captions. Everything here runs once, from the constructor.
#include <QIcon>
#include <QPixmap>
#include <QTabBar>

#include "assets/Assets.h"
#include "stats/Main.h"
#include "stats/MainDesign.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/TabStrip.h"

namespace {

using namespace mainDesign;

QString indexed(const char* base, int i) { return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i); }

ui::FontSpec verdanaBold() { return {QStringLiteral("Verdana"), 8.25, true, false, -1}; }

ui::Label* styled(ui::Label* label, const ui::FontSpec& font, corv::Rgb colour, const QString& caption,
                  float left, float top) {
  label->setFont(font);
  label->setForeColor(colour);
  label->setCaption(caption);
  label->Move(left, top);
  return label;
}

ui::Frame* blackFrame(ui::Frame* frame, float left, float top, float width, float height) {
  frame->setBackColor(ui::kBlack);
  frame->Move(left, top, width, height);
  return frame;
}

ui::Line* line(ui::Line* l, float x1, float y1, float x2, float y2, corv::Rgb colour) {
  l->setPoints(x1, y1, x2, y2);
  l->setBorderColor(colour);
  return l;
}

ui::Shape* filled(ui::Shape* shape, float left, float top, float width, float height, corv::Rgb fill) {
  shape->setFillColor(fill);
  shape->Move(left, top, width, height);
  return shape;
}

}  // namespace

void Main::buildWindow() {
  setCaption(QStringLiteral("Corvaneth Stats"));
  setBorderStyle(ui::BorderStyle::None);
  setBackColor(ui::kBlack);
  setClientSize(kClientWidth, kClientHeight);
  QIcon icon;
  icon.addFile(QString::fromLatin1(corv::assets::kIcon32));
  icon.addFile(QString::fromLatin1(corv::assets::kIcon16));
  setIcon(icon);
}

void Main::buildTitle() {
  // Created first so that the title labels, lines and the close glyph lie in front of it.
  imgTitle = make<ui::Image>(*this, QStringLiteral("imgTitle"));
  imgTitle->Move(60, -120, 8250, 1350);
  imgTitle->setPicture(QPixmap(QString::fromLatin1(corv::assets::kTitlePicture)));

  lbTitleStats = styled(make<ui::Label>(*this, QStringLiteral("lbTitleStats")),
                        {QStringLiteral("Handel Gothic D"), 21.75, true, false, 800}, ui::kLightBlue,
                        QStringLiteral("Stats"), 360, 660);
  lbTitleVersion = styled(make<ui::Label>(*this, QStringLiteral("lbTitleVersion")),
                          {QStringLiteral("Arial"), 8.25, true, false, -1}, ui::kLightBlue,
                          QStringLiteral("v1.01"), 1560, 900);

  lnTitle = line(make<ui::Line>(*this, QStringLiteral("lnTitle")), 1380, 870, 9000, 870, ui::kLightBlue);
  lnTitle->setBorderWidth(3);
  Line5 = line(make<ui::Line>(*this, QStringLiteral("Line5")), 7680, 960, 7600, 780, ui::kWhite);

  // A box-cross glyph from a font every Linux desktop has stands in for the
  // symbol font's cross in a box; its box stays at the design size so the
  // click target does not depend on the glyph's metrics.
  lbClose = make<ui::Label>(*this, QStringLiteral("lbClose"));
  lbClose->setFont({QStringLiteral("DejaVu Sans"), 14.25, false, false, -1});
  lbClose->setForeColor(ui::kLightBlue);
  lbClose->setAutoSize(false);
  lbClose->setCentered(true);
  lbClose->setCaption(QString(QChar(kCloseGlyph)));
  lbClose->Move(7965, 60, 300, 315);

  Line4 = line(make<ui::Line>(*this, QStringLiteral("Line4")), 60, 1230, 8340, 1230, ui::kDarkGrey);
  Line1 = line(make<ui::Line>(*this, QStringLiteral("Line1")), 105, 1800, 105, 6975, ui::kLightGrey);
  Line2 = line(make<ui::Line>(*this, QStringLiteral("Line2")), 8235, 1605, 8235, 6975, ui::kGrey);
  Line3 = line(make<ui::Line>(*this, QStringLiteral("Line3")), 8235, 6975, 90, 6975, ui::kGrey);
}

void Main::buildTabStrip() {
  QStringList captions;
  for (const char* c : kTabCaptions) captions << QString::fromLatin1(c);
  SSTab = make<ui::TabStrip>(*this, QStringLiteral("SSTab"), captions);
  SSTab->setFont({QStringLiteral("Verdana"), 8.25, true, true, -1});
  SSTab->Move(120, 1380, 8130, 420);
}

void Main::buildPages() {
  for (int p = 0; p < 4; ++p)
    Tabb[p] = blackFrame(make<ui::Frame>(*this, indexed("Tabb", p)), kPageLeft, kPageTop, kPageWidth, kPageHeight);

  // The backgrounds come first on every page so that they lie beneath the rest.
  for (int p = 0; p < 4; ++p) imgBack[p] = make<ui::Image>(*Tabb[p], indexed("imgBack", p));
  imgBack[0]->setStretch(true);
  imgBack[0]->Move(-300, 0, 8415, 5175);
  imgBack[0]->setPicture(QPixmap(QString::fromLatin1(corv::assets::kPagePicture)));
  for (int p = 1; p < 4; ++p) imgBack[p]->Move(0, 0, 255, 255);

  const ui::FontSpec titleFont{QStringLiteral("Eurostile T"), 14.25, true, false, -1};
  lbGenTitle = styled(make<ui::Label>(*Tabb[0], QStringLiteral("lbGenTitle")), titleFont, ui::kWhite,
                      QStringLiteral("Overall Game Performance"), kTitleLeft, kTitleTop);
  // The frame is opaque: behind this one title the background does not show.
  // It reaches the page's right edge (not 4815 twips) so that a player's title,
  // "<name>'s Resource Management Stats", is never cut off by the frame.
  Frame1 = blackFrame(make<ui::Frame>(*Tabb[1], QStringLiteral("Frame1")), 480, 360, kPageWidth - 480, 495);
  lbResTitle = styled(make<ui::Label>(*Frame1, QStringLiteral("lbResTitle")), titleFont, ui::kWhite,
                      QStringLiteral("Resource Management Summary"), 60, 0);
  lbUnitTitle = styled(make<ui::Label>(*Tabb[2], QStringLiteral("lbUnitTitle")), titleFont, ui::kWhite,
                       QStringLiteral("Unit Management Summary"), kTitleLeft, kTitleTop);
  lbCombatTitle = styled(make<ui::Label>(*Tabb[3], QStringLiteral("lbCombatTitle")), titleFont, ui::kWhite,
                         QStringLiteral("Combat Performance Summary"), kTitleLeft, kTitleTop);

  buildRows(0, lbGen, lbGenVal, "lbGen", "lbGenVal");
  buildRows(1, lbRes, lbResVal, "lbRes", "lbResVal");
  buildRows(2, lbUnit, lbUnitVal, "lbUnit", "lbUnitVal");
  buildRows(3, lbCombat, lbCombatVal, "lbCombat", "lbCombatVal");
  buildBars();
  buildLegends();
  buildCharts();

  for (int p = 0; p < 4; ++p) {
    cbView[p] = make<ui::Chooser>(*Tabb[p], indexed("cbView", p));
    cbView[p]->setFont(verdanaBold());
    cbView[p]->Move(5850, 0, 2265, 330);
  }
}

void Main::buildRows(int page, std::array<ui::Label*, 8>& rows, std::array<ui::Label*, 8>& values,
                     const char* rowName, const char* valueName) {
  for (int i = 0; i < 8; ++i) {
    rows[i] = styled(make<ui::Label>(*Tabb[page], indexed(rowName, i)), verdanaBold(), ui::kLightGrey,
                     QStringLiteral("Player %1 (race)").arg(i + 1), kRowLeft, rowTop(i));
  }
  for (int i = 0; i < 8; ++i) {
    values[i] = styled(make<ui::Label>(*Tabb[page], indexed(valueName, i)), verdanaBold(), ui::kLightBlue,
                       QStringLiteral("Value"), kValueLeft[page], valueTop(i));
    values[i]->setVisible(false);
  }
}

void Main::buildBars() {
  for (int i = 0; i < 8; ++i) {
    lnGen[i] = filled(make<ui::Shape>(*Tabb[0], indexed("lnGen", i)), 540, barTop(i), kOverviewBarWidth,
                      kRowHeight, kOverviewBarFills[0]);
    lnGen2[i] = filled(make<ui::Shape>(*Tabb[0], indexed("lnGen2", i)), 2040, barTop(i), kOverviewBarWidth,
                       kRowHeight, kOverviewBarFills[1]);
    lnGen3[i] = filled(make<ui::Shape>(*Tabb[0], indexed("lnGen3", i)), 3540, barTop(i), kOverviewBarWidth,
                       kRowHeight, kOverviewBarFills[2]);
  }
  const std::array<std::pair<std::array<ui::Shape*, 8>*, const char*>, 3> categoryBars{
      {{&lnRes, "lnRes"}, {&lnUnit, "lnUnit"}, {&lnCombat, "lnCombat"}}};
  for (int c = 0; c < 3; ++c) {
    auto& bars = *categoryBars[c].first;
    for (int i = 0; i < 8; ++i)
      bars[i] = filled(make<ui::Shape>(*Tabb[c + 1], indexed(categoryBars[c].second, i)), kRowLeft, barTop(i),
                       kCategoryBarWidths[i], kRowHeight, kCategoryBarFills[i]);
  }
  for (auto* bars : {&lnGen, &lnGen2, &lnGen3, &lnRes, &lnUnit, &lnCombat})
    for (ui::Shape* bar : *bars) bar->setBorderColor(ui::kDarkGrey);
}

void Main::buildLegends() {
  for (int i = 0; i < 3; ++i)
    legGeneral[i] = filled(make<ui::Shape>(*Tabb[0], indexed("legGeneral", i)), kLegendLeft, kLegGeneralTops[i],
                           kLegendSize, kLegendSize, kLegGeneralFills[i]);
  for (int i = 0; i < 5; ++i)
    legRes[i] = filled(make<ui::Shape>(*Tabb[1], indexed("legRes", i)), kLegendLeft, kLegResTops[i], kLegendSize,
                       kLegendSize, kLegResFills[i]);
  for (int i = 0; i < 8; ++i) {
    legUnit[i] = filled(make<ui::Shape>(*Tabb[2], indexed("legUnit", i)), kLegendLeft, kLegUnitTops[i],
                        kLegendSize, kLegendSize, kLegUnitFills[i]);
    legCombat[i] = filled(make<ui::Shape>(*Tabb[3], indexed("legCombat", i)), kLegendLeft, kLegCombatTops[i],
                          kLegendSize, kLegendSize, kLegUnitFills[i]);
  }
}

void Main::buildCharts() {
  for (int p = 0; p < 4; ++p) {
    const ChartDesign& d = kCharts[p];
    ui::Chart* chart = make<ui::Chart>(*Tabb[p], indexed("Graph", p));
    chart->setKind(d.pie ? ui::Chart::Kind::Pie2D : ui::Chart::Kind::Bar2D);
    chart->setColumnCount(d.columns);
    chart->setRowLabel(QString::fromLatin1(d.rowLabel));
    for (int s = 1; s <= d.columns; ++s) {
      chart->setSeriesSolid(s);
      chart->setSeriesFillColor(s, d.colours[s - 1]);
    }
    chart->Move(d.left, d.top, d.width, d.height);
    Graph[p] = chart;
  }
}

void Main::buildBusyPage() {
  tbThink = blackFrame(make<ui::Frame>(*this, QStringLiteral("tbThink")), kPageLeft, kPageTop, kPageWidth,
                       kPageHeight);
  Label1 = styled(make<ui::Label>(*tbThink, QStringLiteral("Label1")), {QStringLiteral("Verdana"), 9.75, true, false, -1},
                  ui::kWhite, QStringLiteral("Generating Statistics...."), 2760, 2280);
}
