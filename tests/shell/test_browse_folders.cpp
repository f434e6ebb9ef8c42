// The folder picker through the dialog seam: what reaches the chooser and what
// comes back to the launcher.
#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QTest>
#include <QWidget>

#include "shell/BrowseFolders.h"
#include "ui/Dialogs.h"

namespace {

struct PickCall {
  int count = 0;
  QWidget* owner = nullptr;
  QString start;
  QString title;
};

class BrowseFoldersTest : public ::testing::Test {
 protected:
  void TearDown() override { ui::resetDialogHandlers(); }

  // Answers the chooser with answer and records what it was shown.
  void answerWith(const QString& answer) {
    ui::dialogHandlers().pickFolder = [this, answer](QWidget* owner, const QString& start, const QString& title) {
      ++call_.count;
      call_.owner = owner;
      call_.start = start;
      call_.title = title;
      ownerWasActive_ = owner == ui::ActiveWindow();
      return answer;
    };
  }

  PickCall call_;
  bool ownerWasActive_ = false;
};

TEST_F(BrowseFoldersTest, ChooserGetsStartAndTitleUnchangedAndTheActiveWindowAsOwner) {
  QWidget launcher;
  launcher.show();
  launcher.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&launcher));
  answerWith("/games/corvaneth");

  const QString path = shell::BrowseForFolder("\\", "Save Updated Files to the following Folder:");

  EXPECT_EQ(call_.count, 1);
  EXPECT_EQ(call_.owner, &launcher);
  EXPECT_TRUE(ownerWasActive_);
  // The launcher's start is one backslash, handed on as it is.
  EXPECT_EQ(call_.start, "\\");
  EXPECT_EQ(call_.title, "Save Updated Files to the following Folder:");
  EXPECT_EQ(path, QDir::toNativeSeparators("/games/corvaneth"));
}

TEST_F(BrowseFoldersTest, WithoutAnActiveWindowTheChooserHasNoOwner) {
  answerWith("/games");
  if (ui::ActiveWindow() != nullptr) GTEST_SKIP() << "another window is still active";
  shell::BrowseForFolder("/", "Title");
  EXPECT_EQ(call_.count, 1);
  EXPECT_EQ(call_.owner, nullptr);
}

TEST_F(BrowseFoldersTest, CancelGivesEmptyText) {
  answerWith("");
  const QString path = shell::BrowseForFolder("/home", "Pick");
  EXPECT_EQ(call_.count, 1);
  EXPECT_TRUE(path.isEmpty());
}

struct Answer {
  const char* name;
  QString fromChooser;
  QString expected;
};

class BrowseFoldersAnswerTest : public BrowseFoldersTest, public ::testing::WithParamInterface<Answer> {};

TEST_P(BrowseFoldersAnswerTest, ReturnedPathEndsWhereTheFolderNameEnds) {
  answerWith(GetParam().fromChooser);
  EXPECT_EQ(shell::BrowseForFolder("/", "Pick"), GetParam().expected);
}

QString withFiller(const QString& path, int bufferLength) {
  QString s = path;
  s += QChar(u'\0');
  while (s.size() < bufferLength) s += QChar(u' ');
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BrowseFoldersAnswerTest,
    ::testing::Values(
        Answer{"Plain", "/games/corvaneth", QDir::toNativeSeparators("/games/corvaneth")},
        Answer{"Root", "/", QDir::toNativeSeparators("/")},
        Answer{"NulAndFiller", withFiller("/games/corvaneth", 260), QDir::toNativeSeparators("/games/corvaneth")},
        Answer{"NulPadding", "/games" + QString(254, QChar(u'\0')), QDir::toNativeSeparators("/games")},
        Answer{"GarbageAfterNul", QStringLiteral("/games") + QChar(u'\0') + "/old/longer/path",
               QDir::toNativeSeparators("/games")},
        Answer{"NothingBeforeNul", QString(QChar(u'\0')) + "/games", ""},
        // Blanks belong to the name when no NUL ends it.
        Answer{"TrailingBlank", "/games/corvaneth ", QDir::toNativeSeparators("/games/corvaneth ")},
        Answer{"ForwardSlashes", "C:/Games/Corvaneth", QDir::toNativeSeparators("C:/Games/Corvaneth")},
        Answer{"NonAscii", QStringLiteral("/home/me/Spiele/Gr\u00f6\u00dfe"),
               QDir::toNativeSeparators(QStringLiteral("/home/me/Spiele/Gr\u00f6\u00dfe"))}),
    [](const ::testing::TestParamInfo<Answer>& info) { return std::string(info.param.name); });

}  // namespace
