// Opening a log into the statistics window: the player index, ship totals,
// the four view choosers and the invalid-log message with the Tag flag.
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "log/LogTestSupport.h"
#include "stats/Main.h"
#include "ui/Chooser.h"
#include "ui/Dialogs.h"

namespace {

using corv::test::separatorLog;
using corv::test::TempLog;

const QString kNotALog = QStringLiteral(
    "\r\n\r\nThe above file is not a Corvaneth multiplayer\r\nlog file. Please select a valid file and try again.");

struct ShownBox {
  QString prompt;
  int style;
  QString title;
};

class OpenLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::dialogHandlers().messageBox = [this](QWidget*, const QString& prompt, int style, const QString& title) {
      boxes.push_back({prompt, style, title});
      return ui::kMsgResultOk;
    };
    main = std::make_unique<Main>(state);
  }
  void TearDown() override {
    main.reset();
    ui::resetDialogHandlers();
  }

  void open(const std::string& path) { main->openLog(QString::fromStdString(path)); }

  QStringList items(int chooser) const {
    QStringList list;
    for (int n = 1; n <= main->cbView[chooser]->ItemCount(); ++n) list << main->cbView[chooser]->ItemText(n);
    return list;
  }

  // Every chooser holds exactly these items, with item 1 selected.
  void expectChoosers(const QStringList& expected) const {
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(items(c), expected) << "chooser " << c;
      EXPECT_EQ(main->cbView[c]->SelectedIndex(), 1) << "chooser " << c;
    }
  }

  corv::StatsState state;
  std::unique_ptr<Main> main;
  std::vector<ShownBox> boxes;
};

// ---- what the separator count makes of a log ----

struct SeparatorCase {
  const char* name;
  int separators;
  float playerIndex;
  QStringList items;
  bool valid;
};

void PrintTo(const SeparatorCase& c, std::ostream* os) { *os << c.name; }

class OpenBySeparators : public OpenLogTest, public ::testing::WithParamInterface<SeparatorCase> {};

