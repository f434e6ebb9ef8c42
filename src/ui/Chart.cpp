#include "ui/Chart.h"

#include <QChart>
#include <QChartView>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLocale>
#include <QMouseEvent>
#include <QPieSeries>
#include <QPieSlice>

#include <algorithm>
#include <array>
#include <cmath>

namespace ui {

namespace {

// More columns than any chart of the program has; beyond it writes are ignored.
constexpr int kMaxColumns = 256;

// Colours of series whose colour the program never set.
constexpr std::array<Rgb, 8> kDefaultPalette{
    corv::rgb(0, 128, 192),   corv::rgb(192, 64, 64),  corv::rgb(64, 160, 64),  corv::rgb(224, 192, 64),
    corv::rgb(160, 96, 192),  corv::rgb(64, 192, 192), corv::rgb(224, 128, 64), corv::rgb(160, 160, 160)};

Rgb defaultColour(int series) { return kDefaultPalette[static_cast<std::size_t>(series - 1) % kDefaultPalette.size()]; }

// Scores are 64-bit, so values reach 9.2e18; far beyond that the axis
// arithmetic would overflow, so drawn values are held to a generous range.
double numberOf(const QString& text) {
  bool ok = false;
  const double v = QLocale::c().toDouble(text.trimmed(), &ok);
  constexpr double kLimit = 1e300;
  return ok && std::isfinite(v) ? std::clamp(v, -kLimit, kLimit) : 0.0;
}

// A value axis that reads well at any size: it holds 0 and every value, and
// its ticks are whole numbers a step of 1, 2 or 5 times a power of ten apart,
// about five steps, so no two ticks can share a label.
struct Ticks {
  double low = 0, step = 1;
  int steps = 1;
};

Ticks wholeTicks(double lo, double hi) {
  lo = std::min(lo, 0.0);
  hi = std::max(hi, 0.0);
  const double wanted = hi / 5 - lo / 5;  // halves first: hi - lo may overflow
  Ticks t;
  if (wanted > 1) {
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    const double f = wanted / power;
    t.step = (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * power;
  }
  t.low = std::floor(lo / t.step) * t.step;
  t.steps = std::max(1, static_cast<int>(std::ceil(hi / t.step) - std::floor(lo / t.step)));
  return t;
}

// Tick labels in one unit for the whole axis: plain up to 9999, beyond that
// in k, M, G and so on, the largest unit the top tick reaches, so that long
// numbers never crowd the plot.
QStringList tickLabels(const Ticks& t) {
  const double top = std::max(std::fabs(t.low), std::fabs(t.low + t.steps * t.step));
  static const char* const kUnits[] = {"", "k", "M", "G", "T", "P", "E", "Z", "Y"};
  int u = 0;
  double unit = 1;
  while (top >= 10000 && top / unit >= 1000 && u < 8) {
    unit *= 1000;
    ++u;
  }
  QStringList labels;
  for (int k = 0; k <= t.steps; ++k) {
    const double v = (t.low + k * t.step) / unit;
    labels << (v == 0 ? QStringLiteral("0") : QString::number(v, 'g', 15) + QLatin1String(kUnits[u]));
  }
  return labels;
}

QFont smallFont() {
  QFont f;
  f.setPointSizeF(7);
  return f;
}

}  // namespace

// The Qt Charts view: one pie series or one bar series with a set per
// column. Values and colours are changed in place; only a new kind or column
// count builds the series again.
class Chart::View final : public QChartView {
 public:
  // The chart is handed to the view's constructor: a chart replaced later by
  // setChart would be left to its fate.
  explicit View(QWidget* parent) : QChartView(new QChart, parent), chart_(chart()) {
    chart_->setTheme(QChart::ChartThemeDark);
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setBackgroundVisible(false);
    chart_->setPlotAreaBackgroundVisible(false);
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(kChartMarginPixels, kChartMarginPixels, kChartMarginPixels, kChartMarginPixels));
    chart_->legend()->hide();
    chart_->setTitleFont(smallFont());
    chart_->setTitleBrush(QBrush(QColor(224, 224, 224)));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(Qt::NoBrush);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("background: transparent"));
    // A chart answers no key, so Tab passes it by.
    setFocusPolicy(Qt::NoFocus);
  }

