#include "ui/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPalette>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace ui {

namespace {

// The program's windows in the order they were last activated, most recent
// last. When the active one hides, the one before it becomes active again, as
// on a desktop whose window manager does so; the offscreen platform does not.
std::vector<QPointer<QWidget>>& activationOrder() {
  static std::vector<QPointer<QWidget>> order;
  return order;
}

void forget(QWidget* w) {
  auto& order = activationOrder();
  order.erase(std::remove_if(order.begin(), order.end(), [w](const QPointer<QWidget>& p) { return !p || p == w; }),
              order.end());
}

void noteActivated(QWidget* w) {
  forget(w);
  activationOrder().emplace_back(w);
}

QWidget* lastActivated() {
  auto& order = activationOrder();
  return order.empty() ? nullptr : order.back().data();
}

// The program's window that received the latest activation, hidden or not:
// an activation counts as a new one only when it moves between our windows.
QPointer<QWidget>& lastActiveWindow() {
  static QPointer<QWidget> last;
  return last;
}

// Key codes as the handlers know them: the virtual-key numbers of the platform
// the windows were designed on. Letters and digits coincide with Qt's.
int keyCodeOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: break;
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return qtKey;
  return qtKey > 0 && qtKey < 256 ? qtKey : 0;
}

bool offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

}  // namespace

class Window::Impl final : public QWidget {
 public:
  explicit Impl(Window& owner) : owner_(owner) {}
  ~Impl() override {
    setKeyPreview(false);
    forget(this);
  }

  void applyStyle() {
    Qt::WindowFlags f;
    switch (style) {
      case BorderStyle::None:
        f = Qt::Window | Qt::FramelessWindowHint;
        break;
      case BorderStyle::FixedSingle:
        f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        break;
      case BorderStyle::FixedToolWindow:
        f = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
            Qt::MSWindowsFixedSizeDialogHint;
        break;
    }
    const bool wasVisible = isVisible();
    setWindowFlags(f);
    if (wasVisible) show();
  }

  // The native window is made once the style is set (made earlier, the
  // platform keeps the old frame), and its frame is then known before the
  // first showing.
  void ensureCreated() {
    if (!testAttribute(Qt::WA_WState_Created)) create();
  }

  void setKeyPreview(bool on) {
    if (on == keyPreview_) return;
    keyPreview_ = on;
    if (on)
      qApp->installEventFilter(this);
    else if (qApp)
      qApp->removeEventFilter(this);
  }

  QMargins frame() {
    ensureCreated();
    QWindow* handle = windowHandle();
    return handle ? handle->frameMargins() : QMargins();
  }

  // Ends a running modal Show.
  void endModal() {
    if (loop) loop->quit();
  }

  // Hiding the active window hands activation back to the window active before it.
  void handBackActivation() {
    forget(this);
    if (QCoreApplication::closingDown()) return;
    if (QWidget* previous = lastActivated(); previous && previous->isVisible()) previous->activateWindow();
  }

  Window& owner_;
  BorderStyle style = BorderStyle::FixedSingle;
  QEventLoop* loop = nullptr;
  bool everShown = false;
  bool placed = false;          // moved by the program before the first showing
  bool activationDue = false;   // shown from hidden: the next activation is reported
  float leftTwips = 0, topTwips = 0;
  bool hasTwipsPos = false;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::WindowActivate && !isVisible()) {
      // A late activation of a window hidden meanwhile goes back where it came from.
      const bool handled = QWidget::event(e);
      handBackActivation();
      return handled;
    }
    if (e->type() == QEvent::WindowActivate) {
      // Activation counts when the window was just shown or another of the
      // program's windows was active before; coming back from a message box,
      // a dialog or another program does not count.
      const bool report = activationDue || lastActiveWindow() != this;
      activationDue = false;
      noteActivated(this);
      lastActiveWindow() = this;
      const bool handled = QWidget::event(e);
      if (report) {
        if (auto handler = owner_.onActivate) handler();
      }
      return handled;
    } else if (e->type() == QEvent::KeyPress && !keyPreview_) {
      raiseKeyDown(static_cast<QKeyEvent*>(e));
      return true;
    }
    return QWidget::event(e);
  }

  // A close from the title bar (or the program's end) unloads the window.
  void closeEvent(QCloseEvent* e) override {
    owner_.unloaded_ = true;
    e->accept();
    QWidget::closeEvent(e);
    endModal();
    handBackActivation();
  }

  void hideEvent(QHideEvent* e) override {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) endModal();
  }

  // Key preview: the window sees every key press aimed at it or at any of its
  // widgets before they do, once per press although Qt hands an unwanted key
  // on to each parent in turn.
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::KeyRelease || e->type() == QEvent::ShortcutOverride) {
      // Every new press is announced by a ShortcutOverride; a release ends one.
      lastKey_ = nullptr;
    } else if (e->type() == QEvent::KeyPress && watched->isWidgetType()) {
      auto* w = static_cast<QWidget*>(watched);
      if (w->window() == this) {
        const bool passedOn = e == lastKey_ && lastReceiver_ && w != lastReceiver_ && w->isAncestorOf(lastReceiver_);
        if (!passedOn) {
          lastKey_ = e;
          lastReceiver_ = w;
          QPointer<QObject> alive(this);
          raiseKeyDown(static_cast<QKeyEvent*>(e));
          if (!alive) return true;
        }
      }
    }
    return false;
  }

 private:
  void raiseKeyDown(QKeyEvent* e) {
    if (auto handler = owner_.onKeyDown) handler(keyCodeOf(e->key()), shiftState(e->modifiers()));
  }

  bool keyPreview_ = false;
  const QEvent* lastKey_ = nullptr;
  QPointer<QWidget> lastReceiver_;
};

