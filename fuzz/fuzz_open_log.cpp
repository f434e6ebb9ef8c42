// Opens fuzzed logs as the launcher does, in one statistics window kept for
// the whole run as the program keeps it: openLog; for a valid log DoStats,
// then every player's view chosen in a view chooser as a user would, then the
// summary again; for an invalid one the flag reset. The invalid-log message
// is answered at once.
#include <QApplication>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzLogFile.h"
#include "log/PlayerStats.h"
#include "stats/Main.h"
#include "stats/Scoring.h"
#include "ui/Chooser.h"
#include "ui/Dialogs.h"

namespace {

struct Program {
  corv::StatsState state;
  Main window{state};
};

Program* program = nullptr;

void check(bool ok) {
  if (!ok) std::abort();
}

// The offscreen platform's notes on every window call would drown the
// fuzzer's own output.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

// The application and the window live to the end of the process and are
// never destroyed: at exit Qt's own globals may already be gone.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quiet);
  new QApplication(*argc, *argv);
  ui::dialogHandlers().messageBox = [](QWidget*, const QString&, int, const QString&) { return ui::kMsgResultOk; };
  program = new Program;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::LogFile file;
  const QString path = QFile::decodeName(QByteArray::fromStdString(file.hold(data, size)));
  Main& stats = program->window;

  const bool valid = stats.openLogAsLauncher(path, nullptr);
  const int players = corv::playerCount(stats.state().PlayerIndex);
  for (ui::Chooser* chooser : stats.cbView) check(chooser->ItemCount() == players + 1 && chooser->SelectedIndex() == 1);
  check(stats.Tag.isEmpty() || stats.Tag == QLatin1String("0"));
  if (valid) {
    // Each player from a different page's chooser, as a user may pick them.
    for (int p = 0; p < players; ++p) stats.cbView[static_cast<std::size_t>(p) % 4]->userChoose(p + 2);
    stats.cbView[3]->userChoose(1);
  }
  return 0;
}
