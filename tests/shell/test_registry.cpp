// The settings store, against a temporary config folder: what reads as
// missing, what survives a round trip, and what a damaged or unwritable store
// does (never a crash, never a wrong value).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
const QByteArray kHeader = "[0x80000002 \"Software\\\\Corvaneth Stats\"]\n";

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

  std::optional<std::string> readPath() const { return ReadRegString(HKEY_LOCAL_MACHINE, kKey, kValue); }
  void writePath(const std::string& text) { WriteRegString(HKEY_LOCAL_MACHINE, kKey, kValue, text); }

  QTemporaryDir dir_;
};

TEST_F(RegistryTest, StoreLivesUnderTheRootElseTheUsersConfigFolder) {
  EXPECT_EQ(storePath(), dir_.path() + "/corvaneth-stats/registry.ini");
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  const bool hadSaved = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path() + "/xdg"));
  shell::setRegistryRoot("");
  EXPECT_EQ(storePath(), dir_.path() + "/xdg/corvaneth-stats/registry.ini");
  if (hadSaved)
    qputenv("XDG_CONFIG_HOME", saved);
  else
    qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(RegistryTest, NoFileKeyValueOrHiveReadsAsMissing) {
  EXPECT_EQ(readPath(), std::nullopt);
  WriteRegString(HKEY_LOCAL_MACHINE, "Software\\Other", kValue, "/games");
  WriteRegString(HKEY_LOCAL_MACHINE, kKey, "Other", "/games");
  WriteRegString(0x80000001u, kKey, kValue, "/hkcu");
  EXPECT_EQ(readPath(), std::nullopt);
  EXPECT_EQ(ReadRegString(0x80000001u, kKey, kValue), "/hkcu");

  // The key's backslash is part of one key name, not a path into a key "Software".
  writePath("/games");
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, "Software", kValue), std::nullopt);
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, "Software/Corvaneth Stats", kValue), std::nullopt);
  EXPECT_EQ(readPath(), "/games");
}

TEST_F(RegistryTest, StoredValueReadsAsTextOnlyWhenREG_SZ) {
  const struct {
    QByteArray data;
    std::optional<std::string> expected;
  } texts[] = {{"\"/games/corvaneth\"", "/games/corvaneth"},  // no closing NUL: read whole
               {"\"/games\\x00rest\\x00\"", "/games"},        // up to the first NUL
               {"\"\\x00\"", ""}};                             // empty text, not missing
  for (const auto& t : texts) {
    writeStore(kHeader + "\"CV Path\"=1:" + t.data + "\n");
    EXPECT_EQ(readPath(), t.expected) << t.data.toStdString();
  }
  // 0 none, 2 expandable text, 3 binary, 4 dword, 7 multi-text, 11 qword.
  for (const char* type : {"0", "2", "3", "4", "7", "11", "4294967295"}) {
    writeStore(kHeader + "\"CV Path\"=" + type + ":\"/games\\x00\"\n");
    EXPECT_EQ(readPath(), std::nullopt) << "type " << type;
  }
}

// Every byte but NUL comes back unchanged, as data and as key and value names,
// and each key written stays readable beside the others: escaping, not luck.
TEST_F(RegistryTest, OddTextsSurviveARoundTrip) {
  std::string allBytes;
  for (int b = 1; b < 256; ++b) allBytes += static_cast<char>(b);
  const struct {
    const char* name;
    std::string text;
    std::string expected;  // as read back when stored as the data
  } cases[] = {
      {"DriveRoot", "C:\\", "C:\\"},
      {"BlanksAtBothEnds", "\t left right \t", "\t left right \t"},
      {"ValueLike", "x\"\n\"CV Path\"=1:\"injected", "x\"\n\"CV Path\"=1:\"injected"},
      {"AllBytes", allBytes, allBytes},
      {"Long", std::string(20000, 'p'), std::string(20000, 'p')},
      {"NulInside", std::string("/games\0/more", 12), "/games"},
      {"Empty", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteRegString(HKEY_LOCAL_MACHINE, c.text, c.text, "x");
    writePath(c.text);
    EXPECT_EQ(readPath(), c.expected);
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, c.text, c.text), "x");
  }
}

