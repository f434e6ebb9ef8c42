#include "ui/Controls.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// A caption as a label shows it: a CR LF pair is one break; a doubled
// ampersand is one ampersand only where the label was told its captions are
// written that way, so that a player's name shows exactly as the log has it.
QString shownText(const QString& caption, bool doubledAmpersands) {
  QString t = caption;
  if (doubledAmpersands) t.replace(QStringLiteral("&&"), QStringLiteral("&"));
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return t;
}

// The advance of a caption's widest line, in pixels.
int captionAdvance(const QFontMetrics& fm, const QString& shown) {
  int widest = 0;
  for (const QString& line : shown.split(QLatin1Char('\n'))) widest = std::max(widest, fm.horizontalAdvance(line));
  return widest;
}

class ShapeWidget final : public QWidget {
 public:
  explicit ShapeWidget(QWidget* parent) : QWidget(parent) {}
  QColor fill{Qt::black};
  QColor border{Qt::black};

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), border);
    if (width() > 2 && height() > 2) p.fillRect(rect().adjusted(1, 1, -1, -1), fill);
  }
};

class LineWidget final : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
  QPoint from, to;
  QColor color{Qt::black};
  int penWidth = 1;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(color, penWidth, Qt::SolidLine, penWidth > 1 ? Qt::RoundCap : Qt::SquareCap));
    p.drawLine(from, to);
  }
};

class ImageWidget final : public QWidget {
 public:
  explicit ImageWidget(QWidget* parent) : QWidget(parent) {}
  QPixmap picture;
  bool stretch = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture.isNull()) return;
    QPainter p(this);
    if (stretch) {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawPixmap(rect(), picture);
    } else {
      p.drawPixmap(0, 0, picture);
    }
  }
};

QSizeF pictureSize(const QPixmap& p) { return p.deviceIndependentSize(); }

}  // namespace

// ---- Label ----------------------------------------------------------------

Label::Label(Container& parent, const QString& objectName) : Control(new QLabel(parent.area()), objectName) {
  auto* l = static_cast<QLabel*>(widget());
  l->setTextFormat(Qt::PlainText);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setMargin(0);
  l->setIndent(0);
  l->setWordWrap(false);
  setForeColor(fore_);
  applyBackground();
}

void Label::setCaption(const QString& text) {
  caption_ = text;
  if (auto* l = static_cast<QLabel*>(widget())) l->setText(shownText(text, doubledAmpersands_));
  if (autoSize_) resizeToCaption();
}

void Label::setDoubledAmpersands(bool on) {
  doubledAmpersands_ = on;
  setCaption(caption_);
}

QString Label::captionFitting(const QString& before, const QString& name, const QString& after,
                              float maxWidth) const {
  const QString whole = before + name + after;
  const QWidget* w = widget();
  if (!w || !std::isfinite(maxWidth)) return whole;
  const QFontMetrics fm = w->fontMetrics();
  // The label's width is whole pixels at 15 twips each.
  const int limit = static_cast<int>(std::floor(std::max(maxWidth, 0.0f) / kTwipsPerPixel));
  const auto fits = [&](const QString& caption) {
    return captionAdvance(fm, shownText(caption, doubledAmpersands_)) <= limit;
  };
  if (fits(whole)) return whole;
  // Kerning across the joins may keep the parts from adding up exactly, so
  // the name's room shrinks until the whole fits.
  for (int room = limit - fm.horizontalAdvance(before + after); room > 0; --room) {
    const QString shortened = fm.elidedText(name, Qt::ElideRight, room);
    if (shortened.isEmpty()) break;
    if (fits(before + shortened + after)) return before + shortened + after;
  }
  return before + QChar(0x2026) + after;
}

void Label::setForeColor(Rgb c) {
  fore_ = c;
  setPaletteColour(widget(), QPalette::WindowText, c);
}

void Label::setFont(const FontSpec& f) {
  Control::setFont(f);
  if (autoSize_) resizeToCaption();
}

void Label::setAutoSize(bool on) {
  autoSize_ = on;
  if (on) resizeToCaption();
}