  // The series and axes of a kind are made once and kept: Qt Charts does not
  // give back all it took for a series and axes that are removed again, so a
  // chart rebuilt for every player view would grow without end.
  void setKind(Kind kind, const QString& rowLabel) {
    if (kind == Kind::Pie2D ? pie_ != nullptr : bars_ != nullptr) return;
    chart_->removeAllSeries();
    for (QAbstractAxis* a : chart_->axes()) {
      chart_->removeAxis(a);
      delete a;
    }
    pie_ = nullptr;
    bars_ = nullptr;
    sets_.clear();
    categories_ = nullptr;
    values_ = nullptr;

    if (kind == Kind::Pie2D) {
      pie_ = new QPieSeries;
      pie_->setPieSize(0.85);
      chart_->addSeries(pie_);
      chart_->setTitle(rowLabel);
    } else {
      bars_ = new QBarSeries;
      bars_->setBarWidth(0.9);
      chart_->addSeries(bars_);
      chart_->setTitle(QString());
      categories_ = new QBarCategoryAxis;
      categories_->append(rowLabel.isEmpty() ? QStringLiteral(" ") : rowLabel);
      categories_->setLabelsFont(smallFont());
      chart_->addAxis(categories_, Qt::AlignBottom);
      bars_->attachAxis(categories_);
      values_ = new QCategoryAxis;
      values_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
      values_->setLabelsFont(smallFont());
      chart_->addAxis(values_, Qt::AlignLeft);
      bars_->attachAxis(values_);
    }
  }

  // One slice or bar per column, added or removed at the end, while the series
  // is out of the chart: Qt Charts' bar item keeps some hundred bytes for every
  // set removed from its series for as long as it lives, so each log with
  // another player count would leave them behind. Back in the chart, the
  // series gets new items, and the old ones go at the event loop's next turn.
  void setColumns(const std::vector<QString>& data, const std::vector<Rgb>& colours) {
    const auto n = static_cast<int>(data.size());
    QAbstractSeries* const series = pie_ ? static_cast<QAbstractSeries*>(pie_) : bars_;
    const bool changing = pie_ ? pie_->count() != n : static_cast<int>(sets_.size()) != n;
    if (changing) chart_->removeSeries(series);
    if (pie_) {
      while (pie_->count() > n) pie_->remove(pie_->slices().constLast());
      while (pie_->count() < n) pie_->append(QString(), 0);
    }
    if (bars_) {
      while (static_cast<int>(sets_.size()) > n) {
        bars_->remove(sets_.back());
        sets_.pop_back();
      }
      while (static_cast<int>(sets_.size()) < n) {
        auto* set = new QBarSet(QString());
        set->append(0);
        bars_->append(set);
        sets_.push_back(set);
      }
    }
    if (changing) {
      chart_->addSeries(series);
      for (QAbstractAxis* axis : chart_->axes()) series->attachAxis(axis);
    }
    for (int i = 0; i < n; ++i) {
      setValue(i, numberOf(data[static_cast<std::size_t>(i)]), false);
      setColour(i, colours[static_cast<std::size_t>(i)]);
    }
    fitAxis();
  }

  void setRowLabel(const QString& label) {
    if (pie_) chart_->setTitle(label);
    if (categories_) categories_->setCategories({label.isEmpty() ? QStringLiteral(" ") : label});
  }

  void setValue(int i, double v, bool fit = true) {
    if (pie_ && i < pie_->count()) {
      pie_->slices().at(i)->setValue(std::max(0.0, v));  // a pie has no negative slices
      // With nothing to share out, Qt would paint the whole disc in the last
      // slice's colour; an empty pie draws no slice at all.
      pie_->setVisible(pie_->sum() > 0);
    }
    if (i < static_cast<int>(sets_.size())) {
      sets_[static_cast<std::size_t>(i)]->replace(0, v);
      if (fit) fitAxis();
    }
  }

