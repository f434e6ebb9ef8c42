// A chart with one data row: a two-dimensional pie or bar chart with one
// series per column, each series with a solid fill colour of its own.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "ui/Control.h"

namespace ui {

// The empty edge a chart keeps inside its box on every side, in pixels.
inline constexpr int kChartMarginPixels = 2;

class Chart final : public Control {
 public:
  enum class Kind { Pie2D, Bar2D };

  Chart(Container& parent, const QString& objectName);
  ~Chart() override;

  Kind kind() const { return kind_; }
  void setKind(Kind k);
  void setRowLabel(const QString& label);
  const QString& RowLabel() const { return rowLabel_; }

  int ColumnCount() const { return static_cast<int>(data_.size()); }
  void setColumnCount(int n);  // keeps existing values and colours, adds columns with 0
  void setColumn(int c);       // counted from 1
  // The current column's value, written as the text of a number.
  void setData(const QString& numberText);
  QString columnData(int c) const;

  // Fill colour of series i (counted from 1); reading a series beyond the
  // column count gives the colour it would get.
  Rgb SeriesFillColor(int i) const;
  void setSeriesFillColor(int i, Rgb c);

  std::function<void()> onChartEvent;  // raised on a click in the chart

 private:
  void rebuild();
  class View;
  View* view_;
  Kind kind_ = Kind::Bar2D;
  QString rowLabel_;
  std::vector<QString> data_;
  std::vector<Rgb> colors_;
  int column_ = 1;
};

}  // namespace ui
