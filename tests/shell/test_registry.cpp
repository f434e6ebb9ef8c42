// The settings store against a temporary config folder: what reads as missing,
// what survives a round trip, and that a damaged, unreadable or unwritable store
// gives no value and loses none.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "shell/Registry.h"

namespace {

using Text = std::optional<std::string>;
const std::string kKey = "Software\\Corvaneth Stats";
Text read() { return shell::ReadRegString(shell::HKEY_LOCAL_MACHINE, kKey, "CV Path"); }
void write(const std::string& text) { shell::WriteRegString(shell::HKEY_LOCAL_MACHINE, kKey, "CV Path", text); }
QString store() { return QString::fromStdString(shell::registryFilePath()); }
QByteArray typed(const QByteArray& type, const QByteArray& data) {
  const QByteArray value = "Software%5CCorvaneth%20Stats\\CV%20Path\\";
  return "[HKEY_LOCAL_MACHINE]\n" + value + "type=" + type + "\n" + value + "data=" + data + "\n";
}

// As another program, or damage, left it; with a time stamp of its own (from its
// bytes), since QSettings reads a file again only when its size or time stamp changed.
void writeStore(const QByteArray& bytes) {
  QFile f(store());
  ASSERT_TRUE(QDir().mkpath(QFileInfo(store()).path()) && f.open(QIODevice::WriteOnly) && f.write(bytes) && f.flush());
  ASSERT_TRUE(f.setFileTime(QDateTime::fromSecsSinceEpoch(qHash(bytes) % 1'000'000'000), QFile::FileModificationTime));
}

class RegistryTest : public ::testing::Test {
  void SetUp() override { shell::setRegistryRoot(dir_.path().toStdString()); }
  void TearDown() override { shell::setRegistryRoot(""); }
  QTemporaryDir dir_;
};

// What a store reads as, then after a write: damage, even a file too large to
// be a store, is replaced; a folder where the file belongs stops even root.
TEST_F(RegistryTest, OnlyTextOfType1ReadsAndAWriteRepairsADamagedStoreButNotAFolder) {
  EXPECT_EQ(read(), std::nullopt);
  const Text no, games = "/games";
  const std::tuple<QByteArray, Text, Text> stores[] = {
      {typed("1", "/x"), "/x", games}, {typed("0", "/x"), no, games}, {typed("2", "/x"), no, games},
      {typed("4294967297", "/x"), no, games}, {typed("x", "/x"), no, games}, {typed("", "/x"), no, games},
      {typed("1", "/x, /y"), no, games}, {typed("1", "@ByteArray(/x)"), no, games}, {QByteArray(300, '\0'), no, games},
      {QByteArray("\xff\xfe[\x01=\n\x80]\\=\x7f", 11), no, games}, {typed("1", "/x").replace("]", ""), no, games},
      {typed("1", "/x") + QByteArray(2 << 20, ';'), no, games}, {QByteArray(), no, no}};  // null: a folder
  for (const auto& [bytes, before, after] : stores) {
    if (bytes.isNull()) ASSERT_TRUE(QFile::remove(store()) && QDir().mkpath(store()));
    else writeStore(bytes);
    EXPECT_EQ(read(), before) << bytes.left(60).toStdString();
    write("/games");
    EXPECT_EQ(read(), after);
  }
}

// The old file, kept open, stays whole: a write renames a new file in, never writes in place.
TEST_F(RegistryTest, OddTextsSurviveARoundTripUpToAnyNulAndAWriteKeepsTheOtherValues) {
  shell::WriteRegString(0x80000001u, kKey, "CV Path", "/old");
  QFile old(store());
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  for (const std::string text : {"C:\\x\\", "", "K\xc3\xa4 \xe6\x98\x9f", "a=b;c#d\n[e]\r\n\"%20", " @String(x), y "}) {
    write(text);
    EXPECT_EQ(read(), text);
  }
  write(std::string("/games\0/more", 12));
  EXPECT_EQ(read(), "/games");
  EXPECT_EQ(shell::ReadRegString(0x80000001u, kKey, "CV Path"), "/old");
  EXPECT_EQ(old.readAll(), "[0x80000001]\nSoftware%5CCorvaneth%20Stats\\CV%20Path\\data=/old\n"
                           "Software%5CCorvaneth%20Stats\\CV%20Path\\type=1\n");
  EXPECT_EQ(QDir(QFileInfo(store()).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"registry.ini"});
}

}  // namespace
