#include "dump/WindowDump.h"

#include <QWidget>
#include <map>
#include <ostream>
#include <string>

#include "stats/Main.h"
#include "dump/PageDump.h"
#include "stats/Scoring.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/TabStrip.h"

namespace corv {

namespace {

std::string quoted(const QString& text) { return '"' + DumpMessage(text) + '"'; }

std::string place(const ui::Control& c) {
  return "at=" + DumpNumber(c.Left()) + ',' + DumpNumber(c.Top()) + " size=" + DumpNumber(c.Width()) + 'x' +
         DumpNumber(c.Height());
}

std::string font(const ui::FontSpec& f) {
  // Appended piece by piece: GCC 12 takes `"text" + std::string` for an
  // overlapping copy here and warns in optimised builds.
  std::string text = "font=";
  text.append(f.family.toStdString()).append("/").append(DumpNumber(static_cast<float>(f.pointSize))).append("/");
  if (f.weight > 0) return text.append("w").append(std::to_string(f.weight));
  return text.append(f.bold ? (f.italic ? "bold-italic" : "bold") : (f.italic ? "italic" : "regular"));
}

template <class ItemText>
std::string joined(int count, ItemText itemText) {
  QString text;
  for (int i = 0; i < count; ++i) text += (i ? QStringLiteral("|") : QString()) + itemText(i);
  return quoted(text);
}

// The kind and the properties of one control, after its name and container.
std::string describe(const ui::Control& c) {
  if (const auto* l = dynamic_cast<const ui::Label*>(&c))
    return "label " + place(c) + ' ' + font(c.font()) + " fore=" + DumpColour(l->ForeColor()) +
           " caption=" + quoted(l->Caption());
  if (const auto* s = dynamic_cast<const ui::Shape*>(&c))
    return "shape " + place(c) + " fill=" + DumpColour(s->FillColor()) + " border=" + DumpColour(s->BorderColor());
  if (const auto* l = dynamic_cast<const ui::Line*>(&c))
    return "line from=" + DumpNumber(l->X1()) + ',' + DumpNumber(l->Y1()) + " to=" + DumpNumber(l->X2()) + ',' +
           DumpNumber(l->Y2()) + " colour=" + DumpColour(l->BorderColor()) +
           " width=" + std::to_string(l->BorderWidth());
  if (const auto* f = dynamic_cast<const ui::Frame*>(&c)) return "frame " + place(c) + " back=" + DumpColour(f->BackColor());
  if (const auto* i = dynamic_cast<const ui::Image*>(&c))
    return "image " + place(c) + " stretch=" + std::to_string(i->Stretch() ? 1 : 0) +
           " picture=" + std::to_string(i->Picture().width()) + 'x' + std::to_string(i->Picture().height());
  if (const auto* ch = dynamic_cast<const ui::Chooser*>(&c))
    return "chooser " + place(c) + ' ' + font(c.font()) + " selected=" + std::to_string(ch->SelectedIndex()) +
           " items=" + joined(ch->ItemCount(), [ch](int i) { return ch->ItemText(i + 1); });
  if (const auto* t = dynamic_cast<const ui::TabStrip*>(&c))
    return "tabs " + place(c) + ' ' + font(c.font()) + " current=" + std::to_string(t->Tab()) +
           " tabs=" + joined(t->TabCount(), [t](int i) { return t->TabCaption(i); });
  const auto* g = dynamic_cast<const ui::Chart*>(&c);
  if (!g) return "control " + place(c);
  std::string text = "chart " + place(c) + (g->kind() == ui::Chart::Kind::Pie2D ? " pie" : " bar") +
                     " row=" + quoted(g->RowLabel()) + " columns=" + std::to_string(g->ColumnCount());
  for (int col = 1; col <= g->ColumnCount(); ++col)
    text += ' ' + std::to_string(col) + '=' + g->columnData(col).toStdString() + '/' +
            DumpColour(g->SeriesFillColor(col));
  return text;
}

using ByWidget = std::map<const QWidget*, const ui::Control*>;

void writeChildren(std::ostream& out, const QWidget* container, const std::string& containerName,
                   const ByWidget& controls) {
  for (const QObject* child : container->children()) {
    const auto found = controls.find(qobject_cast<const QWidget*>(child));
    if (found == controls.end()) continue;
    const ui::Control& c = *found->second;
    const std::string name = c.name().toStdString();
    out << name << ' ' << (c.Visible() ? "shown " : "hidden ") << "in=" << containerName << ' ' << describe(c)
        << '\n';
    if (dynamic_cast<const ui::Frame*>(&c)) writeChildren(out, c.widget(), name, controls);
  }
}

}  // namespace

void WriteWindow(std::ostream& out, Main& main) {
  const QWidget* area = main.area();
  out << "window caption=" << quoted(main.Caption())
      << " frameless=" << (main.widget()->windowFlags().testFlag(Qt::FramelessWindowHint) ? 1 : 0)
      << " client=" << DumpNumber(ui::toTwips(area->width())) << 'x' << DumpNumber(ui::toTwips(area->height()))
      << " back=" << DumpColour(main.BackColor()) << '\n';
  ByWidget controls;
  for (const auto& c : main.controls()) controls[c->widget()] = c.get();
  writeChildren(out, area, "window", controls);
}

bool WritePlayerChoice(std::ostream& out, Main& main, int slot) {
  const int item = slot + 2;
  if (slot < 0 || slot >= playerCount(main.state().PlayerIndex) || item > main.cbView[0]->ItemCount()) return false;
  main.cbView[0]->userChoose(item);
  out << "view=player " << slot << '\n';
  WriteWindow(out, main);
  return true;
}

void WriteSummaryChoice(std::ostream& out, Main& main) {
  main.cbView[0]->userChoose(1);
  out << "view=summary\n";
  WritePages(out, main);
}

}  // namespace corv