  void setColour(int i, Rgb c) {
    const QColor q = toQColor(c);
    if (pie_ && i < pie_->count()) {
      QPieSlice* s = pie_->slices().at(i);
      s->setBrush(q);
    }
    if (i < static_cast<int>(sets_.size())) sets_[static_cast<std::size_t>(i)]->setBrush(q);
  }

  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
  }

  void mouseReleaseEvent(QMouseEvent* e) override {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click && onClick) onClick();
  }

 private:
  void fitAxis() {
    if (!values_) return;
    double lo = 0, hi = 0;
    for (QBarSet* s : sets_) {
      lo = std::min(lo, s->at(0));
      hi = std::max(hi, s->at(0));
    }
    const Ticks t = wholeTicks(lo, hi);
    const QStringList labels = tickLabels(t);
    if (labels == values_->categoriesLabels()) return;  // the labels name their ticks: nothing moved
    for (const QString& old : values_->categoriesLabels()) values_->remove(old);
    values_->setStartValue(t.low);
    for (int k = 0; k <= t.steps; ++k) values_->append(labels[k], t.low + k * t.step);
    values_->setRange(t.low, t.low + t.steps * t.step);
  }

  QChart* chart_ = nullptr;
  QPieSeries* pie_ = nullptr;
  QBarSeries* bars_ = nullptr;
  std::vector<QBarSet*> sets_;
  QBarCategoryAxis* categories_ = nullptr;
  QCategoryAxis* values_ = nullptr;
  bool pressed_ = false;
};

Chart::Chart(Container& parent, const QString& objectName)
    : Control(new View(parent.area()), objectName), view_(static_cast<View*>(widget())) {
  ownMouseHandling_ = true;
  view_->onClick = [this] {
    if (auto handler = onChartEvent) handler();
  };
  rebuild();
}

Chart::~Chart() = default;

void Chart::setKind(Kind k) {
  kind_ = k;
  rebuild();
}

void Chart::setRowLabel(const QString& label) {
  rowLabel_ = label;
  if (widget()) view_->setRowLabel(label);
}

void Chart::setColumnCount(int n) {
  n = std::clamp(n, 0, kMaxColumns);
  if (n == ColumnCount()) return;
  data_.resize(static_cast<std::size_t>(n), QStringLiteral("0"));
  while (static_cast<int>(colors_.size()) < n) colors_.push_back(defaultColour(static_cast<int>(colors_.size()) + 1));
  rebuild();
}

void Chart::setColumn(int c) { column_ = c; }

void Chart::setData(const QString& numberText) {
  if (column_ < 1 || column_ > ColumnCount()) return;
  data_[static_cast<std::size_t>(column_ - 1)] = numberText;
  if (widget()) view_->setValue(column_ - 1, numberOf(numberText));
}

QString Chart::columnData(int c) const {
  if (c < 1 || c > ColumnCount()) return QString();
  return data_[static_cast<std::size_t>(c - 1)];
}

Rgb Chart::SeriesFillColor(int i) const {
  if (i < 1) return kBlack;
  if (i <= static_cast<int>(colors_.size())) return colors_[static_cast<std::size_t>(i - 1)];
  return defaultColour(i);
}

void Chart::setSeriesFillColor(int i, Rgb c) {
  if (i < 1 || i > kMaxColumns) return;
  while (static_cast<int>(colors_.size()) < i) colors_.push_back(defaultColour(static_cast<int>(colors_.size()) + 1));
  colors_[static_cast<std::size_t>(i - 1)] = c;
  if (widget()) view_->setColour(i - 1, c);
}

void Chart::rebuild() {
  if (!widget()) return;
  while (colors_.size() < data_.size()) colors_.push_back(defaultColour(static_cast<int>(colors_.size()) + 1));
  view_->setKind(kind_, rowLabel_);
  view_->setColumns(data_, colors_);
}

}  // namespace ui
