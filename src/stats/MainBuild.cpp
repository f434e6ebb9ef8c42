// The statistics window's controls at their design places, sizes, fonts,
// colours and captions. Everything here runs once, from the constructor.
#include <QIcon>
#include <QPixmap>

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

ui::FontSpec fontOf(const FontDesign& f) {
  return {QString::fromLatin1(f.family), f.size, f.bold, f.italic, f.weight};
}

ui::Label* styled(ui::Label* label, const FontDesign& font, corv::Rgb colour, const QString& caption, float left,
                  float top) {
  label->setFont(fontOf(font));
  label->setForeColor(colour);
  label->setCaption(caption);
  label->Move(left, top);
  return label;
}

ui::Label* designed(ui::Label* label, const LabelDesign& d) {
  return styled(label, d.font, d.colour, QString::fromLatin1(d.caption), d.left, d.top);
}

ui::Frame* blackFrame(ui::Frame* frame, const Box& b) {
  frame->setBackColor(ui::kBlack);
  frame->Move(b.left, b.top, b.width, b.height);
  return frame;
}

ui::Line* line(ui::Line* l, const LineDesign& d) {
  l->setPoints(d.x1, d.y1, d.x2, d.y2);
  l->setBorderColor(d.colour);
  l->setBorderWidth(d.width);
  return l;
}

ui::Shape* filled(ui::Shape* shape, float left, float top, float width, float height, corv::Rgb fill) {
  shape->setFillColor(fill);
  shape->Move(left, top, width, height);
  return shape;
}

void place(ui::Control& c, const Box& b) { c.Move(b.left, b.top, b.width, b.height); }

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
  place(*imgTitle, kTitleArt);
  imgTitle->setPicture(QPixmap(QString::fromLatin1(corv::assets::kTitlePicture)));

  lbTitleStats = designed(make<ui::Label>(*this, QString::fromLatin1(kTitleStats.name)), kTitleStats);
  lbTitleVersion = designed(make<ui::Label>(*this, QString::fromLatin1(kTitleVersion.name)), kTitleVersion);
  lnTitle = line(make<ui::Line>(*this, QStringLiteral("lnTitle")), kTitleRule);
  Line5 = line(make<ui::Line>(*this, QStringLiteral("Line5")), kTitleStroke);

  lbClose = make<ui::Label>(*this, QStringLiteral("lbClose"));
  lbClose->setFont(fontOf(kCloseFont));
  lbClose->setForeColor(ui::kLightBlue);
  lbClose->setAutoSize(false);
  lbClose->setCentered(true);
  lbClose->setCaption(QString(QChar(kCloseGlyph)));
  place(*lbClose, kCloseBox);

  Line4 = line(make<ui::Line>(*this, QStringLiteral("Line4")), kUnderTitle);
  Line1 = line(make<ui::Line>(*this, QStringLiteral("Line1")), kPageLeftEdge);
  Line2 = line(make<ui::Line>(*this, QStringLiteral("Line2")), kPageRightEdge);
  Line3 = line(make<ui::Line>(*this, QStringLiteral("Line3")), kPageBottomEdge);
}

void Main::buildTabStrip() {
  QStringList captions;
  for (const PageDesign& d : kPageDesigns) captions << QString::fromLatin1(d.tab);
  SSTab = make<ui::TabStrip>(*this, QStringLiteral("SSTab"), captions);
  SSTab->setFont(fontOf(kTabFont));
  place(*SSTab, kTabStrip);
}

