// For the start-up benchmark only: with CORV_EXIT_WHEN_SHOWN=1 in the
// environment the process ends as soon as its first window is on the screen,
// so start-to-window can be timed as a whole process. The bare-window
// benchmark uses the same header, so both are measured the same way.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <cstdlib>

namespace corv {

class ExitWhenShown final : public QObject {
 public:
  static void installIfAsked() {
    if (qEnvironmentVariableIntValue("CORV_EXIT_WHEN_SHOWN") != 1) return;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new ExitWhenShown(app));
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Expose) {
      auto* window = qobject_cast<QWindow*>(watched);
      // The window paints while it handles this event; end on the next turn of
      // the event loop, once the display server has everything it was sent.
      if (window && window->isExposed()) {
        seen_ = true;
        QTimer::singleShot(0, [] {
          QGuiApplication::sync();
          std::_Exit(0);
        });
      }
    }
    return false;
  }

 private:
  using QObject::QObject;
  bool seen_ = false;
};

}  // namespace corv
