// The simple controls: label, shape, line, frame, image, timer.
#pragma once

#include <QPixmap>
#include <QTimer>

#include "ui/Control.h"

namespace ui {

// A transparent label that sizes itself to its caption: Width and Height read
// after Caption or font is set are the caption's extent in twips.
class Label final : public Control {
 public:
  Label(Container& parent, const QString& objectName);
  const QString& Caption() const { return caption_; }
  void setCaption(const QString& text);
  Rgb ForeColor() const { return fore_; }
  void setForeColor(Rgb c);
  void setFont(const FontSpec& f) override;
  void setAutoSize(bool on);           // on by default
  void setCentered(bool on);           // text alignment inside the label
  void setTransparent(bool on);        // on by default
  void setBackColor(Rgb c);
  // Captions written with "&&" for one "&" (the credit lines are); off by
  // default, so that any other text shows exactly as given.
  void setDoubledAmpersands(bool on);
  // The caption before + name + after as this label would show it at most
  // maxWidth twips wide: whole where it fits, otherwise with the name alone
  // cut short at its end with "…", measured in the label's own font.
  QString captionFitting(const QString& before, const QString& name, const QString& after, float maxWidth) const;

 private:
  void resizeToCaption();
  void applyBackground();
  QString caption_;
  Rgb fore_ = 0;
  Rgb back_ = kWhite;
  bool autoSize_ = true;
  bool transparent_ = true;
  bool doubledAmpersands_ = false;
};

// A rectangle filled solid with FillColor, with a one-pixel border.
class Shape final : public Control {
 public:
  Shape(Container& parent, const QString& objectName);
  Rgb FillColor() const { return fill_; }
  void setFillColor(Rgb c);
  Rgb BorderColor() const { return border_; }
  void setBorderColor(Rgb c);

 private:
  Rgb fill_ = 0, border_ = 0;
};

// A straight line from (X1, Y1) to (X2, Y2), in the container's twips.
class Line final : public Control {
 public:
  Line(Container& parent, const QString& objectName);
  void setPoints(float x1, float y1, float x2, float y2);
  float X1() const { return x1_; }
  float Y1() const { return y1_; }
  float X2() const { return x2_; }
  float Y2() const { return y2_; }
  Rgb BorderColor() const { return color_; }
  void setBorderColor(Rgb c);
  int BorderWidth() const { return penWidth_; }
  void setBorderWidth(int pixels);
  // Off by default: the mouse passes through a line to what lies beneath. On,
  // the line's own pixels take the mouse (and raise no event of their own).
  void setTakesMouse(bool on);

 protected:
  // Moving a line (Left, Top) shifts both its points; its extent stays.
  void applyGeometry() override;

 private:
  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Rgb color_ = 0;
  int penWidth_ = 1;
};

// A borderless frame that holds other controls; the pages are frames.
class Frame final : public Control, public Container {
 public:
  Frame(Container& parent, const QString& objectName);
  QWidget* area() const override { return widget(); }
  void setBackColor(Rgb c);
  Rgb BackColor() const { return back_; }

 private:
  Rgb back_ = 0;
};

// A picture: shown at its own size, or stretched over the control's box.
class Image final : public Control {
 public:
  Image(Container& parent, const QString& objectName);
  const QPixmap& Picture() const { return picture_; }
  void setPicture(const QPixmap& p);
  bool Stretch() const { return stretch_; }
  void setStretch(bool on);

 private:
  void fitToPicture();
  QPixmap picture_;
  bool stretch_ = false;
};

// A timer raising onTimer every Interval milliseconds while Enabled.
class Timer final {
 public:
  Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  void setInterval(int ms);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool on);
  std::function<void()> onTimer;

 private:
  QTimer timer_;
  int interval_ = 0;
  bool enabled_ = false;
};

}  // namespace ui