Window::Window(const QString& objectName) : d_(std::make_unique<Impl>(*this)) {
  d_->setObjectName(objectName);
  d_->setAttribute(Qt::WA_QuitOnClose, true);
  d_->applyStyle();
}

Window::~Window() {
  d_->endModal();
  if (d_->isVisible()) d_->handBackActivation();
}

QWidget* Window::widget() const { return d_.get(); }
QWidget* Window::area() const { return d_.get(); }

void Window::setCaption(const QString& caption) { d_->setWindowTitle(caption); }
QString Window::Caption() const { return d_->windowTitle(); }

void Window::setBorderStyle(BorderStyle s) {
  if (d_->style == s) return;
  d_->style = s;
  d_->applyStyle();
}

void Window::setClientSize(float widthTwips, float heightTwips) {
  d_->setFixedSize(std::max(0, toPixels(widthTwips)), std::max(0, toPixels(heightTwips)));
}

void Window::setBackColor(Rgb c) {
  QPalette pal = d_->palette();
  pal.setColor(QPalette::Window, toQColor(c));
  d_->setPalette(pal);
  d_->setAutoFillBackground(true);
}

void Window::setKeyPreview(bool on) { d_->setKeyPreview(on); }
void Window::setIcon(const QIcon& icon) { d_->setWindowIcon(icon); }

void Window::Show(int modal) {
  unloaded_ = false;
  Impl* w = d_.get();
  if (!w->everShown) {
    w->everShown = true;
    if (!w->placed) {
      const QScreen* screen = QGuiApplication::primaryScreen();
      if (screen) {
        const QRect avail = screen->availableGeometry();
        const QMargins m = w->frame();
        const QSize outer = w->size().grownBy(m);
        w->move(avail.x() + (avail.width() - outer.width()) / 2, avail.y() + (avail.height() - outer.height()) / 2);
      }
    }
  }
  if (!w->isVisible()) {
    w->activationDue = true;
    if (modal) w->setWindowModality(Qt::ApplicationModal);
  }
  // Qt keeps a hidden window as its focus window when no other took over
  // (the offscreen platform has no window manager to do so); showing it again
  // then brings no activation, so it is given here, as a desktop would.
  const bool staleFocus = w->windowHandle() && QGuiApplication::focusWindow() == w->windowHandle() &&
                          QApplication::activeWindow() != w;
  w->show();
  w->activateWindow();
  // The offscreen platform cannot raise a window and says so on every call.
  if (!offscreen()) w->raise();
  if (staleFocus) {
    QMetaObject::invokeMethod(
        w,
        [w] {
          if (w->isVisible() && QApplication::activeWindow() != w) {
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            QApplication::setActiveWindow(w);
            QT_WARNING_POP
          }
        },
        Qt::QueuedConnection);
  }
  if (!modal || !w->isVisible()) return;

  QPointer<QWidget> alive(w);
  QEventLoop loop;
  w->loop = &loop;
  loop.exec(QEventLoop::DialogExec);
  if (!alive) return;  // destroyed while shown
  w->loop = nullptr;
  if (!w->isVisible()) w->setWindowModality(Qt::NonModal);
}

void Window::Hide() {
  if (!d_->isVisible()) {
    d_->endModal();
    return;
  }
  const bool wasActive = d_->isActiveWindow() || lastActivated() == d_.get();
  d_->hide();
  d_->endModal();
  if (wasActive) d_->handBackActivation();
}

void Window::Unload() {
  unloaded_ = true;
  Hide();
}

bool Window::isShown() const { return d_->isVisible(); }

// Left and Top read back exactly what Move wrote, as long as the window is
// still where that put it (it can also be moved by the user).
float Window::Left() const {
  const int px = d_->pos().x();
  return d_->hasTwipsPos && toPixels(d_->leftTwips) == px ? d_->leftTwips : toTwips(px);
}

float Window::Top() const {
  const int px = d_->pos().y();
  return d_->hasTwipsPos && toPixels(d_->topTwips) == px ? d_->topTwips : toTwips(px);
}

float Window::Width() const {
  const QMargins m = d_->frame();
  return toTwips(d_->width() + m.left() + m.right());
}

float Window::Height() const {
  const QMargins m = d_->frame();
  return toTwips(d_->height() + m.top() + m.bottom());
}

void Window::Move(float left, float top) {
  d_->leftTwips = left;
  d_->topTwips = top;
  d_->hasTwipsPos = true;
  d_->placed = true;
  d_->move(toPixels(left), toPixels(top));
}

}  // namespace ui
