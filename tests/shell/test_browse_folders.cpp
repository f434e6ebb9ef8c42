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

class BrowseFoldersTest : public ::testing::Test {
 protected:
  void TearDown() override { ui::resetDialogHandlers(); }

  // Answers the chooser with answer and records what it was shown.
  void answerWith(const QString& answer) {
    ui::dialogHandlers().pickFolder = [this, answer](QWidget* o, const QString& s, const QString& t) {
      ++calls;
      owner = o;
      shown = s + "|" + t;
      ownerWasActive = o == ui::ActiveWindow();
      return answer;
    };
  }

  int calls = 0;
  QWidget* owner = nullptr;
  QString shown;
  bool ownerWasActive = false;
};

TEST_F(BrowseFoldersTest, ChooserGetsStartAndTitleUnchangedAndTheActiveWindowAsOwner) {
  answerWith("/games/corvaneth");
  if (ui::ActiveWindow() == nullptr) {  // no window to own the chooser
    shell::BrowseForFolder("/", "Title");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(owner, nullptr);
  }

  QWidget launcher;
  launcher.show();
  launcher.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&launcher));
  calls = 0;
  const QString path = shell::BrowseForFolder("\\", "Save Updated Files to the following Folder:");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(owner, &launcher);
  EXPECT_TRUE(ownerWasActive);
  // The launcher's start is one backslash, handed on as it is.
  EXPECT_EQ(shown, "\\|Save Updated Files to the following Folder:");
  EXPECT_EQ(path, QDir::toNativeSeparators("/games/corvaneth"));
}

TEST_F(BrowseFoldersTest, ReturnedPathEndsWhereTheFolderNameEnds) {
  QString filler = QStringLiteral("/games/corvaneth") + QChar(u'\0');
  while (filler.size() < 260) filler += QChar(u' ');
  const QString nonAscii = QStringLiteral("/home/me/Spiele/Gr\u00f6\u00dfe");
  const struct {
    QString fromChooser, expected;
  } answers[] = {
      {"", ""},                                      // cancel
      {filler, "/games/corvaneth"},                  // the NUL and filler of a fixed buffer
      {QString(QChar(u'\0')) + "/games", ""},        // nothing before the NUL
      {"/games/corvaneth ", "/games/corvaneth "},    // blanks belong to the name when no NUL ends it
      {nonAscii, nonAscii},
  };
  for (const auto& a : answers) {
    SCOPED_TRACE(a.expected.toStdString());
    calls = 0;
    answerWith(a.fromChooser);
    EXPECT_EQ(shell::BrowseForFolder("/", "Pick"), QDir::toNativeSeparators(a.expected));
    EXPECT_EQ(calls, 1);
  }
}

}  // namespace
