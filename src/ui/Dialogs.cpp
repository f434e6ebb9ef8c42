#include "ui/Dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QMessageBox>
#include <QShowEvent>
#include <QUrl>

#include "ui/FileOpenDialog.h"
#include "ui/Window.h"

namespace ui {

namespace {

// A message box centred on the screen, frame included, as the program's windows are.
class ScreenCentredMessageBox final : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* e) override {
    QMessageBox::showEvent(e);  // gives the box its final size
    if (!e->spontaneous()) centreOnScreen(*this);
  }
};

// The two styles the windows use: information with OK, and a Yes/No question.
int realMessageBox(QWidget* owner, const QString& prompt, int style, const QString& title) {
  const bool yesNo = style == kMsgQuestionYesNo;
  ScreenCentredMessageBox box(yesNo ? QMessageBox::Question : QMessageBox::Information, title, prompt,
                              yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  const int answer = box.exec();
  if (!yesNo) return kMsgResultOk;
  // Closed without a button (Escape, the title bar) counts as No.
  return answer == QMessageBox::Yes ? kMsgResultYes : kMsgResultNo;
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

bool ending = false;

void realEnd() {
  ending = true;
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

void PassEventLoop() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void End() {
  if (auto& h = dialogHandlers(); h.endProgram) h.endProgram();
}

bool programEnding() { return ending; }

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
