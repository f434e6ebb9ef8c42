// A top-level window whose inside area holds controls placed in twips.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/Control.h"

namespace ui {

enum class BorderStyle { None, FixedSingle, FixedToolWindow };

class Window : public Container {
 public:
  explicit Window(const QString& objectName);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window() override;

  QWidget* widget() const;           // the top-level widget
  QWidget* area() const override;    // the inside (client) area

  void setCaption(const QString& caption);
  QString Caption() const;
  void setBorderStyle(BorderStyle s);
  void setClientSize(float widthTwips, float heightTwips);
  void setBackColor(Rgb c);
  Rgb BackColor() const { return back_; }
  void setKeyPreview(bool on);       // key presses reach onKeyDown before any control
  void setIcon(const QIcon& icon);

  // Shows the window; the first showing centres it on the screen. Shown
  // kModal, the call returns only when the window has been unloaded (or hidden).
  static constexpr int kModeless = 0;
  static constexpr int kModal = 1;
  void Show(int modal = kModeless);
  void Hide();
  // Closes the window for good: it is hidden, a modal Show returns, and the
  // owner may then destroy the object.
  void Unload();
  bool isShown() const;
  bool isUnloaded() const { return unloaded_; }

  // Outer geometry in twips, title bar and border included.
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void Move(float left, float top);

  QString Tag;

  std::function<void()> onActivate;                 // every time it becomes the active window
  std::function<void(int keyCode, int shift)> onKeyDown;
  // A close request from outside the program: the window manager's close box,
  // Alt+F4, a taskbar's close. Unset, it unloads the window; set, it runs
  // instead and the window stays loaded. The program's end always unloads.
  std::function<void()> onCloseRequest;

 private:
  class Impl;
  std::unique_ptr<Impl> d_;
  bool unloaded_ = false;
  Rgb back_ = 0;
};

// Whether a key code (as onKeyDown gives it) is a key that only changes
// others, Shift, Ctrl, Alt, AltGr and the system keys, or a lock key.
bool isModifierKey(int keyCode);

// Centres a top-level window on its screen, its frame included. Call it when
// the window's size is final; a window not yet framed by the window manager is
// centred again once its frame is known.
void centreOnScreen(QWidget& w);

}  // namespace ui