TEST_F(RegistryTest, WritingReplacesTheValueKeepsTheOthersAndLeavesNoTemporaryFile) {
  writeStore(kHeader +
             "\"Colour\"=4:\"\\x01\\x02\\x03\\x04\"\n"
             "\"CV Path\"=1:\"/old\\x00\"\n"
             "[0x80000001 \"Software\\\\Elsewhere\"]\n"
             "\"Name\"=1:\"kept\\x00\"\n");
  writePath("/new");
  EXPECT_EQ(readPath(), "/new");
  EXPECT_EQ(ReadRegString(0x80000001u, "Software\\Elsewhere", "Name"), "kept");
  // The other type survives the rewrite as that type: still not text.
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kKey, "Colour"), std::nullopt);
  QFile f(storePath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("\"Colour\"=4:\"\\x01\\x02\\x03\\x04\""));
  const QDir folder(QFileInfo(storePath()).absolutePath());
  EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"registry.ini"});
}

// A store that cannot be written, or is in the way of its own folder: nothing
// stored, nothing destroyed. Works even as root, where permissions would not stop a write.
TEST_F(RegistryTest, UnwritableStoreStoresNothingAndLeavesWhatIsThere) {
  ASSERT_TRUE(QDir().mkpath(storePath() + "/inside"));
  writePath("/games");
  EXPECT_EQ(readPath(), std::nullopt);
  EXPECT_TRUE(QFileInfo(storePath() + "/inside").isDir());

  QFile blocker(dir_.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  shell::setRegistryRoot(dir_.filePath("not-a-folder/config").toStdString());
  writePath("/games");
  EXPECT_EQ(readPath(), std::nullopt);
  EXPECT_TRUE(QFileInfo(dir_.filePath("not-a-folder")).isFile());
}

TEST_F(RegistryTest, DamagedStoreReadsAsMissingAndAWriteRepairsIt) {
  QByteArray noise;
  unsigned x = 12345;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
  const QByteArray value = "\"CV Path\"=1:\"/x\\x00\"\n";
  const QByteArray damages[] = {
      noise, QByteArray(300, '\0'), value,                        // binary, NULs, a value without a section
      "[0x80000002 \"Software\\\\Corvaneth Stats\"\n" + value,    // unclosed section
      "[80000002 \"Software\\\\Corvaneth Stats\"]\n" + value,     // hive without 0x
      "[0x180000002 \"Software\\\\Corvaneth Stats\"]\n" + value,  // hive too long
      kHeader + "\"CV Path\"=1:\"/games\n",                      // unclosed quote
      kHeader + "\"CV Path\"=1:\"/ga\\qmes\"\n",                 // unknown escape
      kHeader + "\"CV Path\"=1:\"/games\\x4\"\n",                // short hex escape
      kHeader + "\"CV Path\"=1:\"/games\\",                      // escape at the end
      kHeader + "\"CV Path\"=4294967297:\"/games\"\n",           // type beyond 32 bits
      kHeader + "\"CV Path\"=:\"/games\"\n",                     // no type
      kHeader + "\"CV Path\"=1:/games\n",                         // unquoted data
      kHeader + "\"CV Path\"=1:\"/games\" junk\n",                // trailing garbage
      kHeader.left(20),                                           // truncated
      kHeader + value + QByteArray(2 << 20, ';'),                 // far too large to be ours
  };
  int n = 0;
  for (const QByteArray& bytes : damages) {
    SCOPED_TRACE("damage " + std::to_string(n++));
    writeStore(bytes);
    EXPECT_EQ(readPath(), std::nullopt);
    writePath("/games");
    EXPECT_EQ(readPath(), "/games");
  }
}

TEST_F(RegistryTest, DamagedLinesHideNoGoodOnesAndLendNoValuesToTheSectionBefore) {
  writeStore("garbage \xff\xfe\n" + kHeader + "\"Broken\"=1:\"x\n\"CV Path\"=1:\"/games\\x00\"\r\n\x01\x02\n");
  EXPECT_EQ(readPath(), "/games");

  writeStore(kHeader + "\"Other\"=1:\"a\\x00\"\n[0x80000002 broken\n\"CV Path\"=1:\"/games\\x00\"\n");
  EXPECT_EQ(readPath(), std::nullopt);
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kKey, "Other"), "a");
}

}  // namespace
