// Windows and the modal pieces: modal return, activation, key preview, frames
// and centring, and the real Qt dialogs answered by the test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "ui/Dialogs.h"
#include "ui/FileOpenDialog.h"
#include "ui/Window.h"

namespace {

std::unique_ptr<ui::Window> make(const char* name, ui::BorderStyle style = ui::BorderStyle::FixedSingle) {
  auto w = std::make_unique<ui::Window>(QString::fromLatin1(name));
  w->setBorderStyle(style);
  w->setClientSize(4200, 3390);
  return w;
}

// How far, in pixels, the middle of a window's frame lies from the screen's.
int offCentre(const QWidget* w) {
  return (w->frameGeometry().center() - w->screen()->availableGeometry().center()).manhattanLength();
}

// Answers the next modal dialog Qt opens by calling `answer` on it.
template <class Dialog, class Answer>
void answerNextDialog(Answer answer) {
  QTimer::singleShot(0, [answer] {
    auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    d ? answer(d) : answerNextDialog<Dialog>(answer);
  });
}

TEST(Window, ActivationOnShowReshowAndComingBackFromAnotherOfTheProgramsWindows) {
  auto startup = make("Startup");
  int activations = 0;
  startup->onActivate = [&] { ++activations; };
  startup->Show();
  ui::DoEvents();
  // Hidden and shown again with no other window to take activation meanwhile.
  startup->Hide();
  ui::DoEvents();
  startup->Show();
  ui::DoEvents();
  EXPECT_EQ(activations, 2);

  // A modal window that closes, and a hidden active window, hand activation back.
  auto about = make("About", ui::BorderStyle::FixedToolWindow);
  about->onActivate = [&] { QTimer::singleShot(0, [&] { about->Unload(); }); };
  about->Show(1);
  ui::DoEvents();
  EXPECT_EQ(activations, 3);
  auto main = make("Main", ui::BorderStyle::None);
  main->Show();
  ui::DoEvents();
  main->Hide();
  ui::DoEvents();
  EXPECT_EQ(ui::ActiveWindow(), startup->widget());
  EXPECT_EQ(activations, 4);

  // Coming back from a window not the program's own, such as a message box, is no activation.
  QWidget box;
  box.show();
  ui::DoEvents();
  EXPECT_EQ(ui::ActiveWindow(), &box);
  box.hide();
  startup->widget()->activateWindow();
  ui::DoEvents();
  EXPECT_EQ(activations, 4);
}

// Fixed frames offer no maximise; every window is centred with its frame, the
// first one framed too (its frame is known only once it is shown).
TEST(Window, FixedFramesWithoutMaximiseCentredOnTheScreenFrameIncluded) {
  auto startup = make("Startup");
  auto about = make("About", ui::BorderStyle::FixedToolWindow);
  auto main = make("Main", ui::BorderStyle::None);
  main->setClientSize(8355, 7095);
  EXPECT_TRUE(main->widget()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(about->widget()->windowType(), Qt::Tool);
  const auto buttons = Qt::CustomizeWindowHint | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint;
  for (auto* w : {startup.get(), about.get()}) {
    EXPECT_EQ(w->widget()->windowFlags() & buttons, Qt::CustomizeWindowHint);
    EXPECT_EQ(w->widget()->minimumSize(), w->widget()->maximumSize());
  }
  for (auto* w : {startup.get(), about.get(), main.get()}) {
    w->Show();
    ui::DoEvents();
    EXPECT_LE(offCentre(w->widget()), 1) << w->widget()->objectName().toStdString();
  }
  EXPECT_GT(startup->Height(), 3390.0f);  // the frame is counted
  EXPECT_EQ(std::pair(main->Width(), main->Height()), std::pair(8355.0f, 7095.0f));
}

// The active window stands in a corner, yet the box is centred on the screen.
TEST(Window, RealMessageBoxCentredAndClosedWithoutAButtonAnswersNo) {
  auto owner = make("Startup");
  owner->Move(0, 0);
  owner->Show();
  ui::DoEvents();
  using Answer = std::function<void(QMessageBox*)>;
  const auto press = [](QMessageBox::StandardButton b) -> Answer { return [b](QMessageBox* m) { m->button(b)->click(); }; };
  const Answer escape = [](QMessageBox* m) { QTest::keyClick(m, Qt::Key_Escape); };
  const std::tuple<int, Answer, int> cases[] = {
      {ui::kMsgInformation, press(QMessageBox::Ok), ui::kMsgResultOk}, {ui::kMsgInformation, escape, ui::kMsgResultOk},
      {ui::kMsgQuestionYesNo, press(QMessageBox::Yes), ui::kMsgResultYes},
      {ui::kMsgQuestionYesNo, press(QMessageBox::No), ui::kMsgResultNo}, {ui::kMsgQuestionYesNo, escape, ui::kMsgResultNo},
      {ui::kMsgQuestionYesNo, [](QMessageBox* m) { m->close(); }, ui::kMsgResultNo},
      {ui::kMsgQuestionYesNo, [](QMessageBox* m) { m->reject(); }, ui::kMsgResultNo}};
  for (const auto& [style, answer, result] : cases) {
    QString seen;
    answerNextDialog<QMessageBox>([&, answer = answer](QMessageBox* box) {
      seen = QStringLiteral("%1 %2 %3").arg(box->windowTitle()).arg(box->icon()).arg(offCentre(box) <= 1);
      answer(box);
    });
    EXPECT_EQ(ui::MsgBox(QStringLiteral("Check for a new version?"), style, QStringLiteral("Tarquil")), result);
    EXPECT_EQ(seen, QStringLiteral("Tarquil %1 1").arg(style == ui::kMsgInformation ? QMessageBox::Information
                                                                                      : QMessageBox::Question));
  }
}

// Cancelled real dialogs: the file-open one starts in the preset's folder and
// leaves the file name as it was; the folder picker answers "".
TEST(Window, RealDialogsCancelledAndWherePresetsStart) {
  ui::FileOpenDialog cd;
  cd.Filter = QStringLiteral("Corvaneth Game Logs (*.txt)|*.txt");
  cd.FileName = QDir::tempPath() + QStringLiteral("\\*.txt");
  QString seen;
  answerNextDialog<QFileDialog>([&](QFileDialog* d) {
    seen = d->directory().absolutePath() + "|" + d->nameFilters().join(';');
    d->reject();
  });
  cd.ShowOpen();
  EXPECT_EQ(cd.FileName, QDir::tempPath() + QStringLiteral("\\*.txt"));
  EXPECT_EQ(seen, QDir(QDir::tempPath()).absolutePath() + QStringLiteral("|Corvaneth Game Logs (*.txt)"));
  answerNextDialog<QFileDialog>([](QFileDialog* d) { d->reject(); });
  EXPECT_EQ(ui::PickFolder(nullptr, QStringLiteral("\\"), QStringLiteral("Save Updated Files to:")), QString());
  // A pattern starts the dialog in its folder; a file name is selected.
  const std::pair<const char*, const char*> starts[] = {{"/home/u/games\\*.txt", "/home/u/games"},
      {"/home/u/games/\\*.txt", "/home/u/games/"}, {"\\*.txt", "/"}, {"*.txt", ""}, {"/home/u/log.txt", "/home/u/log.txt"}};
  for (const auto& [preset, start] : starts)
    EXPECT_EQ(ui::openDialogStart(QString::fromLatin1(preset)), QString::fromLatin1(start));
}

}  // namespace
