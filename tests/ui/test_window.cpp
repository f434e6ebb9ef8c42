// Windows and the modal seams: showing, modal return, activation, key
// preview, outer geometry, and the dialogs answered without a person.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/FileOpenDialog.h"
#include "ui/Window.h"

namespace {

using ui::BorderStyle;

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override { ui::resetDialogHandlers(); }

  static std::unique_ptr<ui::Window> make(const char* name, BorderStyle style = BorderStyle::FixedSingle) {
    auto w = std::make_unique<ui::Window>(QString::fromLatin1(name));
    w->setBorderStyle(style);
    w->setClientSize(4200, 3390);
    return w;
  }
};

TEST_F(WindowTest, ModalShowReturnsWhenUnloadedHiddenOrClosedFromTheTitleBar) {
  const std::pair<std::function<void(ui::Window&)>, bool> ends[] = {
      {[](ui::Window& w) { w.Unload(); }, true},
      {[](ui::Window& w) { w.Hide(); }, false},
      {[](ui::Window& w) { w.widget()->close(); }, true}};
  for (const auto& [end, unloads] : ends) {
    auto about = make("About", BorderStyle::FixedToolWindow);
    bool modalWhileShown = false;
    QTimer::singleShot(0, [&, end = end] {
      modalWhileShown = about->isShown() && about->widget()->isModal();
      end(*about);
    });
    about->Show(1);
    EXPECT_TRUE(modalWhileShown);
    EXPECT_EQ(about->isUnloaded(), unloads);
    EXPECT_FALSE(about->isShown());
    EXPECT_FALSE(about->widget()->isModal());
  }
}

TEST_F(WindowTest, ActivationOnShowReshowAndComingBackFromAnotherOfTheProgramsWindows) {
  auto startup = make("Startup");
  int activations = 0;
  startup->onActivate = [&] { ++activations; };
  startup->Show();
  ui::DoEvents();
  ui::DoEvents();
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(ui::ActiveWindow(), startup->widget());
  startup->Hide();
  ui::DoEvents();
  startup->Show();
  ui::DoEvents();
  EXPECT_EQ(activations, 2);

  // A modal window that closes, and a hidden active window, hand activation back.
  auto about = make("About", BorderStyle::FixedToolWindow);
  int aboutActivations = 0;
  about->onActivate = [&] {
    ++aboutActivations;
    QTimer::singleShot(0, [&] { about->Unload(); });
  };
  about->Show(1);
  ui::DoEvents();
  EXPECT_EQ(aboutActivations, 1);
  EXPECT_EQ(activations, 3);
  EXPECT_EQ(ui::ActiveWindow(), startup->widget());
  auto main = make("Main", BorderStyle::None);
  main->Show();
  ui::DoEvents();
  EXPECT_EQ(ui::ActiveWindow(), main->widget());
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

TEST_F(WindowTest, KeyPreviewSeesEachKeyOnceBeforeTheControls) {
  auto about = make("About", BorderStyle::FixedToolWindow);
  ui::Label line(*about, QStringLiteral("lbCredits_1"));
  ui::Chooser combo(*about, QStringLiteral("cbView_0"));
  combo.Add(QStringLiteral("Summary"));
  combo.Add(QStringLiteral("Ann"));
  std::vector<std::pair<int, int>> keys;
  int comboIndexSeen = -1;
  about->onKeyDown = [&](int key, int shift) {
    keys.emplace_back(key, shift);
    if (key == 40) comboIndexSeen = combo.SelectedIndex();
  };
  about->setKeyPreview(true);
  about->Show();
  ui::DoEvents();

  QTest::keyClick(about->widget(), Qt::Key_A);
  QTest::keyClick(line.widget(), Qt::Key_Escape, Qt::ShiftModifier);  // passed on to the window: still once
  combo.setSelectedIndex(1);
  QTest::keyClick(combo.combo(), Qt::Key_Down);
  QTest::keyClick(about->widget(), Qt::Key_F2, Qt::ControlModifier);
  // A modifier is a key of its own, pressed before the key it modifies.
  EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{65, 0}, {16, 1}, {27, 1}, {40, 0}, {17, 2}, {113, 2}}));
  EXPECT_EQ(comboIndexSeen, 1);  // the window saw the key before the chooser moved
  EXPECT_EQ(combo.SelectedIndex(), 2);
}

