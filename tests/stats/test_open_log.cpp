// Opening a log into the statistics window: the player index, ship totals,
// the four view choosers and the invalid-log message with the Tag flag.
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

#include "StatsTestSupport.h"
#include "ui/Chooser.h"

namespace {

using corv::test::dataFile;
using corv::test::separatorLog;
using corv::test::TempLog;

const QString kNotALog = QStringLiteral(
    "\r\n\r\nThe above file is not a Corvaneth multiplayer\r\nlog file. Please select a valid file and try again.");
const QString kUnreadable = QStringLiteral("\r\n\r\nThe above file could not be read as a Corvaneth log: ");

// "Summary" and the names P0 .. P<n-1> of separatorLog's players.
QStringList summaryAnd(int players) {
  QStringList items{QStringLiteral("Summary")};
  for (int i = 0; i < players; ++i) items << QStringLiteral("P%1").arg(i);
  return items;
}

class OpenLogTest : public corv::test::WindowTest {
 protected:
  // Every chooser holds exactly these items, with item 1 selected.
  void expectChoosers(const QStringList& expected) const {
    for (ui::Chooser* chooser : main->cbView) {
      QStringList items;
      for (int n = 1; n <= chooser->ItemCount(); ++n) items << chooser->ItemText(n);
      EXPECT_EQ(items, expected) << chooser->name().toStdString();
      EXPECT_EQ(chooser->SelectedIndex(), 1) << chooser->name().toStdString();
    }
  }
  void expectInvalid(const QString& prompt) const {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, prompt);
    EXPECT_EQ(boxes[0].style, 64);
    EXPECT_EQ(boxes[0].title, QStringLiteral("Invalid Log File"));
    EXPECT_EQ(main->Tag, QStringLiteral("1"));
  }
};

// ---- what the separator count makes of a log ----

struct SeparatorCase {
  const char* name;
  const char* text;  // nullptr: separatorLog(separators)
  int separators;
  float playerIndex;
  int players;
  bool valid;
};

void PrintTo(const SeparatorCase& c, std::ostream* os) { *os << c.name; }

class OpenBySeparators : public OpenLogTest, public ::testing::WithParamInterface<SeparatorCase> {};

TEST_P(OpenBySeparators, SetsIndexChoosersAndValidity) {
  const SeparatorCase& c = GetParam();
  const TempLog log(c.text ? std::string(c.text) : separatorLog(c.separators));
  main->Tag = QStringLiteral("0");
  open(log.path());
  EXPECT_FLOAT_EQ(state.PlayerIndex, c.playerIndex);
  expectChoosers(summaryAnd(c.players));
  if (c.valid) {
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(main->Tag, QStringLiteral("0"));
  } else {
    expectInvalid(QString::fromStdString(log.path()) + kNotALog);
  }
}

