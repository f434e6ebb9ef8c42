// The settings store, against a temporary config folder: what reads as
// missing, what survives a round trip, and what a damaged or unwritable store
// does (never a crash, never a wrong value).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdint>
#include <optional>
#include <string>

#include "shell/Registry.h"

using shell::HKEY_LOCAL_MACHINE;
using shell::ReadRegString;
using shell::WriteRegString;

namespace {

const std::string kKey = "Software\\Corvaneth Stats";
const std::string kValue = "CV Path";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    shell::setRegistryRoot(dir_.path().toStdString());
  }
  void TearDown() override { shell::setRegistryRoot(""); }

  QString storePath() const { return QString::fromStdString(shell::registryFilePath()); }

  // Writes the store by hand, as another program (or damage) might have left it.
  void writeStore(const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(storePath()).absolutePath()));
    QFile f(storePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }

  QByteArray readStore() const {
    QFile f(storePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  std::optional<std::string> readPath() const { return ReadRegString(HKEY_LOCAL_MACHINE, kKey, kValue); }

  QTemporaryDir dir_;
};

TEST_F(RegistryTest, StoreLivesInItsOwnFolderUnderTheRoot) {
  EXPECT_EQ(storePath(), dir_.path() + "/corvaneth-stats/registry.ini");
}

TEST_F(RegistryTest, DefaultRootIsTheUsersConfigFolder) {
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  const bool hadSaved = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  const bool testMode = QStandardPaths::isTestModeEnabled();
  QStandardPaths::setTestModeEnabled(false);
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  shell::setRegistryRoot("");
  EXPECT_EQ(storePath(), config.path() + "/corvaneth-stats/registry.ini");
  QStandardPaths::setTestModeEnabled(testMode);
  if (hadSaved)
    qputenv("XDG_CONFIG_HOME", saved);
  else
    qunsetenv("XDG_CONFIG_HOME");
}

// ---- missing ----------------------------------------------------------------

TEST_F(RegistryTest, NoStoreFileReadsAsMissing) {
  EXPECT_FALSE(QFileInfo::exists(storePath()));
  EXPECT_EQ(readPath(), std::nullopt);
}

TEST_F(RegistryTest, MissingKeyReadsAsMissing) {
  WriteRegString(HKEY_LOCAL_MACHINE, "Software\\Other", kValue, "/games");
  EXPECT_EQ(readPath(), std::nullopt);
}

TEST_F(RegistryTest, MissingValueReadsAsMissing) {
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, "Other", "/games");
  EXPECT_EQ(readPath(), std::nullopt);
}

TEST_F(RegistryTest, SameKeyUnderAnotherHiveIsAnotherKey) {
  WriteRegString(0x80000001u, kKey, kValue, "/games");
  EXPECT_EQ(readPath(), std::nullopt);
  EXPECT_EQ(ReadRegString(0x80000001u, kKey, kValue), "/games");
}

// The key's backslash is part of one key name, not a path into a key "Software".
TEST_F(RegistryTest, KeyPathIsOneNameWithItsBackslash) {
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, "/games");
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, "Software", kValue), std::nullopt);
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, "Software/Corvaneth Stats", kValue), std::nullopt);
  EXPECT_EQ(readPath(), "/games");
}

// ---- types ------------------------------------------------------------------

class RegistryTypeTest : public RegistryTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(RegistryTypeTest, ValueOfAnotherTypeReadsAsMissing) {
  writeStore("[0x80000002 \"Software\\\\Corvaneth Stats\"]\n\"CV Path\"=" + QByteArray::number(GetParam()) +
             ":\"/games\\x00\"\n");
  EXPECT_EQ(readPath(), std::nullopt);
}

// 0 none, 2 expandable text, 3 binary, 4 dword, 7 multi-text, 11 qword.
INSTANTIATE_TEST_SUITE_P(NotText, RegistryTypeTest, ::testing::Values(0u, 2u, 3u, 4u, 7u, 11u, 4294967295u));

TEST_F(RegistryTest, TextValueWithoutClosingNulReadsWhole) {
  writeStore("[0x80000002 \"Software\\\\Corvaneth Stats\"]\n\"CV Path\"=1:\"/games/corvaneth\"\n");
  EXPECT_EQ(readPath(), "/games/corvaneth");
}

