// Reading a line's number, the value column, and the text decoding of names.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include "log/LogReader.h"

namespace corv {
namespace {

TEST(ReadLogNumber, ReadsTheLeadingNumber) {
  const std::pair<std::string, double> kCases[] = {{"1234", 1234}, {"1 234", 1234}, {"12abc", 12}, {"", 0}, {"  \t ", 0}, {"\t\t42", 42},
                {"4\t2", 42}, {"-17", -17}, {"+8", 8}, {"- 5", -5}, {"--5", 0}, {"-", 0}, {"3.5", 3.5},
                {" 2 . 5 ", 2.5}, {"1.2.3", 1.2}, {".5", 0.5}, {"5.", 5}, {".", 0}, {"-.25", -0.25},
                {"12-3", 12}, {"1,000", 1}, {"1e3", 1}, {"&H10", 0}, {"x12", 0}, {"000042", 42},
                {"2.50000000000000000000000001", 2.5}, {"0." + std::string(400, '0') + "1", 0},
                {"9" + std::string(400, '0'), HUGE_VAL}, {"-9" + std::string(400, '0'), -HUGE_VAL},
                // A sloppy digit-by-digit conversion drifts off the half and rounds wrongly.
                {"32766.5", 32766.5}, {"2147483646.5", 2147483646.5}};
  for (const auto& [text, expected] : kCases) EXPECT_EQ(ReadLogNumber(text), expected) << '"' << text << '"';
}

TEST(GetLineValue, ReadsAfterTheLabelsColumn) {
  // {line, label, number}
  const std::tuple<std::string, std::string, double> kCases[] = {
      {"RU's Collected   : 38215", "RU's Collected   : ", 38215},
      // The column, not the text of the label, decides where the number is.
      {"XXXXXXXXXXXXXXXXXX 7", "RU's Collected   : ", 7},
      {"Total Damage Against Player 3: 500", "Total Damage Against Player x: ", 500},
      {"CLASS_Carrier:\t4", "CLASS_Carrier:\t", 4},
      {"ab9cdef", "ab\tcd\t", 0},  // the first TAB ends the column
      {"abc12", "ab\tcdef", 12},
      {"RU's Collected   : ", "RU's Collected   : ", 0},
      {"CARRIER                                 : 3", std::string(41, ' '), 3},
      {"CARRIER      : 3", std::string(41, ' '), 0}};
  for (const auto& [line, label, expected] : kCases) {
    StatsState s;
    s.LogLine = line;
    EXPECT_EQ(GetLineValue(s, label), expected) << '"' << line << '"';
  }
}

TEST(DecodeWindows1252, BytesBecomeUtf8) {
  const std::pair<const char*, const char*> kCases[] = {{"Kestrel_77 [X]", "Kestrel_77 [X]"}, {"Ren\xE9" "e", "Ren\u00E9e"}, {"\xC6thel", "\u00C6thel"},
                {"\xFF", "\u00FF"}, {"\xA0", "\u00A0"},
                // 0x80 to 0x9F have letters of their own.
                {"\x80", "\u20AC"}, {"\x99", "\u2122"}, {"\x8A\x9F", "\u0160\u0178"},
                // Unassigned bytes keep their value rather than vanishing.
                {"\x81\x9D", "\u0081\u009D"}};
  for (const auto& [bytes, utf8] : kCases) EXPECT_EQ(DecodeWindows1252(bytes), utf8) << utf8;
}

}  // namespace
}  // namespace corv
