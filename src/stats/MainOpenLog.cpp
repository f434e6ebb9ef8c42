// Opening a log: start from empty records, read the log, total the ships,
// fill the view choosers and tell the user when the file is no valid log; and
// the launcher's whole "Open Game Log" sequence around it.
#include <QFile>
#include <optional>
#include <string>

#include "log/LogReader.h"
#include "stats/Main.h"
#include "stats/Scoring.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

namespace {

const QString kInvalidTitle = QStringLiteral("Invalid Log File");
const QString kBreak = QStringLiteral("\r\n");

// The path names the file itself; the launcher passes its dialog's file name,
// so Main shows what it was given and never reaches into the launcher.
QString invalidLogText(const QString& path, const std::optional<corv::LogProblem>& problem) {
  // A file refused unread (far too large, not a regular file) simply is no log.
  if (problem && !problem->notALog)
    return path + kBreak + kBreak + QStringLiteral("The above file could not be read as a Corvaneth log: ") +
           QString::fromStdString(problem->text()) + QLatin1Char('.');
  return path + kBreak + kBreak + QStringLiteral("The above file is not a Corvaneth multiplayer") + kBreak +
         QStringLiteral("log file. Please select a valid file and try again.");
}

}  // namespace

void Main::openLog(const QString& path) {
  corv::StatsState& s = state();
  for (ui::Chooser* chooser : cbView) chooser->Clear();
  lastRead = corv::ReadLog(s, QFile::encodeName(path).toStdString());
  const std::optional<corv::LogProblem>& problem = lastRead.problem;

  // A log with too many separator lines leaves PlayerIndex past the last slot;
  // the loops stop at the table's end.
  const int players = corv::playerCount(s.PlayerIndex);
  for (int i = 0; i < players; ++i) {
    corv::PlayerStats& p = s.Players[static_cast<std::size_t>(i)];
    p.ShipsTotal = corv::shipsTotal(p);
  }

  for (ui::Chooser* chooser : cbView) {
    chooser->Add(QStringLiteral("Summary"));
    for (int j = 0; j < players; ++j)
      chooser->Add(QString::fromStdString(s.Players[static_cast<std::size_t>(j)].Name));
    chooser->setSelectedIndex(1);
  }

  // A log the reader had to reject is as unusable as one with too few
  // players: its records may hold skipped values, so it is never scored.
  if (s.PlayerIndex < 1.0f || problem) {
    ui::MsgBox(invalidLogText(path, problem), ui::kMsgInformation, kInvalidTitle);
    Tag = QStringLiteral("1");
  }
}

bool Main::openLogAsLauncher(const QString& path, const std::function<void()>& hideLauncher) {
  tbThink->ZOrder(ui::Control::kFront);
  Show();
  ui::DoEvents();
  openLog(path);
  // The flag reads as a number: empty or 0 means the log was valid.
  if (Tag.trimmed().toDouble() == 0.0) {
    if (hideLauncher) hideLauncher();
    DoStats();
    tbThink->ZOrder(ui::Control::kBack);
    return true;
  }
  Tag = QStringLiteral("0");
  Hide();
  return false;
}