TEST_F(RegistryTest, TextValueReadsUpToItsFirstNul) {
  writeStore("[0x80000002 \"Software\\\\Corvaneth Stats\"]\n\"CV Path\"=1:\"/games\\x00rest\\x00\"\n");
  EXPECT_EQ(readPath(), "/games");
}

TEST_F(RegistryTest, WrittenTextWithNulInsideReadsUpToTheNul) {
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, std::string("/games\0/more", 12));
  EXPECT_EQ(readPath(), "/games");
}

TEST_F(RegistryTest, EmptyTextIsStoredAndReadsAsEmptyNotMissing) {
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, "");
  const auto v = readPath();
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(*v, "");
}

// ---- round trips ------------------------------------------------------------

struct OddText {
  const char* name;
  std::string text;
};

class RegistryRoundTripTest : public RegistryTest, public ::testing::WithParamInterface<OddText> {};

TEST_P(RegistryRoundTripTest, TextComesBackUnchanged) {
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, GetParam().text);
  EXPECT_EQ(readPath(), GetParam().text);
}

TEST_P(RegistryRoundTripTest, OddKeyAndValueNamesWorkToo) {
  const std::string odd = GetParam().text;
  WriteRegString(HKEY_LOCAL_MACHINE, odd, odd, "x");
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, "/games");
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, odd, odd), "x");
  EXPECT_EQ(readPath(), "/games");
}

std::string allBytesButNul() {
  std::string s;
  for (int b = 1; b < 256; ++b) s += static_cast<char>(b);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RegistryRoundTripTest,
    ::testing::Values(OddText{"WindowsPath", "C:\\Games\\Corvaneth"}, OddText{"DriveRoot", "C:\\"},
                      OddText{"UnixPath", "/home/me/games/corvaneth"},
                      OddText{"Equals", "a=b==c"}, OddText{"Quotes", "say \"hi\" \\\" end"},
                      OddText{"LineBreaks", "one\ntwo\r\nthree\r"}, OddText{"Tabs", "\tleft\tright\t"},
                      OddText{"Blanks", "  both ends  "}, OddText{"Comment", "; not a comment # nor this"},
                      OddText{"SectionLike", "[0x80000002 \"Other\"]"},
                      OddText{"ValueLike", "x\"\n\"CV Path\"=1:\"injected"},
                      OddText{"Utf8", "/home/me/Spiele/Gr\xC3\xB6\xC3\x9F" "e"},
                      OddText{"InvalidUtf8", "\xff\xfe\x80"}, OddText{"AllBytes", allBytesButNul()},
                      OddText{"Long", std::string(20000, 'p')}),
    [](const ::testing::TestParamInfo<OddText>& info) { return std::string(info.param.name); });

TEST_F(RegistryTest, WritingAgainReplacesTheValueAndKeepsTheOthers) {
  writeStore(
      "[0x80000002 \"Software\\\\Corvaneth Stats\"]\n"
      "\"Colour\"=4:\"\\x01\\x02\\x03\\x04\"\n"
      "\"CV Path\"=1:\"/old\\x00\"\n"
      "[0x80000001 \"Software\\\\Elsewhere\"]\n"
      "\"Name\"=1:\"kept\\x00\"\n");
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, "/new");
  EXPECT_EQ(readPath(), "/new");
  EXPECT_EQ(ReadRegString(0x80000001u, "Software\\Elsewhere", "Name"), "kept");
  // The other type survives the rewrite as that type: still not text.
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kKey, "Colour"), std::nullopt);
  EXPECT_TRUE(readStore().contains("\"Colour\"=4:\"\\x01\\x02\\x03\\x04\""));
}

TEST_F(RegistryTest, WritingLeavesNoTemporaryFilesBehind) {
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, "/a");
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, "/b");
  const QDir folder(QFileInfo(storePath()).absolutePath());
  EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"registry.ini"});
}

// ---- failures ---------------------------------------------------------------