INSTANTIATE_TEST_SUITE_P(Logs, OpenBySeparators,
                         ::testing::Values(SeparatorCase{"EmptyFile", "", 0, -1.0f, 0, false},
                                           SeparatorCase{"NoSeparators", nullptr, 0, -1.0f, 0, false},
                                           SeparatorCase{"OnePlayer", nullptr, 2, 0.0f, 1, false},
                                           SeparatorCase{"ThreeSeparators", nullptr, 3, 0.5f, 1, false},
                                           SeparatorCase{"TwoPlayers", nullptr, 4, 1.0f, 2, true},
                                           SeparatorCase{"FiveSeparators", nullptr, 5, 1.5f, 2, true},
                                           SeparatorCase{"EightPlayers", nullptr, 16, 7.0f, 8, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpenLogTest, AValidLogLeavesAFreshTagEmptyAndRaisesNoClick) {
  int clicks = 0;
  for (ui::Chooser* chooser : main->cbView) chooser->onClick = [&clicks] { ++clicks; };
  const TempLog log(separatorLog(6));
  open(log.path());
  EXPECT_TRUE(main->Tag.isEmpty());
  EXPECT_EQ(clicks, 0);
}

TEST_F(OpenLogTest, EachLogReplacesTheLastLogsItems) {
  const TempLog four(separatorLog(8)), two(separatorLog(4)), one(separatorLog(2));
  open(four.path());
  open(two.path());
  EXPECT_FLOAT_EQ(state.PlayerIndex, 1.0f);
  expectChoosers(summaryAnd(2));
  open(one.path());
  expectChoosers(summaryAnd(1));
  EXPECT_EQ(main->Tag, QStringLiteral("1"));
}

// ---- ship totals ----

TEST_F(OpenLogTest, ShipTotalIsTheClassCountsPlusOne) {
  open(dataFile("pages_v104_worked_example.txt"));
  EXPECT_EQ(state.Players[0].ShipsTotal, 1 + 2 + 8 + 10 + 30 + 6 + 2 + 1 + 1);
  EXPECT_EQ(state.Players[1].ShipsTotal, 1 + 1 + 12 + 5 + 20 + 4 + 1 + 0 + 1);
  EXPECT_EQ(state.Players[2].ShipsTotal, 1);  // no ships at all
}

TEST_F(OpenLogTest, EveryLogStartsFromEmptyRecords) {
  state.Players[2].ShipsTotal = 77;
  state.Players[1].DamageTo[6] = 5000;
  state.Players[2].Race = "Vaelori";
  const TempLog log(separatorLog(5));  // PlayerIndex 1.5: slots 0 and 1
  open(log.path());
  EXPECT_EQ(state.Players[1].ShipsTotal, 1);
  EXPECT_EQ(state.Players[2].ShipsTotal, 0);
  EXPECT_EQ(state.Players[1].DamageTo[6], 0);
  EXPECT_EQ(state.Players[2].Race, "");
}

TEST_F(OpenLogTest, ShipTotalBeyondSixteenBitsIsTheTrueTotal) {
  std::string text = separatorLog(4) + "Total Aquired Ships By Class:\r\n";
  for (const char* cls : {"Carrier", "Destroyer", "Frigate", "Corvette"})
    text += std::string("CLASS_") + cls + ":\t30000\r\n";
  const TempLog log(text);
  open(log.path());
  EXPECT_EQ(state.Players[1].ShipsTotal, 120001);
  EXPECT_TRUE(boxes.empty());
}

// ---- logs the reader rejects ----

TEST_F(OpenLogTest, RejectedLogIsInvalidAndTheMessageNamesTheLine) {
  const std::string path = dataFile("pages_v104_rejected.txt");
  open(path);
  expectInvalid(QString::fromStdString(path) + kUnreadable +
                QStringLiteral("line 44: the value 40000 does not fit (at most 32767)."));
  // Three players were read, and the choosers are filled as for any log.
  expectChoosers({QStringLiteral("Summary"), QStringLiteral("Ana"), QStringLiteral("Bo"), QStringLiteral("Cy")});
}

TEST_F(OpenLogTest, MissingFileIsInvalidWithoutALineNumber) {
  const QString path = QStringLiteral("/nonexistent/corvaneth/no-such-log.txt");
  main->openLog(path);
  expectInvalid(path + kUnreadable + QStringLiteral("the file cannot be opened."));
  expectChoosers(summaryAnd(0));
}

TEST_F(OpenLogTest, MoreThanEightPlayersStopsAtTheTablesEnd) {
  const TempLog log(separatorLog(20));
  open(log.path());
  expectChoosers(summaryAnd(8));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].prompt.contains(QStringLiteral("more than eight players")));
  EXPECT_EQ(main->Tag, QStringLiteral("1"));
}

TEST_F(OpenLogTest, PathWithNonAsciiCharactersOpens) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QString::fromUtf8("Zo\xC3\xAB's game.txt"));
  {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    const std::string text = separatorLog(6);
    out.write(text.data(), static_cast<qint64>(text.size()));
  }
  main->openLog(path);
  EXPECT_TRUE(boxes.empty());
  EXPECT_FLOAT_EQ(state.PlayerIndex, 2.0f);
}

}  // namespace
