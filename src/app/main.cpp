// Starts Qt, creates the shared state and shows the launcher.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "app/ExitWhenShown.h"
#include "assets/Assets.h"
#include "log/PlayerStats.h"
#include "shell/Startup.h"
#include "ui/Dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
