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
#include <set>
#include <vector>

#include "ui/Dialogs.h"

namespace ui {

namespace {

// What a desktop's window manager keeps about the program's windows, which
// the offscreen platform does not: the order in which they were last activated
// (most recent last), so that when the active one hides the one before it
// becomes active again; and the window that received the latest activation,
// hidden or not, since an activation counts as a new one only when it moves
// between the program's windows.
class ActivationTracker final {
 public:
  void noteActivated(QWidget* w) {
    forget(w);
    order_.emplace_back(w);
    latest_ = w;
  }
  void forget(QWidget* w) {
    order_.erase(std::remove_if(order_.begin(), order_.end(), [w](const QPointer<QWidget>& p) { return !p || p == w; }),
                 order_.end());
  }
  QWidget* lastActivated() const { return order_.empty() ? nullptr : order_.back().data(); }
  bool isNewActivation(const QWidget* w) const { return latest_ != w; }
  // An activation that reached w when it was hidden already still moved it away from the others.
  void noteLateActivation(QWidget* w) { latest_ = w; }

 private:
  std::vector<QPointer<QWidget>> order_;
  QPointer<QWidget> latest_;
};

ActivationTracker& activation() {
  static ActivationTracker tracker;
  return tracker;
}

// The frame a window manager puts around w: its own once known, else that of
// another of the program's framed windows on screen, which the same window
// manager will most likely draw alike.
QMargins expectedFrame(const QWidget& w) {
  if (w.windowFlags() & Qt::FramelessWindowHint) return {};
  const QWindow* handle = w.windowHandle();
  if (handle && !handle->frameMargins().isNull()) return handle->frameMargins();
  for (const QWidget* other : QApplication::topLevelWidgets())
    if (const QWindow* h = other->windowHandle(); other != &w && h && other->isVisible() && !h->frameMargins().isNull())
      return h->frameMargins();
  return {};
}

// Places w's inside area so that the frame m around it is centred on the screen.
QPoint placeCentred(QWidget& w, const QMargins& m) {
  const QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
  if (!screen) return w.geometry().topLeft();
  const QRect avail = screen->availableGeometry();
  const QSize outer = w.size().grownBy(m);
  const QPoint inside(avail.x() + (avail.width() - outer.width()) / 2 + m.left(),
                      avail.y() + (avail.height() - outer.height()) / 2 + m.top());
  w.setGeometry(QRect(inside, w.size()));
  return inside;
}

// The frame is known only once the window manager has framed the window, just
// before it is first drawn: if it differs from the one expected, the window is
// centred again then, unless it has been moved meanwhile.
class RecentreOnFirstExposure final : public QObject {
 public:
  RecentreOnFirstExposure(QWidget& w, const QMargins& expected, QPoint inside)
      : QObject(&w), w_(w), expected_(expected), inside_(inside) {
    w.windowHandle()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    auto* handle = qobject_cast<QWindow*>(watched);
    if (e->type() == QEvent::Expose && handle && handle->isExposed()) {
      handle->removeEventFilter(this);
      const QMargins real = handle->frameMargins();
      if (real != expected_ && w_.geometry().topLeft() == inside_) placeCentred(w_, real);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget& w_;
  QMargins expected_;
  QPoint inside_;
};

// Key codes as the handlers know them: the virtual-key numbers of the platform
// the windows were designed on. Letters and digits coincide with Qt's.
// AltGr and the level switch are that platform's Alt; Meta, Super and Hyper
// its two system keys.
constexpr std::pair<int, int> kVirtualKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},      {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},     {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},    {Qt::Key_Up, 38},      {Qt::Key_Right, 39},    {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},  {Qt::Key_AltGr, 18},   {Qt::Key_Mode_switch, 18},
    {Qt::Key_Meta, 91},     {Qt::Key_Super_L, 91}, {Qt::Key_Hyper_L, 91}, {Qt::Key_Super_R, 92},  {Qt::Key_Hyper_R, 92},
    {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145}};

int keyCodeOf(int qtKey) {
  for (const auto& [key, code] : kVirtualKeys)
    if (key == qtKey) return code;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return qtKey;
  return qtKey > 0 && qtKey < 256 ? qtKey : 0;
}

bool offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

// The keys held down on the program's windows. A window that goes away in
// the middle of a chord (About closed by F4 with Alt held, or by the window
// manager's Alt+F4) leaves the rest of it to the window that comes next:
// repeats, releases, a window manager's repeated close. None of that is a new
// action, so it goes nowhere until every key of the chord is up. A release
// may never come (the window it went to was gone): a new key, a mouse press
// or another program taking the keyboard ends the chord as well, and a close
// request is held back only while a modifier is really down.
class KeyChord final : public QObject {
 public:
  static KeyChord& instance() {
    static QPointer<KeyChord> chord;
    if (!chord) {
      chord = new KeyChord(qApp);
      qApp->installEventFilter(chord);
    }
    return *chord;
  }

