#include "ui/Dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QMessageBox>
#include <QUrl>

#include "ui/FileOpenDialog.h"

namespace ui {

namespace {

// Message box styles: the low three bits choose the buttons, the next three the icon.
int realMessageBox(QWidget* owner, const QString& prompt, int style, const QString& title) {
  QMessageBox::StandardButtons buttons;
  switch (style & 7) {
    case 1: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case 2: buttons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore; break;
    case 3: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case 4: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case 5: buttons = QMessageBox::Retry | QMessageBox::Cancel; break;
    default: buttons = QMessageBox::Ok; break;
  }
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (style & 0x70) {
    case 16: icon = QMessageBox::Critical; break;
    case 32: icon = QMessageBox::Question; break;
    case 48: icon = QMessageBox::Warning; break;
    case 64: icon = QMessageBox::Information; break;
    default: break;
  }
  QMessageBox box(icon, title, prompt, buttons, owner);
  box.setTextFormat(Qt::PlainText);
  switch (box.exec()) {
    case QMessageBox::Cancel: return 2;
    case QMessageBox::Abort: return 3;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ignore: return 5;
    case QMessageBox::Yes: return kMsgResultYes;
    case QMessageBox::No: return kMsgResultNo;
    case QMessageBox::Ok: return kMsgResultOk;
    default:
      // Closed without a button: Yes/No boxes answer No, the others Cancel or OK.
      if ((style & 7) == 4) return kMsgResultNo;
      return (style & 7) == 0 ? kMsgResultOk : 2;
  }
}

std::optional<QString> realOpenFile(QWidget* owner, const QString& fileName, const QString& filter) {
  const QString chosen = QFileDialog::getOpenFileName(owner, QString(), openDialogStart(fileName), qtFileFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(chosen);
}

QString realPickFolder(QWidget* owner, const QString& start, const QString& title) {
  const QString chosen = QFileDialog::getExistingDirectory(owner, title, localPath(start), QFileDialog::ShowDirsOnly);
  return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

void realOpenUrl(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

void realEnd() {
  QApplication::closeAllWindows();
  QCoreApplication::exit(0);
}

DialogHandlers realHandlers() { return {realMessageBox, realOpenFile, realPickFolder, realOpenUrl, realEnd}; }

}  // namespace

QString localPath(const QString& path) {
#ifdef Q_OS_WIN
  return path;
#else
  QString p = path;
  p.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return p;
#endif
}

QString qtFileFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed();
    // Qt takes the patterns from the parentheses; a description that already
    // shows them is used as it is.
    if (description.contains(QLatin1Char('(') + patterns + QLatin1Char(')')))
      entries << description;
    else
      entries << QStringLiteral("%1 (%2)").arg(description, patterns);
  }
  if (entries.isEmpty() && !filter.isEmpty()) entries << filter;
  return entries.join(QStringLiteral(";;"));
}

QString openDialogStart(const QString& fileName) {
  const QString p = localPath(fileName);
  const qsizetype cut = p.lastIndexOf(QLatin1Char('/'));
  const QString last = cut < 0 ? p : p.mid(cut + 1);
  // A pattern names no file to select: the dialog starts in its folder.
  if (last.contains(QLatin1Char('*')) || last.contains(QLatin1Char('?')))
    return cut < 0 ? QString() : (cut == 0 ? QStringLiteral("/") : p.left(cut));
  return p;
}

DialogHandlers& dialogHandlers() {
  static DialogHandlers handlers = realHandlers();
  return handlers;
}

void resetDialogHandlers() { dialogHandlers() = realHandlers(); }

int MsgBox(const QString& prompt, int style, const QString& title) {
  auto& h = dialogHandlers();
  return h.messageBox ? h.messageBox(ActiveWindow(), prompt, style, title) : kMsgResultOk;
}

std::optional<QString> OpenFileDialog(QWidget* owner, const QString& fileName, const QString& filter) {
  auto& h = dialogHandlers();
  return h.openFile ? h.openFile(owner, fileName, filter) : std::nullopt;
}

QString PickFolder(QWidget* owner, const QString& start, const QString& title) {
  auto& h = dialogHandlers();
  return h.pickFolder ? h.pickFolder(owner, start, title) : QString();
}

void OpenUrl(const QString& url) {
  if (auto& h = dialogHandlers(); h.openUrl) h.openUrl(url);
}

void DoEvents() { QCoreApplication::processEvents(); }

void End() {
  if (auto& h = dialogHandlers(); h.endProgram) h.endProgram();
}

QWidget* ActiveWindow() { return QApplication::activeWindow(); }

void installFontSubstitutes() {
  static bool done = false;
  if (done) return;
  done = true;
  QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Eurostile T"), QStringLiteral("Play"));
  QFont::insertSubstitution(QStringLiteral("Handel Gothic D"), QStringLiteral("Play"));
}

void FileOpenDialog::ShowOpen() {
  if (std::optional<QString> chosen = OpenFileDialog(owner, FileName, Filter)) FileName = *chosen;
}

}  // namespace ui
