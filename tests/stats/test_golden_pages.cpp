// Sample logs of both versions against page and view dumps worked out by hand
// from the scoring and layout rules. Row labels are taken to be 195 twips tall
// (13 pixels of the row font), which every bar top in the expectations builds on.
#include <QString>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "StatsTestSupport.h"
#include "stats/PageDump.h"
#include "stats/PlayerViewDump.h"
#include "ui/Controls.h"

namespace {

using corv::test::dataFile;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void replaceAll(std::string& text, const std::string& token, const std::string& by) {
  for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + by.size()))
    text.replace(at, token.size(), by);
}

class GoldenPages : public ::testing::TestWithParam<const char*> {
 protected:
  void TearDown() override { ui::resetDialogHandlers(); }
};

TEST_P(GoldenPages, DumpMatchesTheWorkedOutPages) {
  ui::dialogHandlers().messageBox = [](QWidget*, const QString& prompt, int, const QString&) {
    ADD_FAILURE() << "the dump must answer its own message box: " << prompt.toStdString();
    return ui::kMsgResultOk;
  };
  const std::string base = dataFile(GetParam());
  const std::string log = base + ".txt";
  std::string expected = readFile(base + ".expected");
  ASSERT_FALSE(expected.empty()) << base << ".expected";
  replaceAll(expected, "@LOG@", log);

  corv::StatsState state;
  Main main(state);
  ASSERT_FLOAT_EQ(main.lbRes[0]->Height(), 195.0f) << "the expectations assume 195-twip row labels";
  std::ostringstream out;
  corv::WritePageDump(out, main, QString::fromStdString(log));
  EXPECT_EQ(out.str(), expected);
}

INSTANTIATE_TEST_SUITE_P(Samples, GoldenPages,
                         ::testing::Values("pages_v104_worked_example", "pages_v100_two_players_tie",
                                           "pages_v100_trailing_separator", "pages_v104_eight_players", "pages_v104_wide_numbers",
                                           "pages_v100_one_player", "pages_v104_rejected"),
                         [](const auto& info) { return std::string(info.param); });

TEST(GoldenViews, TwoPlayerLogSlotZero) {
  std::string expected = readFile(dataFile("views_two_players_slot0.expected"));
  ASSERT_FALSE(expected.empty());
  corv::StatsState state;
  Main main(state);
  ASSERT_TRUE(corv::OpenLogAsLauncher(main, QString::fromStdString(dataFile("views_two_players.txt"))).valid);
  std::ostringstream out;
  ASSERT_TRUE(corv::WritePlayerChoice(out, main, 0));
  EXPECT_EQ(out.str(), expected);
}

TEST(PageDumpText, NumbersColoursAndOneLineMessages) {
  EXPECT_EQ(corv::DumpNumber(1233.3334f), "1233.33");
  EXPECT_EQ(corv::DumpNumber(7035.0f), "7035");
  EXPECT_EQ(corv::DumpNumber(3517.5f), "3517.5");
  EXPECT_EQ(corv::DumpNumber(-0.001f), "0");
  EXPECT_EQ(corv::DumpNumber(-30.25f), "-30.25");
  EXPECT_EQ(corv::DumpMessage(QStringLiteral("a\r\n\r\nb\nc\rd")), "a\\n\\nb\\nc\\nd");
  EXPECT_EQ(corv::DumpMessage(QStringLiteral("C:\\logs\\x.txt")), "C:\\\\logs\\\\x.txt");
  EXPECT_EQ(corv::DumpColour(corv::rgb(50, 255, 10)), "32FF0A");
}

TEST(PageDumpText, OpeningRestoresTheMessageBoxHandler) {
  int calls = 0;
  ui::dialogHandlers().messageBox = [&calls](QWidget*, const QString&, int, const QString&) {
    ++calls;
    return ui::kMsgResultOk;
  };
  corv::StatsState state;
  Main main(state);
  const corv::OpenedLog opened =
      corv::OpenLogAsLauncher(main, QString::fromStdString(dataFile("pages_v100_one_player.txt")));
  EXPECT_FALSE(opened.valid);
  EXPECT_EQ(main.Tag, QStringLiteral("0"));
  EXPECT_EQ(calls, 0);
  ui::MsgBox(QStringLiteral("x"), ui::kMsgInformation, QStringLiteral("t"));
  EXPECT_EQ(calls, 1);
  ui::resetDialogHandlers();
}

}  // namespace