  // A key event about to reach a handler; seen again later, it counts once.
  void track(const QKeyEvent& e) {
    if (e.isAutoRepeat()) return;
    if (e.type() == QEvent::KeyPress)
      held_.insert(keyOf(e));
    else
      held_.erase(keyOf(e));
  }
  void windowGone() { swallowing_ = !held_.empty(); }
  bool holdsCloseBack() const {
    return swallowing_ && QGuiApplication::queryKeyboardModifiers() != Qt::NoModifier;
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        const auto& k = *static_cast<QKeyEvent*>(e);
        if (k.type() == QEvent::KeyPress && !k.isAutoRepeat() && !held_.count(keyOf(k))) swallowing_ = false;
        const bool swallow = swallowing_;
        track(k);
        if (held_.empty()) swallowing_ = false;
        return swallow;
      }
      case QEvent::MouseButtonPress:
      case QEvent::ApplicationDeactivate:
        held_.clear();
        swallowing_ = false;
        return false;
      default:
        return false;
    }
  }

 private:
  using QObject::QObject;
  // The scan code where the platform gives one: a key released with other
  // modifiers than it was pressed with still reads the same.
  static quint32 keyOf(const QKeyEvent& e) {
    return e.nativeScanCode() ? e.nativeScanCode() : static_cast<quint32>(e.key());
  }

  std::set<quint32> held_;
  bool swallowing_ = false;
};

}  // namespace

bool isModifierKey(int keyCode) {
  for (int modifier : {16, 17, 18, 20, 91, 92, 144, 145})
    if (keyCode == modifier) return true;
  return false;
}

void centreOnScreen(QWidget& w) {
  const QMargins expected = expectedFrame(w);
  const QPoint inside = placeCentred(w, expected);
  if (w.windowHandle()) new RecentreOnFirstExposure(w, expected, inside);
}

class Window::Impl final : public QWidget {
 public:
  explicit Impl(Window& owner) : owner_(owner) {}
  ~Impl() override {
    setKeyPreview(false);
    activation().forget(this);
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
    return expectedFrame(*this);
  }

  void centreOnScreen() {
    ensureCreated();
    ui::centreOnScreen(*this);
  }

  // The window became the active one. It counts when the window was just
  // shown or another of the program's windows was active before; coming back
  // from a message box, a dialog or another program does not count.
  void noteActivation() {
    const bool report = activationDue || activation().isNewActivation(this);
    activationDue = false;
    activation().noteActivated(this);
    if (report) {
      if (auto handler = owner_.onActivate) handler();
    }
  }

  // Ends a running modal Show.
  void endModal() {
    if (loop) loop->quit();
  }

  // Hiding the active window hands activation back to the window active before it.
  void handBackActivation() {
    activation().forget(this);
    if (QCoreApplication::closingDown()) return;
    if (QWidget* previous = activation().lastActivated(); previous && previous->isVisible())
      previous->activateWindow();
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
      activation().noteLateActivation(this);
      handBackActivation();
      return handled;
    }
    if (e->type() == QEvent::WindowActivate) {
      const bool handled = QWidget::event(e);
      noteActivation();
      return handled;
    } else if (e->type() == QEvent::KeyPress && !keyPreview_) {
      raiseKeyDown(static_cast<QKeyEvent*>(e));
      // Tab still moves the focus when no control holds it.
      return QWidget::event(e);
    }
    return QWidget::event(e);
  }

  // A close from the title bar unloads the window unless it has a way of
  // its own to close; the program's end unloads every window.
  void closeEvent(QCloseEvent* e) override {
    if (!programEnding()) {
      if (KeyChord::instance().holdsCloseBack()) return e->ignore();
      if (auto handler = owner_.onCloseRequest) {
        handler();
        // Accepted, so that closing every window (a session's end) goes on;
        // the handler has hidden this one or shown another.
        return e->accept();
      }
    }
    owner_.unloaded_ = true;
    e->accept();
    QWidget::closeEvent(e);
    endModal();
    handBackActivation();
  }

  void hideEvent(QHideEvent* e) override {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) {
      endModal();
      KeyChord::instance().windowGone();
    }
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
    // Known as held before the handler runs, which may close the window.
    KeyChord::instance().track(*e);
    if (auto handler = owner_.onKeyDown) handler(keyCodeOf(e->key()), shiftState(e->modifiers()));
  }

  bool keyPreview_ = false;
  const QEvent* lastKey_ = nullptr;
  QPointer<QWidget> lastReceiver_;
};

Window::Window(const QString& objectName) : d_(std::make_unique<Impl>(*this)) {
  KeyChord::instance();
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
  back_ = c;
  setPaletteColour(d_.get(), QPalette::Window, c);
  d_->setAutoFillBackground(true);
}

void Window::setKeyPreview(bool on) { d_->setKeyPreview(on); }
void Window::setIcon(const QIcon& icon) { d_->setWindowIcon(icon); }

void Window::Show(int modal) {
  unloaded_ = false;
  Impl* w = d_.get();
  if (!w->everShown) {
    w->everShown = true;
    if (!w->placed) w->centreOnScreen();
  }
  if (!w->isVisible()) {
    w->activationDue = true;
    if (modal) w->setWindowModality(Qt::ApplicationModal);
  }
  // Qt keeps a hidden window as its focus window when no other took over
  // (the offscreen platform has no window manager to do so); showing it again
  // then brings no activation from the platform, so the window takes it
  // itself, as it would on a desktop.
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
          if (w->isVisible() && QApplication::activeWindow() != w && QGuiApplication::focusWindow() == w->windowHandle())
            w->noteActivation();
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
  const bool wasActive = d_->isActiveWindow() || activation().lastActivated() == d_.get();
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
