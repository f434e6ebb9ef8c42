// The folder picker through the dialog seam: what reaches the chooser and what
// comes back to the launcher.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <QWidget>

#include "shell/BrowseFolders.h"
#include "ui/Dialogs.h"

namespace {

// The owner is the active window, or none once the active window has gone; the
// start (the launcher's is one backslash) and the title reach the chooser as
// they are; the path it returns ends where the folder name ends.
TEST(BrowseForFolder, OwnerStartAndTitleGoToTheChooserAndThePathComesBackWhole) {
  const struct Reset { ~Reset() { ui::resetDialogHandlers(); } } reset;
  auto launcher = std::make_unique<QWidget>();
  QString answer, shown;
  ui::dialogHandlers().pickFolder = [&](QWidget* owner, const QString& start, const QString& title) {
    shown = (!owner ? "none" : owner == launcher.get() ? "launcher" : "other") + ("|" + start + "|" + title);
    return answer;
  };
  launcher->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(launcher.get()));
  const QString nul(QChar(u'\0')), nonAscii = QStringLiteral("/home/me/Spiele/Gr\u00f6\u00dfe");
  // Cancel; the NUL and filler of a fixed buffer; nothing before the NUL;
  // blanks that belong to the name, as no NUL ends it.
  const std::pair<QString, QString> answers[] = {
      {"", ""}, {"/games/corvaneth" + nul + QString(243, u' '), "/games/corvaneth"}, {nul + "/games", ""},
      {"/games/corvaneth ", "/games/corvaneth "}, {nonAscii, nonAscii}};
  for (const auto& [fromChooser, expected] : answers) {
    answer = fromChooser;
    EXPECT_EQ(shell::BrowseForFolder(QStringLiteral("\\"), QStringLiteral("Save to:")), QDir::toNativeSeparators(expected));
    EXPECT_EQ(shown, QStringLiteral("launcher|\\|Save to:"));
  }
  launcher.reset();
  ASSERT_EQ(ui::ActiveWindow(), nullptr);
  shell::BrowseForFolder(QStringLiteral("/"), QStringLiteral("Title"));
  EXPECT_EQ(shown, QStringLiteral("none|/|Title"));
}

}  // namespace
