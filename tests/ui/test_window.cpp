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

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override { ui::resetDialogHandlers(); }

  static std::unique_ptr<ui::Window> make(const char* name, ui::BorderStyle style) {
    auto w = std::make_unique<ui::Window>(QString::fromLatin1(name));
    w->setBorderStyle(style);
    w->setClientSize(4200, 3390);
    return w;
  }
};

TEST_F(WindowTest, ModalShowReturnsWhenUnloaded) {
  auto about = make("About", ui::BorderStyle::FixedToolWindow);
  bool shownDuringLoop = false;
  QTimer::singleShot(0, [&] {
    shownDuringLoop = about->isShown() && about->widget()->isModal();
    about->Unload();
  });
  about->Show(1);
  EXPECT_TRUE(shownDuringLoop);
  EXPECT_TRUE(about->isUnloaded());
  EXPECT_FALSE(about->isShown());
  EXPECT_FALSE(about->widget()->isModal());
}

TEST_F(WindowTest, ModalShowReturnsWhenHidden) {
  auto w = make("Dialog", ui::BorderStyle::FixedSingle);
  QTimer::singleShot(0, [&] { w->Hide(); });
  w->Show(1);
  EXPECT_FALSE(w->isShown());
  EXPECT_FALSE(w->isUnloaded());
}

TEST_F(WindowTest, ActivationOnShowReshowAndWhenAModalWindowCloses) {
  auto startup = make("Startup", ui::BorderStyle::FixedSingle);
  int activations = 0;
  startup->onActivate = [&] { ++activations; };
  startup->Show();
  ui::DoEvents();
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(ui::ActiveWindow(), startup->widget());
  ui::DoEvents();
  EXPECT_EQ(activations, 1);

  startup->Hide();
  ui::DoEvents();
  startup->Show();
  ui::DoEvents();
  EXPECT_EQ(activations, 2);

  auto about = make("About", ui::BorderStyle::FixedToolWindow);
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
}

TEST_F(WindowTest, ComingBackFromAMessageBoxIsNoActivation) {
  auto startup = make("Startup", ui::BorderStyle::FixedSingle);
  int activations = 0;
  startup->onActivate = [&] { ++activations; };
  startup->Show();
  ui::DoEvents();
  // Any top-level window that is not one of the program's, such as a message box.
  QWidget box;
  box.show();
  ui::DoEvents();
  EXPECT_EQ(ui::ActiveWindow(), &box);
  box.hide();
  startup->widget()->activateWindow();
  ui::DoEvents();
  EXPECT_EQ(activations, 1);
}

TEST_F(WindowTest, HidingTheActiveWindowActivatesTheOneBefore) {
  auto startup = make("Startup", ui::BorderStyle::FixedSingle);
  auto main = make("Main", ui::BorderStyle::None);
  int startupActivations = 0;
  startup->onActivate = [&] { ++startupActivations; };
  startup->Show();
  main->Show();
  ui::DoEvents();
  EXPECT_EQ(ui::ActiveWindow(), main->widget());
  main->Hide();
  ui::DoEvents();
  EXPECT_EQ(ui::ActiveWindow(), startup->widget());
  EXPECT_EQ(startupActivations, 2);
}

