#include "stats/PlayerViewDump.h"

#include <array>
#include <cstddef>
#include <ostream>
#include <string>

#include "stats/Main.h"
#include "stats/PageDump.h"
#include "stats/Scoring.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"

namespace corv {

namespace {

struct ViewPage {
  ui::Label* title;
  const std::array<ui::Label*, 8>* rows;
  const std::array<ui::Label*, 8>* values;
  ui::Chart* chart;
};

std::array<ViewPage, 4> pagesOf(Main& m) {
  return {{{m.lbGenTitle, &m.lbGen, &m.lbGenVal, m.Graph[0]},
           {m.lbResTitle, &m.lbRes, &m.lbResVal, m.Graph[1]},
           {m.lbUnitTitle, &m.lbUnit, &m.lbUnitVal, m.Graph[2]},
           {m.lbCombatTitle, &m.lbCombat, &m.lbCombatVal, m.Graph[3]}}};
}

void writeLabel(std::ostream& out, const std::string& key, const ui::Label& label) {
  out << key << ".caption=" << label.Caption().toStdString() << '\n';
  out << key << ".visible=" << (label.Visible() ? 1 : 0) << '\n';
  out << key << ".left=" << DumpNumber(label.Left()) << '\n';
  out << key << ".top=" << DumpNumber(label.Top()) << '\n';
}

void writeChart(std::ostream& out, const std::string& key, const ui::Chart& chart) {
  out << key << ".kind=" << (chart.kind() == ui::Chart::Kind::Pie2D ? "pie" : "bar") << '\n';
  out << key << ".visible=" << (chart.Visible() ? 1 : 0) << '\n';
  out << key << ".columns=" << chart.ColumnCount() << '\n';
  for (int c = 1; c <= chart.ColumnCount(); ++c) {
    const std::string column = key + ".column." + std::to_string(c);
    out << column << ".value=" << chart.columnData(c).toStdString() << '\n';
    out << column << ".colour=" << DumpColour(chart.SeriesFillColor(c)) << '\n';
  }
}

}  // namespace

void WritePlayerView(std::ostream& out, Main& main) {
  const std::array<ViewPage, 4> pages = pagesOf(main);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const ViewPage& page = pages[p];
    const std::string prefix = "view.page." + std::to_string(p);
    out << prefix << ".title=" << page.title->Caption().toStdString() << '\n';
    for (std::size_t r = 0; r < 8; ++r) {
      const std::string row = prefix + ".row." + std::to_string(r);
      writeLabel(out, row + ".label", *(*page.rows)[r]);
      writeLabel(out, row + ".value", *(*page.values)[r]);
    }
    writeChart(out, prefix + ".chart", *page.chart);
  }
}

bool WritePlayerChoice(std::ostream& out, Main& main, int slot) {
  const int item = slot + 2;
  if (slot < 0 || slot >= playerCount(main.state().PlayerIndex) || item > main.cbView[0]->ItemCount()) return false;
  main.cbView[0]->userChoose(item);
  out << "view=player " << slot << '\n';
  WritePlayerView(out, main);
  return true;
}

void WriteSummaryChoice(std::ostream& out, Main& main) {
  main.cbView[0]->userChoose(1);
  out << "view=summary\n";
  WritePages(out, main);
}

}  // namespace corv
