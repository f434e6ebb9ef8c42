// Reading a line's number, the value column, and the text decoding of names.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "log/LogReader.h"

namespace corv {
namespace {

struct NumberCase {
  const char* name;
  std::string text;
  double expected;
};

class ReadLogNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadLogNumberTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(ReadLogNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadLogNumberTest,
    ::testing::Values(NumberCase{"Plain", "1234", 1234}, NumberCase{"BlankInsideDigits", "1 234", 1234},
                      NumberCase{"StopsAtLetters", "12abc", 12}, NumberCase{"Empty", "", 0},
                      NumberCase{"OnlyBlanks", "  \t ", 0}, NumberCase{"LeadingTabs", "\t\t42", 42},
                      NumberCase{"TabInsideDigits", "4\t2", 42}, NumberCase{"Negative", "-17", -17},
                      NumberCase{"Plus", "+8", 8}, NumberCase{"BlankAfterSign", "- 5", -5},
                      NumberCase{"TwoSigns", "--5", 0}, NumberCase{"SignAlone", "-", 0},
                      NumberCase{"Decimal", "3.5", 3.5}, NumberCase{"BlanksAroundPoint", " 2 . 5 ", 2.5},
                      NumberCase{"SecondPointStops", "1.2.3", 1.2}, NumberCase{"PointFirst", ".5", 0.5},
                      NumberCase{"PointLast", "5.", 5}, NumberCase{"PointAlone", ".", 0},
                      NumberCase{"MinusPoint", "-.25", -0.25}, NumberCase{"SignAfterDigits", "12-3", 12},
                      NumberCase{"CommaStops", "1,000", 1}, NumberCase{"NoExponent", "1e3", 1},
                      NumberCase{"NoHexPrefix", "&H10", 0}, NumberCase{"NoLetterFirst", "x12", 0},
                      NumberCase{"LeadingZeros", "000042", 42},
                      NumberCase{"LongFraction", "2.50000000000000000000000001", 2.5},
                      NumberCase{"TinyIsZero", "0." + std::string(400, '0') + "1", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadLogNumber, HugeDigitRunsAreInfinite) {
  EXPECT_EQ(ReadLogNumber("9" + std::string(400, '0')), HUGE_VAL);
  EXPECT_EQ(ReadLogNumber("-9" + std::string(400, '0')), -HUGE_VAL);
}

TEST(ReadLogNumber, TieOfTheRoundingStaysExact) {
  // A sloppy digit-by-digit conversion drifts off the half and rounds wrongly.
  EXPECT_EQ(ReadLogNumber("32766.5"), 32766.5);
  EXPECT_EQ(ReadLogNumber("2147483646.5"), 2147483646.5);
}

struct ColumnCase {
  const char* name;
  std::string line;
  std::string label;
  double expected;
};

class GetLineValueTest : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(GetLineValueTest, ReadsAfterTheLabelsColumn) {
  StatsState s;
  s.LogLine = GetParam().line;
  EXPECT_EQ(GetLineValue(s, GetParam().label), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetLineValueTest,
    ::testing::Values(
        ColumnCase{"LabelLength", "RU's Collected   : 38215", "RU's Collected   : ", 38215},
        // The column, not the text of the label, decides where the number is.
        ColumnCase{"OnlyTheColumnCounts", "XXXXXXXXXXXXXXXXXX 7", "RU's Collected   : ", 7},
        ColumnCase{"DigitsInsideTheLabelAreSkipped", "Total Damage Against Player 3: 500",
                   "Total Damage Against Player x: ", 500},
        ColumnCase{"TabEndsTheColumn", "CLASS_Carrier:\t4", "CLASS_Carrier:\t", 4},
        ColumnCase{"FirstTabCounts", "ab9cdef", "ab\tcd\t", 0},
        ColumnCase{"FirstTabCountsDigits", "abc12", "ab\tcdef", 12},
        ColumnCase{"LineAsLongAsColumn", "RU's Collected   : ", "RU's Collected   : ", 0},
        ColumnCase{"LineShorterThanColumn", "RU's Col", "RU's Collected   : ", 0},
        ColumnCase{"EmptyLine", "", "Total Kills: ", 0},
        ColumnCase{"WideClassColumn", "CARRIER                                 : 3",
                   std::string(41, ' '), 3},
        ColumnCase{"WideClassColumnShortLine", "CARRIER      : 3", std::string(41, ' '), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeWindows1252, AsciiIsUnchanged) { EXPECT_EQ(DecodeWindows1252("Kestrel_77 [X]"), "Kestrel_77 [X]"); }

TEST(DecodeWindows1252, LatinLettersBecomeUtf8) {
  EXPECT_EQ(DecodeWindows1252("Ren\xE9" "e"), "Ren\u00E9e");
  EXPECT_EQ(DecodeWindows1252("\xC6thel"), "\u00C6thel");
  EXPECT_EQ(DecodeWindows1252("\xFF"), "\u00FF");
  EXPECT_EQ(DecodeWindows1252("\xA0"), "\u00A0");
}

TEST(DecodeWindows1252, TheHighControlRangeHasItsOwnLetters) {
  EXPECT_EQ(DecodeWindows1252("\x80"), "\u20AC");
  EXPECT_EQ(DecodeWindows1252("\x99"), "\u2122");
  EXPECT_EQ(DecodeWindows1252("\x8A\x9F"), "\u0160\u0178");
  // Unassigned bytes keep their value rather than vanishing.
  EXPECT_EQ(DecodeWindows1252("\x81\x9D"), "\u0081\u009D");
}

TEST(LogProblem, TextNamesTheLine) {
  EXPECT_EQ((LogProblem{12, "the value 40000 does not fit (at most 32767)"}.text()),
            "line 12: the value 40000 does not fit (at most 32767)");
  EXPECT_EQ((LogProblem{0, "the file cannot be opened"}.text()), "the file cannot be opened");
}

}  // namespace
}  // namespace corv
