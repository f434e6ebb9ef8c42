// Helpers for the platform-layer tests: a plain area to put controls in and
// mouse events sent the way the window system delivers them.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "ui/Control.h"

namespace uitest {

class Area final : public ui::Container {
 public:
  Area() { widget_.resize(600, 400); }
  QWidget* area() const override { return const_cast<QWidget*>(&widget_); }

 private:
  QWidget widget_;
};

inline void sendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos,
                      Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, mods);
  QApplication::sendEvent(w, &e);
}

}  // namespace uitest
