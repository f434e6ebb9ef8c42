// The dump that statsdump prints, against golden files written by hand for the
// sample logs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "log/RecordDump.h"

namespace corv {
namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class GoldenDumpTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenDumpTest, MatchesTheExpectedFile) {
  const std::string base = std::string(CORV_TEST_DATA) + "/" + GetParam();
  const std::string expected = readFile(base + ".expected");
  ASSERT_FALSE(expected.empty()) << base;
  StatsState state;
  std::ostringstream out;
  WriteLogDump(out, state, base + ".txt");
  EXPECT_EQ(out.str(), expected);
}

INSTANTIATE_TEST_SUITE_P(SampleLogs, GoldenDumpTest,
                         ::testing::Values("log_v100_four_players", "log_v104_three_players", "log_v100_quirks",
                                           "log_v104_bad_value"),
                         [](const auto& info) { return std::string(info.param); });

TEST(RecordDump, AMissingLogSaysSo) {
  StatsState state;
  std::ostringstream out;
  WriteLogDump(out, state, "/nonexistent/corvaneth/none.txt");
  const std::string text = out.str();
  EXPECT_EQ(text.substr(0, text.find("0.Name=")),
            "version=1.00\nPlayerIndex=-1\nproblem=the file cannot be opened\n");
}

struct FloatCase {
  const char* name;
  float value;
  const char* text;
};

class PlainFloatTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(PlainFloatTest, PrintsThePlainWay) { EXPECT_EQ(PlainFloat(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Cases, PlainFloatTest,
                         ::testing::Values(FloatCase{"MinusOne", -1.0f, "-1"}, FloatCase{"MinusHalf", -0.5f, "-0.5"},
                                           FloatCase{"Zero", 0.0f, "0"}, FloatCase{"Half", 0.5f, "0.5"},
                                           FloatCase{"Three", 3.0f, "3"}, FloatCase{"SevenAndAHalf", 7.5f, "7.5"},
                                           FloatCase{"Large", 10000000.0f, "10000000"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corv