TEST_F(WindowTest, KeyPreviewSeesEachKeyOnceBeforeTheControls) {
  auto about = make("About", ui::BorderStyle::FixedToolWindow);
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

TEST_F(WindowTest, MoveAndOuterGeometryInTwips) {
  auto main = make("Main", ui::BorderStyle::None);
  main->setClientSize(8355, 7095);
  main->Show();
  ui::DoEvents();
  // First showing centres the window on the screen.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(std::abs(main->widget()->frameGeometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(main->widget()->frameGeometry().center().y() - screen.center().y()), 1);
  EXPECT_EQ(main->Width(), 8355.0f);
  EXPECT_EQ(main->Height(), 7095.0f);

  main->Move(1233.3334f, -456.5f);
  EXPECT_EQ(main->Left(), 1233.3334f);
  EXPECT_EQ(main->Top(), -456.5f);
  EXPECT_EQ(main->widget()->pos(), QPoint(82, -30));
  // Moved by someone else: the position is read from the screen.
  main->widget()->move(10, 20);
  EXPECT_EQ(main->Left(), 150.0f);
  EXPECT_EQ(main->Top(), 300.0f);
}

TEST_F(WindowTest, BorderStylesAndFixedSize) {
  auto none = make("Main", ui::BorderStyle::None);
  auto single = make("Startup", ui::BorderStyle::FixedSingle);
  auto tool = make("About", ui::BorderStyle::FixedToolWindow);
  EXPECT_TRUE(none->widget()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(single->widget()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(tool->widget()->windowType(), Qt::Tool);
  for (auto* w : {none.get(), single.get(), tool.get()}) {
    EXPECT_EQ(w->widget()->minimumSize(), QSize(280, 226));
    EXPECT_EQ(w->widget()->maximumSize(), QSize(280, 226));
  }
  // A framed window is larger outside than inside, already before it is shown.
  EXPECT_GE(single->Height(), 3390.0f);
  EXPECT_EQ(none->Height(), 3390.0f);
  single->setCaption(QStringLiteral("Corvaneth Stats"));
  EXPECT_EQ(single->Caption(), QStringLiteral("Corvaneth Stats"));
  single->Tag = QStringLiteral("1");
  EXPECT_EQ(single->Tag, QStringLiteral("1"));
}

TEST_F(WindowTest, ClosingFromTheTitleBarUnloads) {
  auto about = make("About", ui::BorderStyle::FixedToolWindow);
  QTimer::singleShot(0, [&] { about->widget()->close(); });
  about->Show(1);
  EXPECT_TRUE(about->isUnloaded());
}

// ---- Dialog seams ----

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

struct MsgCase {
  int style;
  QMessageBox::Icon icon;
  QMessageBox::StandardButton press;
  int result;
};

class RealMessageBox : public ::testing::TestWithParam<MsgCase> {
 protected:
  void TearDown() override { ui::resetDialogHandlers(); }
};

TEST_P(RealMessageBox, StyleChoosesIconAndButtonsAndTheAnswerMaps) {
  const MsgCase c = GetParam();
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title;
  answerNextDialog<QMessageBox>([&](QMessageBox* box) {
    icon = box->icon();
    title = box->windowTitle();
    box->button(c.press)->click();
  });
  EXPECT_EQ(ui::MsgBox(QStringLiteral("Check on the internet for a new version of Corvaneth Stats?"), c.style,
                       QStringLiteral("Tarquil")),
            c.result);
  EXPECT_EQ(icon, c.icon);
  EXPECT_EQ(title, QStringLiteral("Tarquil"));
}

INSTANTIATE_TEST_SUITE_P(
    Ui, RealMessageBox,
    ::testing::Values(MsgCase{ui::kMsgInformation, QMessageBox::Information, QMessageBox::Ok, ui::kMsgResultOk},
                      MsgCase{ui::kMsgQuestionYesNo, QMessageBox::Question, QMessageBox::Yes, ui::kMsgResultYes},
                      MsgCase{ui::kMsgQuestionYesNo, QMessageBox::Question, QMessageBox::No, ui::kMsgResultNo}));

TEST_F(WindowTest, TestHandlersAnswerEverySeam) {
  auto& h = ui::dialogHandlers();
  std::vector<QString> seen;
  h.messageBox = [&](QWidget*, const QString& prompt, int style, const QString& title) {
    seen.push_back(prompt + QString::number(style) + title);
    return ui::kMsgResultYes;
  };
  h.pickFolder = [&](QWidget*, const QString& start, const QString& title) {
    seen.push_back(start + title);
    return QStringLiteral("/games/corvaneth");
  };
  h.openUrl = [&](const QString& url) { seen.push_back(url); };
  int ends = 0;
  h.endProgram = [&] { ++ends; };

  EXPECT_EQ(ui::MsgBox(QStringLiteral("Q?"), ui::kMsgQuestionYesNo, QStringLiteral("T")), 6);
  EXPECT_EQ(ui::PickFolder(nullptr, QStringLiteral("\\"), QStringLiteral("Pick")), QStringLiteral("/games/corvaneth"));
  ui::OpenUrl(QStringLiteral("https://example.org/"));
  ui::End();
  EXPECT_EQ(seen, (std::vector<QString>{QStringLiteral("Q?36T"), QStringLiteral("\\Pick"),
                                        QStringLiteral("https://example.org/")}));
  EXPECT_EQ(ends, 1);
}

TEST_F(WindowTest, FileOpenDialogSetsFileNameOnlyOnAChoice) {
  ui::FileOpenDialog cd;
  cd.Filter = QStringLiteral("Corvaneth Game Logs (*.txt)|*.txt");
  cd.FileName = QStringLiteral("/games\\*.txt");
  std::optional<QString> answer = QStringLiteral("/games/log1.txt");
  QString presetSeen, filterSeen;
  ui::dialogHandlers().openFile = [&](QWidget*, const QString& fileName, const QString& filter) {
    presetSeen = fileName;
    filterSeen = filter;
    return answer;
  };
  cd.ShowOpen();
  EXPECT_EQ(presetSeen, QStringLiteral("/games\\*.txt"));
  EXPECT_EQ(filterSeen, cd.Filter);
  EXPECT_EQ(cd.FileName, QStringLiteral("/games/log1.txt"));
  answer = std::nullopt;
  cd.ShowOpen();
  EXPECT_EQ(cd.FileName, QStringLiteral("/games/log1.txt"));
}

TEST_F(WindowTest, RealFileDialogStartsInThePresetsFolderWithTheFilter) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QString startedIn;
  QStringList filters;
  answerNextDialog<QFileDialog>([&](QFileDialog* d) {
    startedIn = d->directory().absolutePath();
    filters = d->nameFilters();
    d->reject();
  });
  ui::FileOpenDialog cd;
  cd.Filter = QStringLiteral("Corvaneth Game Logs (*.txt)|*.txt");
  cd.FileName = dir.path() + QStringLiteral("\\*.txt");
  cd.ShowOpen();
  EXPECT_EQ(cd.FileName, dir.path() + QStringLiteral("\\*.txt"));  // cancelled: unchanged
  EXPECT_EQ(startedIn, QDir(dir.path()).absolutePath());
  EXPECT_EQ(filters, QStringList{QStringLiteral("Corvaneth Game Logs (*.txt)")});
}

TEST_F(WindowTest, RealFolderPickerGivesEmptyTextOnCancel) {
  answerNextDialog<QFileDialog>([](QFileDialog* d) { d->reject(); });
  EXPECT_EQ(ui::PickFolder(nullptr, QStringLiteral("\\"), QStringLiteral("Save Updated Files to the following Folder:")),
            QString());
}

struct FilterCase {
  const char* vb;
  const char* qt;
};
class FilterConversion : public ::testing::TestWithParam<FilterCase> {};
TEST_P(FilterConversion, PipeListBecomesQtFilter) {
  EXPECT_EQ(ui::qtFileFilter(QString::fromLatin1(GetParam().vb)), QString::fromLatin1(GetParam().qt));
}
INSTANTIATE_TEST_SUITE_P(Ui, FilterConversion,
                         ::testing::Values(FilterCase{"Corvaneth Game Logs (*.txt)|*.txt", "Corvaneth Game Logs (*.txt)"},
                                           FilterCase{"Logs|*.txt;*.log|All|*.*", "Logs (*.txt *.log);;All (*.*)"},
                                           FilterCase{"", ""}, FilterCase{"*.txt", "*.txt"}));

struct StartCase {
  const char* preset;
  const char* start;
};
class DialogStart : public ::testing::TestWithParam<StartCase> {};
TEST_P(DialogStart, PatternStartsInItsFolderAFileIsSelected) {
  EXPECT_EQ(ui::openDialogStart(QString::fromLatin1(GetParam().preset)), QString::fromLatin1(GetParam().start));
}
INSTANTIATE_TEST_SUITE_P(Ui, DialogStart,
                         ::testing::Values(StartCase{"/home/u/games\\*.txt", "/home/u/games"},
                                           StartCase{"/home/u/games/\\*.txt", "/home/u/games/"},
                                           StartCase{"/home/u/games/*.txt", "/home/u/games"},
                                           StartCase{"\\*.txt", "/"}, StartCase{"*.txt", ""},
                                           StartCase{"/home/u/log.txt", "/home/u/log.txt"}));

}  // namespace