void Main::buildPages() {
  const Box page{kPageLeft, kPageTop, kPageWidth, kPageHeight};
  for (int p = 0; p < 4; ++p) Tabb[p] = blackFrame(make<ui::Frame>(*this, indexed("Tabb", p)), page);

  // The backgrounds come first on every page so that they lie beneath the rest.
  for (int p = 0; p < 4; ++p) imgBack[p] = make<ui::Image>(*Tabb[p], indexed("imgBack", p));
  imgBack[0]->setStretch(true);
  place(*imgBack[0], kPageBack);
  imgBack[0]->setPicture(QPixmap(QString::fromLatin1(corv::assets::kPagePicture)));
  for (int p = 1; p < 4; ++p) place(*imgBack[p], kEmptyBack);

  const auto title = [&](ui::Container& parent, const char* name, int p, float left, float top) {
    return styled(make<ui::Label>(parent, QString::fromLatin1(name)), kPageTitleFont, ui::kWhite,
                  QString::fromLatin1(kPageDesigns[p].title), left, top);
  };
  lbGenTitle = title(*Tabb[0], "lbGenTitle", 0, kTitleLeft, kTitleTop);
  Frame1 = blackFrame(make<ui::Frame>(*Tabb[1], QStringLiteral("Frame1")), kResTitleFrame);
  lbResTitle = title(*Frame1, "lbResTitle", 1, kResTitleLeft, kResTitleTop);
  lbUnitTitle = title(*Tabb[2], "lbUnitTitle", 2, kTitleLeft, kTitleTop);
  lbCombatTitle = title(*Tabb[3], "lbCombatTitle", 3, kTitleLeft, kTitleTop);

  buildRows(0, lbGen, lbGenVal, "lbGen", "lbGenVal");
  buildRows(1, lbRes, lbResVal, "lbRes", "lbResVal");
  buildRows(2, lbUnit, lbUnitVal, "lbUnit", "lbUnitVal");
  buildRows(3, lbCombat, lbCombatVal, "lbCombat", "lbCombatVal");
  buildBars();
  buildLegends();
  buildCharts();

  for (int p = 0; p < 4; ++p) {
    cbView[p] = make<ui::Chooser>(*Tabb[p], indexed("cbView", p));
    cbView[p]->setFont(fontOf(kRowFont));
    place(*cbView[p], kChooser);
  }
}

void Main::buildRows(int page, std::array<ui::Label*, 8>& rows, std::array<ui::Label*, 8>& values,
                     const char* rowName, const char* valueName) {
  for (int i = 0; i < 8; ++i) {
    rows[i] = styled(make<ui::Label>(*Tabb[page], indexed(rowName, i)), kRowFont, ui::kLightGrey,
                     QStringLiteral("Player %1 (race)").arg(i + 1), kRowLeft, rowTop(i));
  }
  for (int i = 0; i < 8; ++i) {
    values[i] = styled(make<ui::Label>(*Tabb[page], indexed(valueName, i)), kRowFont, ui::kLightBlue,
                       QStringLiteral("Value"), kPageDesigns[page].valueLeft, valueTop(i));
    values[i]->setVisible(false);
  }
}

void Main::buildBars() {
  const std::array<std::pair<std::array<ui::Shape*, 8>*, const char*>, 3> segments{
      {{&lnGen, "lnGen"}, {&lnGen2, "lnGen2"}, {&lnGen3, "lnGen3"}}};
  for (int i = 0; i < 8; ++i)
    for (std::size_t k = 0; k < segments.size(); ++k)
      (*segments[k].first)[i] = filled(make<ui::Shape>(*Tabb[0], indexed(segments[k].second, i)),
                                       kOverviewBarLefts[k], barTop(i), kOverviewBarWidth, kRowHeight,
                                       kOverviewBarFills[k]);
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
    // Every series is painted solid.
    for (int s = 1; s <= d.columns; ++s) chart->setSeriesFillColor(s, d.colours[s - 1]);
    chart->Move(d.left, d.top, d.width, d.height);
    Graph[p] = chart;
  }
}

void Main::bundlePages() {
  using corv::Page;
  const auto bundle = [this](Page p, ui::Label* title, const auto& rows, const auto& values,
                             std::vector<std::span<ui::Shape* const>> bars, std::span<ui::Shape* const> legend) {
    const std::size_t i = corv::index(p);
    pages_[i] = {Tabb[i], title, rows, values, std::move(bars), legend, Graph[i], cbView[i]};
  };
  bundle(Page::Overview, lbGenTitle, lbGen, lbGenVal, {lnGen, lnGen2, lnGen3}, legGeneral);
  bundle(Page::Resource, lbResTitle, lbRes, lbResVal, {lnRes}, legRes);
  bundle(Page::Unit, lbUnitTitle, lbUnit, lbUnitVal, {lnUnit}, legUnit);
  bundle(Page::Combat, lbCombatTitle, lbCombat, lbCombatVal, {lnCombat}, legCombat);
}

void Main::buildBusyPage() {
  tbThink = blackFrame(make<ui::Frame>(*this, QStringLiteral("tbThink")), {kPageLeft, kPageTop, kPageWidth, kPageHeight});
  Label1 = designed(make<ui::Label>(*tbThink, QString::fromLatin1(kBusyLabel.name)), kBusyLabel);
}