// Works even as root, where folder permissions would not stop a write.
TEST_F(RegistryTest, UnwritableRootStoresNothingAndReadsAsMissing) {
  QFile blocker(dir_.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  shell::setRegistryRoot(dir_.filePath("not-a-folder/config").toStdString());
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, "/games");
  EXPECT_EQ(readPath(), std::nullopt);
  EXPECT_TRUE(QFileInfo(dir_.filePath("not-a-folder")).isFile());
}

TEST_F(RegistryTest, StorePathThatIsAFolderReadsAsMissingAndIsLeftAlone) {
  ASSERT_TRUE(QDir().mkpath(storePath() + "/inside"));
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, "/games");
  EXPECT_EQ(readPath(), std::nullopt);
  EXPECT_TRUE(QFileInfo(storePath() + "/inside").isDir());
}

struct Damage {
  const char* name;
  QByteArray bytes;
};

class RegistryCorruptTest : public RegistryTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(RegistryCorruptTest, DamagedStoreReadsAsMissingAndAWriteRepairsIt) {
  writeStore(GetParam().bytes);
  EXPECT_EQ(readPath(), std::nullopt);
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, "/games");
  EXPECT_EQ(readPath(), "/games");
}

QByteArray binaryNoise() {
  QByteArray b;
  unsigned x = 12345;
  for (int i = 0; i < 4096; ++i) {
    x = x * 1103515245u + 12345u;
    b += static_cast<char>(x >> 24);
  }
  return b;
}

const QByteArray kHeader = "[0x80000002 \"Software\\\\Corvaneth Stats\"]\n";

INSTANTIATE_TEST_SUITE_P(
    Damages, RegistryCorruptTest,
    ::testing::Values(
        Damage{"Binary", binaryNoise()}, Damage{"Nuls", QByteArray(300, '\0')},
        Damage{"ValueWithoutSection", "\"CV Path\"=1:\"/games\\x00\"\n"},
        Damage{"UnclosedSection", "[0x80000002 \"Software\\\\Corvaneth Stats\"\n\"CV Path\"=1:\"/x\\x00\"\n"},
        Damage{"SectionBadHive", "[80000002 \"Software\\\\Corvaneth Stats\"]\n\"CV Path\"=1:\"/x\\x00\"\n"},
        Damage{"SectionHiveTooLong",
               "[0x180000002 \"Software\\\\Corvaneth Stats\"]\n\"CV Path\"=1:\"/x\\x00\"\n"},
        Damage{"UnclosedQuote", kHeader + "\"CV Path\"=1:\"/games\n"},
        Damage{"BadEscape", kHeader + "\"CV Path\"=1:\"/ga\\qmes\"\n"},
        Damage{"ShortHexEscape", kHeader + "\"CV Path\"=1:\"/games\\x4\"\n"},
        Damage{"EscapeAtEnd", kHeader + "\"CV Path\"=1:\"/games\\"},
        Damage{"TypeTooLarge", kHeader + "\"CV Path\"=4294967297:\"/games\"\n"},
        Damage{"NoType", kHeader + "\"CV Path\"=:\"/games\"\n"},
        Damage{"UnquotedData", kHeader + "\"CV Path\"=1:/games\n"},
        Damage{"TrailingGarbage", kHeader + "\"CV Path\"=1:\"/games\" junk\n"},
        Damage{"Truncated", kHeader.left(20)},
        Damage{"Oversized", kHeader + "\"CV Path\"=1:\"/x\\x00\"\n" + QByteArray(2 << 20, ';')}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST_F(RegistryTest, DamagedLinesDoNotHideGoodOnes) {
  writeStore("garbage \xff\xfe\n" + kHeader + "\"Broken\"=1:\"x\n\"CV Path\"=1:\"/games\\x00\"\r\n\x01\x02\n");
  EXPECT_EQ(readPath(), "/games");
}

// A damaged header must not hand its values to the section before it.
TEST_F(RegistryTest, ValuesUnderADamagedHeaderAreNotGivenToTheSectionBefore) {
  writeStore(kHeader + "\"Other\"=1:\"a\\x00\"\n[0x80000002 broken\n\"CV Path\"=1:\"/games\\x00\"\n");
  EXPECT_EQ(readPath(), std::nullopt);
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kKey, "Other"), "a");
}

}  // namespace
