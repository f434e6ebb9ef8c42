#include "shell/BrowseFolders.h"

#include <QChar>
#include <QDir>

#include "ui/Dialogs.h"

namespace shell {

QString BrowseForFolder(const QString& start, const QString& title) {
  QString path = ui::PickFolder(ui::ActiveWindow(), start, title);
  // A chooser that fills a fixed buffer hands back its terminator and filler
  // too; the path ends at the first NUL.
  const qsizetype nul = path.indexOf(QChar(u'\0'));
  if (nul >= 0) path.truncate(nul);
  return QDir::toNativeSeparators(path);
}

}  // namespace shell
