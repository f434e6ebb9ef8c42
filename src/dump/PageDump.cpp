#include "dump/PageDump.h"

#include <QByteArray>
#include <array>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <utility>
#include <vector>

#include "stats/Main.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

namespace corv {

namespace {

std::string utf8(const QString& s) { return s.toStdString(); }

}  // namespace

std::string DumpNumber(float v) {
  if (!std::isfinite(v)) return std::isnan(v) ? "nan" : (v > 0 ? "inf" : "-inf");
  std::array<char, 64> buf{};
  std::snprintf(buf.data(), buf.size(), "%.2f", static_cast<double>(v));
  std::string text(buf.data());
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

std::string DumpColour(Rgb c) {
  std::array<char, 8> buf{};
  std::snprintf(buf.data(), buf.size(), "%02X%02X%02X", red(c), green(c), blue(c));
  return std::string(buf.data());
}

std::string DumpMessage(const QString& text) {
  const std::string bytes = utf8(text);
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char ch = bytes[i];
    if (ch == '\r' || ch == '\n') {
      if (ch == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      out += "\\n";
    } else if (ch == '\\') {
      out += "\\\\";
    } else {
      out += ch;
    }
  }
  return out;
}

void WritePages(std::ostream& out, Main& main) {
  for (const Page p : kPages) {
    const PageControls& page = main.page(p);
    const std::string prefix = "page." + std::to_string(index(p));
    out << prefix << ".title=" << utf8(page.title->Caption()) << '\n';
    for (std::size_t r = 0; r < page.rows.size(); ++r) {
      const ui::Label& row = *page.rows[r];
      if (!row.Visible()) continue;
      const std::string rowKey = prefix + ".row." + std::to_string(r);
      out << rowKey << ".caption=" << utf8(row.Caption()) << '\n';
      out << rowKey << ".top=" << DumpNumber(row.Top()) << '\n';
      for (std::size_t k = 0; k < page.bars.size(); ++k) {
        const ui::Shape& bar = *page.bars[k][r];
        if (!bar.Visible()) continue;
        const std::string barKey = rowKey + ".bar." + std::to_string(k);
        out << barKey << ".left=" << DumpNumber(bar.Left()) << '\n';
        out << barKey << ".top=" << DumpNumber(bar.Top()) << '\n';
        out << barKey << ".width=" << DumpNumber(bar.Width()) << '\n';
        out << barKey << ".fill=" << DumpColour(bar.FillColor()) << '\n';
      }
    }
  }
}

OpenedLog OpenLogAsLauncher(Main& main, const QString& path) {
  OpenedLog opened;
  // Puts the handler in force before back however the call ends.
  struct Answering {
    decltype(ui::DialogHandlers::messageBox) previous;
    ~Answering() { ui::dialogHandlers().messageBox = std::move(previous); }
  } answering{std::exchange(ui::dialogHandlers().messageBox,
                            [&opened](QWidget*, const QString& prompt, int, const QString&) {
                              opened.message = prompt;
                              return ui::kMsgResultOk;
                            })};

  opened.valid = main.openLogAsLauncher(path, {});
  return opened;
}

void WritePageDump(std::ostream& out, Main& main, const QString& path) {
  const OpenedLog opened = OpenLogAsLauncher(main, path);
  if (!opened.valid) {
    out << "invalid=" << DumpMessage(opened.message) << '\n';
    return;
  }
  WritePages(out, main);
}

}  // namespace corv