void Label::setCentered(bool on) {
  if (auto* l = static_cast<QLabel*>(widget())) l->setAlignment((on ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
}

void Label::setTransparent(bool on) {
  transparent_ = on;
  applyBackground();
}

void Label::setBackColor(Rgb c) {
  back_ = c;
  applyBackground();
}

void Label::applyBackground() {
  setPaletteColour(widget(), QPalette::Window, back_);
  if (QWidget* w = widget()) w->setAutoFillBackground(!transparent_);
}

void Label::resizeToCaption() {
  QWidget* w = widget();
  if (!w) return;
  // The extent a caption takes: the advance of its widest line, and a font
  // height per line.
  const QFontMetrics fm = w->fontMetrics();
  const QString shown = shownText(caption_, doubledAmpersands_);
  width_ = toTwips(captionAdvance(fm, shown));
  height_ = toTwips(fm.height() + shown.count(QLatin1Char('\n')) * fm.lineSpacing());
  applyGeometry();
}

// ---- Shape ----------------------------------------------------------------

Shape::Shape(Container& parent, const QString& objectName) : Control(new ShapeWidget(parent.area()), objectName) {}

void Shape::setFillColor(Rgb c) {
  fill_ = c;
  if (auto* w = static_cast<ShapeWidget*>(widget())) {
    w->fill = toQColor(c);
    w->update();
  }
}

void Shape::setBorderColor(Rgb c) {
  border_ = c;
  if (auto* w = static_cast<ShapeWidget*>(widget())) {
    w->border = toQColor(c);
    w->update();
  }
}

// ---- Line -----------------------------------------------------------------

Line::Line(Container& parent, const QString& objectName) : Control(new LineWidget(parent.area()), objectName) {}

void Line::setPoints(float x1, float y1, float x2, float y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  left_ = std::min(x1, x2);
  top_ = std::min(y1, y2);
  applyGeometry();
}

void Line::applyGeometry() {
  const float dx = left_ - std::min(x1_, x2_);
  const float dy = top_ - std::min(y1_, y2_);
  x1_ += dx;
  x2_ += dx;
  y1_ += dy;
  y2_ += dy;
  width_ = std::fabs(x2_ - x1_);
  height_ = std::fabs(y2_ - y1_);

  auto* w = static_cast<LineWidget*>(widget());
  if (!w) return;
  // The widget covers the line's box with room for the pen on every side.
  const int pad = w->penWidth / 2 + 1;
  const QPoint a(toPixels(x1_), toPixels(y1_));
  const QPoint b(toPixels(x2_), toPixels(y2_));
  const QPoint origin(std::min(a.x(), b.x()) - pad, std::min(a.y(), b.y()) - pad);
  w->from = a - origin;
  w->to = b - origin;
  w->setGeometry(origin.x(), origin.y(), std::abs(b.x() - a.x()) + 2 * pad + 1, std::abs(b.y() - a.y()) + 2 * pad + 1);
  if (!w->testAttribute(Qt::WA_TransparentForMouseEvents)) {
    // Only the pen's own pixels stand over what lies beneath.
    QPainterPath path(w->from);
    path.lineTo(w->to);
    QPainterPathStroker stroke;
    stroke.setWidth(w->penWidth);
    w->setMask(QRegion(stroke.createStroke(path).toFillPolygon().toPolygon()) |
               QRegion(QRect(w->from, w->to).normalized()));
  }
  w->update();
}

void Line::setTakesMouse(bool on) {
  if (QWidget* w = widget()) w->setAttribute(Qt::WA_TransparentForMouseEvents, !on);
  applyGeometry();
}

void Line::setBorderColor(Rgb c) {
  color_ = c;
  if (auto* w = static_cast<LineWidget*>(widget())) {
    w->color = toQColor(c);
    w->update();
  }
}

void Line::setBorderWidth(int pixels) {
  penWidth_ = std::clamp(pixels, 1, 1000);
  if (auto* w = static_cast<LineWidget*>(widget())) w->penWidth = penWidth_;
  applyGeometry();
}

// ---- Frame ----------------------------------------------------------------

Frame::Frame(Container& parent, const QString& objectName) : Control(new QWidget(parent.area()), objectName) {
  widget()->setAutoFillBackground(true);
  setBackColor(back_);
}

void Frame::setBackColor(Rgb c) {
  back_ = c;
  setPaletteColour(widget(), QPalette::Window, c);
}

// ---- Image ----------------------------------------------------------------

Image::Image(Container& parent, const QString& objectName) : Control(new ImageWidget(parent.area()), objectName) {}

void Image::setPicture(const QPixmap& p) {
  picture_ = p;
  if (auto* w = static_cast<ImageWidget*>(widget())) {
    w->picture = p;
    w->update();
  }
  fitToPicture();
}

// Not stretched, the control takes the picture's own size.
void Image::fitToPicture() {
  if (stretch_ || picture_.isNull()) return;
  const QSizeF s = pictureSize(picture_);
  width_ = toTwips(s.width());
  height_ = toTwips(s.height());
  applyGeometry();
}

void Image::setStretch(bool on) {
  stretch_ = on;
  if (auto* w = static_cast<ImageWidget*>(widget())) {
    w->stretch = on;
    w->update();
  }
  fitToPicture();
}

// ---- Timer ----------------------------------------------------------------

Timer::Timer() {
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
    // The handler may stop or replace itself; call a copy.
    if (auto handler = onTimer) handler();
  });
}

void Timer::setInterval(int ms) {
  interval_ = std::max(0, ms);
  timer_.setInterval(interval_);
  setEnabled(enabled_);
}

// An interval of 0 keeps the timer still, whatever Enabled says.
void Timer::setEnabled(bool on) {
  enabled_ = on;
  if (enabled_ && interval_ > 0) {
    if (!timer_.isActive()) timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace ui
