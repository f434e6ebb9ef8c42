// Modal pieces and program-wide operations. Each modal piece goes through one
// replaceable handler so that tests can answer it without a person.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace ui {

// Message box styles and results as the windows use them.
constexpr int kMsgInformation = 64;  // information icon, OK
constexpr int kMsgQuestionYesNo = 36;  // question icon, Yes and No
constexpr int kMsgResultOk = 1;
constexpr int kMsgResultYes = 6;
constexpr int kMsgResultNo = 7;

struct DialogHandlers {
  std::function<int(QWidget* owner, const QString& prompt, int style, const QString& title)> messageBox;
  // Returns the chosen file, or nullopt on cancel.
  std::function<std::optional<QString>(QWidget* owner, const QString& fileName, const QString& filter)> openFile;
  // Returns the chosen folder's full path, or "" on cancel.
  std::function<QString(QWidget* owner, const QString& start, const QString& title)> pickFolder;
  std::function<void(const QString& url)> openUrl;
  std::function<void()> endProgram;
};

// The handlers in force; they start as the real Qt dialogs.
DialogHandlers& dialogHandlers();
// Puts the real Qt dialogs back (tests call this in their teardown).
void resetDialogHandlers();

int MsgBox(const QString& prompt, int style, const QString& title);
std::optional<QString> OpenFileDialog(QWidget* owner, const QString& fileName, const QString& filter);
QString PickFolder(QWidget* owner, const QString& start, const QString& title);
void OpenUrl(const QString& url);

// Runs the pending window messages once, then returns.
void DoEvents();
// What the event loop does between two of the user's actions, for code that
// plays the user without one: the pending messages run and the objects left
// for deletion go. Never inside a handler.
void PassEventLoop();
// Ends the program at once, closing every window.
void End();
// True once the program is ending: every window then closes for good,
// whatever its close request does otherwise.
bool programEnding();
// The program's active top-level window, or nullptr.
QWidget* ActiveWindow();

// Maps the design's font names to installed fonts; called once at start (and
// by the first control made, so metrics never depend on the caller's order).
void installFontSubstitutes();

// How the real dialogs read the windows' texts; public so they can be tested.
// A path as this platform writes it (a backslash is a folder separator here).
QString localPath(const QString& path);
// "Text (*.txt)|*.txt|..." as Qt's "Text (*.txt);;..." filter.
QString qtFileFilter(const QString& filter);
// Where the file-open dialog starts for a preset file name: the folder of a
// pattern such as "games\*.txt", or the named file itself.
QString openDialogStart(const QString& fileName);

}  // namespace ui
