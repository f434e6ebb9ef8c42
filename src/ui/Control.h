// Base of every control: twips geometry, visibility, z-order, font and the
// mouse events, over one QWidget.
#pragma once

#include <QFont>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "ui/Twips.h"

namespace ui {

class Container;

// The keyboard state as the mouse and key handlers see it: 1 shift, 2 ctrl, 4 alt.
int shiftState(Qt::KeyboardModifiers m);

// The time, in ms, that the mouse event being handled carries from the
// platform, or none outside one: two presses compare by when they happened,
// not by when they are handled.
std::optional<quint64> mouseEventTime();

struct FontSpec {
  QString family;      // the design's font name; installFontSubstitutes maps it to an installed one
  double pointSize = 8.25;
  bool bold = false;
  bool italic = false;
  int weight = -1;     // 100..900 when the design gives a weight other than normal/bold
};

// The Qt font for a design font (its family goes through the substitutes).
QFont toQFont(const FontSpec& f);

// Gives one colour role of a widget's palette the colour c (a null widget is passed over).
void setPaletteColour(QWidget* w, QPalette::ColorRole role, Rgb c);

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  float Left() const { return left_; }
  float Top() const { return top_; }
  virtual float Width() const { return width_; }
  virtual float Height() const { return height_; }
  void setLeft(float v);
  void setTop(float v);
  virtual void setWidth(float v);
  virtual void setHeight(float v);
  void Move(float left, float top);
  void Move(float left, float top, float width, float height);

  bool Visible() const { return visible_; }
  void setVisible(bool v);

  // kFront brings the control in front of its siblings, kBack sends it behind them.
  static constexpr int kFront = 0;
  static constexpr int kBack = 1;
  void ZOrder(int position = kFront);

  virtual void setFont(const FontSpec& f);
  const FontSpec& font() const { return font_; }

  QWidget* widget() const { return widget_; }
  QString name() const;

  // X and Y in twips relative to the control; button is the set of buttons
  // held (MouseButton values), shift the keyboard state (1 shift, 2 ctrl, 4 alt).
  std::function<void(int button, int shift, float x, float y)> onMouseDown;
  std::function<void(int button, int shift, float x, float y)> onMouseMove;
  std::function<void()> onClick;

 protected:
  // Takes a widget already parented to the container's area.
  Control(QWidget* widget, const QString& objectName);
  // Places the widget from the twips geometry; a line places itself from its points.
  virtual void applyGeometry();
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  FontSpec font_;
  // Controls with a mouse of their own (chooser, tab strip, chart) still report
  // MouseDown and MouseMove, but keep the events and raise their click their own way.
  bool ownMouseHandling_ = false;

 private:
  friend class ControlEventFilter;
  QPointer<QWidget> widget_;
  bool leftPressed_ = false;  // a left press on this control awaits its release (the click)
};

// Something controls can be placed in: a window's inside area or a frame.
class Container {
 public:
  virtual ~Container() = default;
  virtual QWidget* area() const = 0;
};

}  // namespace ui
