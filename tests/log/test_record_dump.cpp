// The dump that statsdump prints, against golden files written by hand for the
// sample logs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "log/RecordDump.h"

namespace corv {
namespace {

class GoldenDumpTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenDumpTest, MatchesTheExpectedFile) {
  const std::string base = std::string(CORV_TEST_DATA) + "/" + GetParam();
  std::ifstream in(base + ".expected", std::ios::binary);
  std::ostringstream expected;
  expected << in.rdbuf();
  ASSERT_FALSE(expected.str().empty()) << base;
  StatsState state;
  std::ostringstream out;
  WriteLogDump(out, state, base + ".txt");
  EXPECT_EQ(out.str(), expected.str());
}

INSTANTIATE_TEST_SUITE_P(SampleLogs, GoldenDumpTest,
                         ::testing::Values("log_v100_four_players", "log_v104_three_players", "log_v100_quirks",
                                           "log_v104_bad_value"),
                         [](const auto& info) { return std::string(info.param); });

TEST(RecordDump, PlainFloatPrintsThePlainWay) {
  const std::pair<float, const char*> kCases[] = {{-1.0f, "-1"}, {-0.5f, "-0.5"}, {0.0f, "0"},      {0.5f, "0.5"},
                                                  {3.0f, "3"},   {7.5f, "7.5"},   {1e7f, "10000000"}};
  for (const auto& [value, text] : kCases) EXPECT_EQ(PlainFloat(value), text);
}

}  // namespace
}  // namespace corv