TEST_F(WindowTest, BorderStylesFixedSizeAndOuterGeometryInTwips) {
  auto main = make("Main", BorderStyle::None);
  auto startup = make("Startup");
  auto about = make("About", BorderStyle::FixedToolWindow);
  EXPECT_TRUE(main->widget()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(startup->widget()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(about->widget()->windowType(), Qt::Tool);
  for (auto* w : {main.get(), startup.get(), about.get()}) {
    EXPECT_EQ(w->widget()->minimumSize(), QSize(280, 226));
    EXPECT_EQ(w->widget()->maximumSize(), QSize(280, 226));
  }
  // A framed window is larger outside than inside, already before it is shown.
  EXPECT_GE(startup->Height(), 3390.0f);
  EXPECT_EQ(main->Height(), 3390.0f);

  main->setClientSize(8355, 7095);
  main->Show();
  ui::DoEvents();
  // First showing centres the window on the screen.
  const QPoint off =
      main->widget()->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE(std::abs(off.x()), 1);
  EXPECT_LE(std::abs(off.y()), 1);
  EXPECT_EQ(main->Width(), 8355.0f);
  EXPECT_EQ(main->Height(), 7095.0f);
  main->Move(1233.3334f, -456.5f);
  EXPECT_EQ(main->Left(), 1233.3334f);
  EXPECT_EQ(main->Top(), -456.5f);
  EXPECT_EQ(main->widget()->pos(), QPoint(82, -30));
  main->widget()->move(10, 20);  // moved by someone else: read from the screen
  EXPECT_EQ(main->Left(), 150.0f);
  EXPECT_EQ(main->Top(), 300.0f);
}

// Answers the next modal dialog Qt opens by calling `answer` on it.
template <class Dialog, class Answer>
void answerNextDialog(Answer answer) {
  auto* poll = new QTimer;
  poll->setInterval(0);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      answer(d);
    }
  });
  poll->start();
}

TEST_F(WindowTest, RealMessageBoxStyleChoosesIconAndButtonsAndTheAnswerMaps) {
  const struct {
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton press;
    int result;
  } cases[] = {{ui::kMsgInformation, QMessageBox::Information, QMessageBox::Ok, ui::kMsgResultOk},
               {ui::kMsgQuestionYesNo, QMessageBox::Question, QMessageBox::Yes, ui::kMsgResultYes},
               {ui::kMsgQuestionYesNo, QMessageBox::Question, QMessageBox::No, ui::kMsgResultNo}};
  for (const auto& c : cases) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    answerNextDialog<QMessageBox>([&](QMessageBox* box) {
      icon = box->icon();
      title = box->windowTitle();
      box->button(c.press)->click();
    });
    EXPECT_EQ(ui::MsgBox(QStringLiteral("Check for a new version?"), c.style, QStringLiteral("Tarquil")), c.result);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(title, QStringLiteral("Tarquil"));
  }
}

TEST_F(WindowTest, FileOpenDialogSetsFileNameOnlyOnAChoiceAndStartsInThePresetsFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString preset = dir.path() + QStringLiteral("\\*.txt");
  ui::FileOpenDialog cd;
  cd.Filter = QStringLiteral("Corvaneth Game Logs (*.txt)|*.txt");
  cd.FileName = preset;
  std::optional<QString> answer = QStringLiteral("/games/log1.txt");
  QString presetSeen, filterSeen;
  ui::dialogHandlers().openFile = [&](QWidget*, const QString& fileName, const QString& filter) {
    presetSeen = fileName;
    filterSeen = filter;
    return answer;
  };
  cd.ShowOpen();
  EXPECT_EQ(presetSeen, preset);
  EXPECT_EQ(filterSeen, cd.Filter);
  EXPECT_EQ(cd.FileName, QStringLiteral("/games/log1.txt"));
  answer = std::nullopt;
  cd.ShowOpen();
  EXPECT_EQ(cd.FileName, QStringLiteral("/games/log1.txt"));

  // The real dialogs, cancelled.
  ui::resetDialogHandlers();
  cd.FileName = preset;
  QString startedIn;
  QStringList filters;
  answerNextDialog<QFileDialog>([&](QFileDialog* d) {
    startedIn = d->directory().absolutePath();
    filters = d->nameFilters();
    d->reject();
  });
  cd.ShowOpen();
  EXPECT_EQ(cd.FileName, preset);
  EXPECT_EQ(startedIn, QDir(dir.path()).absolutePath());
  EXPECT_EQ(filters, QStringList{QStringLiteral("Corvaneth Game Logs (*.txt)")});
  answerNextDialog<QFileDialog>([](QFileDialog* d) { d->reject(); });
  EXPECT_EQ(ui::PickFolder(nullptr, QStringLiteral("\\"), QStringLiteral("Save Updated Files to:")), QString());
}

TEST(DialogTexts, PipeFiltersAndPresetsBecomeWhatQtWants) {
  const std::pair<const char*, const char*> filters[] = {
      {"Corvaneth Game Logs (*.txt)|*.txt", "Corvaneth Game Logs (*.txt)"},
      {"Logs|*.txt;*.log|All|*.*", "Logs (*.txt *.log);;All (*.*)"}, {"", ""}, {"*.txt", "*.txt"}};
  for (const auto& [vb, qt] : filters) EXPECT_EQ(ui::qtFileFilter(QString::fromLatin1(vb)), QString::fromLatin1(qt));
  // A pattern starts the dialog in its folder; a file name is selected.
  const std::pair<const char*, const char*> starts[] = {
      {"/home/u/games\\*.txt", "/home/u/games"}, {"/home/u/games/\\*.txt", "/home/u/games/"},
      {"/home/u/games/*.txt", "/home/u/games"},  {"\\*.txt", "/"}, {"*.txt", ""},
      {"/home/u/log.txt", "/home/u/log.txt"}};
  for (const auto& [preset, start] : starts)
    EXPECT_EQ(ui::openDialogStart(QString::fromLatin1(preset)), QString::fromLatin1(start));
}

}  // namespace
