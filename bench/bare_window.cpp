// The yardstick for the start-up benchmark: a bare Qt window of the
// launcher's size, shown and timed exactly as the program is.
#include <QApplication>
#include <QWidget>

#include "app/ExitWhenShown.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  corv::ExitWhenShown::installIfAsked();
  QWidget window;
  window.resize(280, 226);
  window.show();
  return app.exec();
}
