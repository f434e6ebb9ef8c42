// Starts Qt, creates the shared state and shows the launcher.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#ifdef CORV_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <thread>
#endif

#include "app/ExitWhenShown.h"
#include "assets/Assets.h"
#include "log/PlayerStats.h"
#include "shell/Startup.h"
#include "ui/Dialogs.h"

int main(int argc, char** argv) {
#ifdef CORV_HAVE_FONTCONFIG
  // The launcher's first label waits for the system's font configuration,
  // which takes milliseconds to read; read it while Qt connects to the
  // display. Qt later finds it loaded.
  std::thread fonts([] { FcInit(); });
#endif
  QApplication app(argc, argv);
#ifdef CORV_HAVE_FONTCONFIG
  fonts.join();
#endif
  corv::ExitWhenShown::installIfAsked();
  QApplication::setApplicationName(QStringLiteral("Corvaneth Stats"));
  QApplication::setDesktopFileName(QStringLiteral("corvaneth-stats"));
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(corv::assets::readPicture(corv::assets::kIcon32)));
  icon.addPixmap(QPixmap::fromImage(corv::assets::readPicture(corv::assets::kIcon16)));
  QApplication::setWindowIcon(icon);
  ui::installFontSubstitutes();

  corv::StatsState state;
  shell::Startup launcher(state);
  launcher.Show();
  return app.exec();
}