TEST_P(OpenBySeparators, SetsIndexChoosersAndValidity) {
  const SeparatorCase& c = GetParam();
  const TempLog log(separatorLog(c.separators));
  main->Tag = QStringLiteral("0");
  open(log.path());

  EXPECT_FLOAT_EQ(state.PlayerIndex, c.playerIndex);
  expectChoosers(c.items);
  if (c.valid) {
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(main->Tag, QStringLiteral("0"));
  } else {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, QString::fromStdString(log.path()) + kNotALog);
    EXPECT_EQ(boxes[0].style, 64);
    EXPECT_EQ(boxes[0].title, QStringLiteral("Invalid Log File"));
    EXPECT_EQ(main->Tag, QStringLiteral("1"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Logs, OpenBySeparators,
    ::testing::Values(SeparatorCase{"Empty", 0, -1.0f, {QStringLiteral("Summary")}, false},
                      SeparatorCase{"OnePlayer", 2, 0.0f, {QStringLiteral("Summary"), QStringLiteral("P0")}, false},
                      SeparatorCase{"ThreeSeparators", 3, 0.5f, {QStringLiteral("Summary"), QStringLiteral("P0")}, false},
                      SeparatorCase{"TwoPlayers", 4, 1.0f,
                                    {QStringLiteral("Summary"), QStringLiteral("P0"), QStringLiteral("P1")}, true},
                      SeparatorCase{"FiveSeparators", 5, 1.5f,
                                    {QStringLiteral("Summary"), QStringLiteral("P0"), QStringLiteral("P1")}, true},
                      SeparatorCase{"EightPlayers", 16, 7.0f,
                                    {QStringLiteral("Summary"), QStringLiteral("P0"), QStringLiteral("P1"),
                                     QStringLiteral("P2"), QStringLiteral("P3"), QStringLiteral("P4"),
                                     QStringLiteral("P5"), QStringLiteral("P6"), QStringLiteral("P7")},
                                    true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpenLogTest, EmptyFileIsVersionOneAndInvalid) {
  const TempLog log("");
  open(log.path());
  EXPECT_FLOAT_EQ(state.PlayerIndex, -1.0f);
  expectChoosers({QStringLiteral("Summary")});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(main->Tag, QStringLiteral("1"));
}

TEST_F(OpenLogTest, AFreshWindowKeepsItsEmptyTagForAValidLog) {
  const TempLog log(separatorLog(4));
  open(log.path());
  EXPECT_TRUE(main->Tag.isEmpty());
}

TEST_F(OpenLogTest, SelectingSummaryFromCodeRaisesNoClick) {
  int clicks = 0;
  for (ui::Chooser* chooser : main->cbView) chooser->onClick = [&clicks] { ++clicks; };
  const TempLog log(separatorLog(6));
  open(log.path());
  EXPECT_EQ(clicks, 0);
}

TEST_F(OpenLogTest, SecondLogReplacesTheFirstLogsItems) {
  const TempLog first(separatorLog(8));
  const TempLog second(separatorLog(4));
  open(first.path());
  open(second.path());
  EXPECT_FLOAT_EQ(state.PlayerIndex, 1.0f);
  expectChoosers({QStringLiteral("Summary"), QStringLiteral("P0"), QStringLiteral("P1")});
}

TEST_F(OpenLogTest, InvalidLogAfterAValidOneHoldsOnlyItsOwnItems) {
  const TempLog valid(separatorLog(6));
  const TempLog invalid(separatorLog(2));
  open(valid.path());
  open(invalid.path());
  expectChoosers({QStringLiteral("Summary"), QStringLiteral("P0")});
  EXPECT_EQ(main->Tag, QStringLiteral("1"));
}

TEST_F(OpenLogTest, NamesAreShownAsWrittenInTheLog) {
  // "Zoë" in the log's single-byte text.
  const TempLog log(
      "*************\r\n*************\r\nPlayer Name: Zo\xEB\r\n*************\r\n*************\r\nPlayer Name: "
      "Bo\r\n");
  open(log.path());
  expectChoosers({QStringLiteral("Summary"), QString::fromUtf8("Zo\xC3\xAB"), QStringLiteral("Bo")});
}

// ---- ship totals ----

TEST_F(OpenLogTest, ShipTotalIsTheClassCountsPlusOne) {
  open(std::string(CORV_TEST_DATA) + "/pages_v104_worked_example.txt");
  EXPECT_EQ(state.Players[0].ShipsTotal, 1 + 2 + 8 + 10 + 30 + 6 + 2 + 1 + 1);
  EXPECT_EQ(state.Players[1].ShipsTotal, 1 + 1 + 12 + 5 + 20 + 4 + 1 + 0 + 1);
  EXPECT_EQ(state.Players[2].ShipsTotal, 1);  // no ships at all
}

TEST_F(OpenLogTest, ShipTotalsOnlyForTheLogsPlayers) {
  state.Players[2].ShipsTotal = 77;
  const TempLog log(separatorLog(5));  // PlayerIndex 1.5: slots 0 and 1
  open(log.path());
  EXPECT_EQ(state.Players[0].ShipsTotal, 1);
  EXPECT_EQ(state.Players[1].ShipsTotal, 1);
  EXPECT_EQ(state.Players[2].ShipsTotal, 77);
}

TEST_F(OpenLogTest, ShipTotalBeyondItsFieldIsHeldAtTheLimit) {
  std::string text = separatorLog(4) + "Total Aquired Ships By Class:\r\n";
  for (const char* cls : {"Carrier", "Destroyer", "Frigate", "Corvette"})
    text += std::string("CLASS_") + cls + ":\t30000\r\n";
  const TempLog log(text);
  open(log.path());
  EXPECT_EQ(state.Players[1].ShipsTotal, 32767);
  EXPECT_TRUE(boxes.empty());
}

// ---- logs the reader rejects ----

TEST_F(OpenLogTest, RejectedLogIsInvalidAndTheMessageNamesTheLine) {
  const std::string path = std::string(CORV_TEST_DATA) + "/pages_v104_rejected.txt";
  open(path);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, QString::fromStdString(path) +
                                 QStringLiteral("\r\n\r\nThe above file could not be read as a Corvaneth log: "
                                                "line 44: the value 40000 does not fit (at most 32767)."));
  EXPECT_EQ(boxes[0].style, 64);
  EXPECT_EQ(boxes[0].title, QStringLiteral("Invalid Log File"));
  EXPECT_EQ(main->Tag, QStringLiteral("1"));
  // Three players were read, and the choosers are filled as for any log.
  expectChoosers({QStringLiteral("Summary"), QStringLiteral("Ana"), QStringLiteral("Bo"), QStringLiteral("Cy")});
}

TEST_F(OpenLogTest, MissingFileIsInvalidWithoutALineNumber) {
  const QString path = QStringLiteral("/nonexistent/corvaneth/no-such-log.txt");
  main->openLog(path);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt,
            path + QStringLiteral("\r\n\r\nThe above file could not be read as a Corvaneth log: the file cannot be opened."));
  EXPECT_EQ(main->Tag, QStringLiteral("1"));
  expectChoosers({QStringLiteral("Summary")});
}

TEST_F(OpenLogTest, MoreThanEightPlayersStopsAtTheTablesEnd) {
  const TempLog log(separatorLog(20));
  open(log.path());
  QStringList expected{QStringLiteral("Summary")};
  for (int i = 0; i < 8; ++i) expected << QStringLiteral("P%1").arg(i);
  expectChoosers(expected);
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
