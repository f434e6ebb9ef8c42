#include "ui/Control.h"

#include <QEvent>
#include <QMouseEvent>

#include <utility>

#include "ui/Dialogs.h"

namespace ui {

namespace {

int buttonValue(Qt::MouseButtons b) {
  int v = 0;
  if (b & Qt::LeftButton) v |= kLeftButton;
  if (b & Qt::RightButton) v |= kRightButton;
  if (b & Qt::MiddleButton) v |= kMiddleButton;
  return v;
}

std::optional<quint64> handledMouseTime;

}  // namespace

std::optional<quint64> mouseEventTime() { return handledMouseTime; }

int shiftState(Qt::KeyboardModifiers m) {
  int v = 0;
  if (m & Qt::ShiftModifier) v |= 1;
  if (m & Qt::ControlModifier) v |= 2;
  if (m & Qt::AltModifier) v |= 4;
  return v;
}

void setPaletteColour(QWidget* w, QPalette::ColorRole role, Rgb c) {
  if (!w) return;
  QPalette pal = w->palette();
  pal.setColor(role, toQColor(c));
  w->setPalette(pal);
}

QFont toQFont(const FontSpec& f) {
  QFont q;
  if (!f.family.isEmpty()) q.setFamily(f.family);
  q.setPointSizeF(f.pointSize > 0 && f.pointSize < 1000 ? f.pointSize : 8.25);
  if (f.weight >= 1 && f.weight <= 1000)
    q.setWeight(static_cast<QFont::Weight>(f.weight));
  else
    q.setBold(f.bold);
  q.setItalic(f.italic);
  return q;
}

// Turns the widget's mouse events into the control's handlers. Plain controls
// keep every mouse event, so a press on a label never reaches the frame or
// window beneath it.
class ControlEventFilter final : public QObject {
 public:
  ControlEventFilter(Control* control, QObject* parent) : QObject(parent), control_(control) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != control_->widget()) return false;
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        return handle(&ControlEventFilter::press, event);
      case QEvent::MouseMove:
        return handle(&ControlEventFilter::move, event);
      case QEvent::MouseButtonRelease:
        return handle(&ControlEventFilter::release, event);
      default:
        return false;
    }
  }

 private:
  // Handlers may run event loops of their own (a modal window); an event
  // handled within gives back the time of the one around it.
  bool handle(bool (ControlEventFilter::*step)(QMouseEvent*), QEvent* event) {
    auto* e = static_cast<QMouseEvent*>(event);
    const std::optional<quint64> outer = std::exchange(handledMouseTime, e->timestamp());
    const bool kept = (this->*step)(e);
    handledMouseTime = outer;
    return kept;
  }

  bool press(QMouseEvent* e) {
    control_->leftPressed_ = e->button() == Qt::LeftButton;
    return raise(control_->onMouseDown, buttonValue(e->button()), e);
  }

  bool move(QMouseEvent* e) { return raise(control_->onMouseMove, buttonValue(e->buttons()), e); }

  // Whether the event stays with the control; also when the handler destroyed
  // the control (and this filter with its widget).
  bool raise(const std::function<void(int, int, float, float)>& handler, int button, QMouseEvent* e) {
    const bool keep = !control_->ownMouseHandling_;
    if (!handler) return keep;
    QPointer<QObject> alive(this);
    handler(button, shiftState(e->modifiers()), toTwips(e->position().x()), toTwips(e->position().y()));
    return alive ? keep : true;
  }

  bool release(QMouseEvent* e) {
    const bool keep = !control_->ownMouseHandling_;
    const bool wasPressed = control_->leftPressed_;
    if (e->button() == Qt::LeftButton) control_->leftPressed_ = false;
    QWidget* w = control_->widget();
    if (keep && wasPressed && e->button() == Qt::LeftButton && w && w->rect().contains(e->position().toPoint())) {
      if (auto handler = control_->onClick) {
        QPointer<QObject> alive(this);
        handler();
        if (!alive) return true;
      }
    }
    return keep;
  }

  Control* control_;
};

Control::Control(QWidget* widget, const QString& objectName) : widget_(widget) {
  installFontSubstitutes();
  widget->setObjectName(objectName);
  widget->setMouseTracking(true);
  widget->installEventFilter(new ControlEventFilter(this, widget));
  widget->setVisible(true);
}

Control::~Control() { delete widget_.data(); }

QString Control::name() const { return widget_ ? widget_->objectName() : QString(); }

void Control::setLeft(float v) {
  left_ = v;
  applyGeometry();
}

void Control::setTop(float v) {
  top_ = v;
  applyGeometry();
}

void Control::setWidth(float v) {
  width_ = v;
  applyGeometry();
}

void Control::setHeight(float v) {
  height_ = v;
  applyGeometry();
}

void Control::Move(float left, float top) {
  left_ = left;
  top_ = top;
  applyGeometry();
}

void Control::Move(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  applyGeometry();
}

void Control::applyGeometry() {
  if (!widget_) return;
  // Edges are rounded, not sizes, so controls that abut in twips abut on screen.
  const int x = toPixels(left_);
  const int y = toPixels(top_);
  const int w = std::max(0, toPixels(left_ + width_) - x);
  const int h = std::max(0, toPixels(top_ + height_) - y);
  widget_->setGeometry(x, y, w, h);
}

void Control::setVisible(bool v) {
  visible_ = v;
  if (widget_) widget_->setVisible(v);
}

void Control::ZOrder(int position) {
  if (!widget_) return;
  if (position == kFront)
    widget_->raise();
  else
    widget_->lower();
}

void Control::setFont(const FontSpec& f) {
  font_ = f;
  if (widget_) widget_->setFont(toQFont(f));
}

}  // namespace ui
