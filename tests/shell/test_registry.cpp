// The settings store against a temporary config folder: what reads as missing,
// what survives a round trip, and that whatever lies in the store's place, a
// damaged store, someone's file behind a link, a pipe or a folder, gives no
// value and loses nothing.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include <sys/stat.h>

#include "shell/Registry.h"

namespace {

using Text = std::optional<std::string>;
const std::string kKey = "Software\\Corvaneth Stats";
Text read() { return shell::ReadRegString(shell::HKEY_LOCAL_MACHINE, kKey, "CV Path"); }
std::string write(const std::string& t) { return shell::WriteRegString(shell::HKEY_LOCAL_MACHINE, kKey, "CV Path", t); }
QString store() { return QString::fromStdString(shell::registryFilePath()); }
QByteArray typed(const QByteArray& type, const QByteArray& data) {
  const QByteArray value = "Software%5CCorvaneth%20Stats\\CV%20Path\\";
  return "[HKEY_LOCAL_MACHINE]\n" + value + "type=" + type + "\n" + value + "data=" + data + "\n";
}

// As another program, or damage, left it; with a time stamp of its own (from its
// bytes), since QSettings reads a file again only when its size or time stamp changed.
void writeStore(const QByteArray& bytes, const QString& path = store()) {
  QFile f(path);
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) && f.write(bytes) >= 0);
  ASSERT_TRUE(f.flush());
  ASSERT_TRUE(f.setFileTime(QDateTime::fromSecsSinceEpoch(qHash(bytes) % 1'000'000'000), QFile::FileModificationTime));
}

struct RegistryTest : ::testing::Test {
  void SetUp() override { shell::setRegistryRoot(dir_.path().toStdString()); }
  void TearDown() override { shell::setRegistryRoot(""); }
  QTemporaryDir dir_;
};

// What lies in the store's place: a file, a link to a file kept elsewhere, a
// pipe, a folder, or a sparse file too large to be a store.
enum Lay { File, Link, Pipe, Folder, Huge };

// What a store reads as, then after a write. Ours, also through a link, is
// updated where it is, other sections and all. Any other file is renamed aside
// whole under a free name, a link as a link, and a fresh store written. A pipe
// or folder is never opened, and the write fails.
TEST_F(RegistryTest, OnlyOurStoreIsReadOrWrittenAnyOtherFileIsSetAsideAndNoPipeOpened) {
  const Text no, x = "/x";
  const QByteArray other = "[Elsewhere]\nnote=" + QByteArray(2 << 20, 'z') + "\n", doc = "[Letters]\nto=Vemra\n";
  const char *ours = nullptr, *none = "";  // ours, and not a file: nothing set aside
  const std::tuple<Lay, QByteArray, Text, const char*> stores[] = {
      {File, typed("1", "/x"), x, ours}, {File, typed("0", "/x"), no, ours}, {File, typed("2", "/x"), no, ours},
      {File, typed("4294967297", "/x"), no, ours}, {File, typed("x", "/x"), no, ours}, {File, typed("", "/x"), no, ours},
      {File, typed("1", "/x, /y"), no, ours}, {File, typed("1", "@ByteArray(/x)"), no, ours}, {File, "", no, ours},
      {File, other + typed("1", "/x"), x, ours}, {Link, typed("1", "/x") + other, x, ours},
      {File, QByteArray(300, '\0'), no, ".damaged"}, {File, typed("1", "/x").replace("]", ""), no, ".damaged.1"},
      {File, QByteArray("\xff\xfe[\x01=\n\x80]\\=\x7f", 11), no, ".damaged.2"}, {File, doc, no, ".damaged.3"},
      {File, "[HKEY_LOCAL_MACHINE]\nMode=1\n", no, ".damaged.4"}, {Link, doc, no, ".damaged.5"},
      {Link, "root:x:0:0::/root:/bin/sh\n", no, ".damaged.6"}, {Link, "", no, ".damaged.7"},
      {Huge, typed("1", "/x"), no, ".damaged.8"}, {Pipe, {}, no, none}, {Folder, {}, no, none}};
  for (const auto& [lay, bytes, before, aside] : stores) {
    SCOPED_TRACE(bytes.left(40).toStdString());
    std::remove(QFile::encodeName(store()).constData());
    ASSERT_TRUE(lay == Link ? (writeStore(bytes, dir_.filePath("mine")), QFile::link(dir_.filePath("mine"), store()))
                : lay == Pipe ? !::mkfifo(qPrintable(store()), 0600) : lay == Folder ? QDir().mkpath(store())
                : (writeStore(bytes), lay != Huge || QFile(store()).resize(65 << 20)));
    EXPECT_EQ(read(), before);
    const bool stored = lay != Pipe && lay != Folder;
    EXPECT_EQ(write("/games").empty(), stored);
    EXPECT_EQ(read(), stored ? "/games" : no);
    EXPECT_EQ(QFileInfo(store()).isSymLink(), lay == Link && !aside);
    EXPECT_EQ(QFileInfo(store()).size() > 2 << 20, bytes.contains(other));  // the other section stays
    if (!aside || !*aside) continue;
    QFile kept(store() + aside);  // as it was, and a link still a link to the same file
    EXPECT_EQ(QFileInfo(kept).isSymLink(), lay == Link);
    EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.read(bytes.size()) == bytes);
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

// A relative $XDG_CONFIG_HOME is no config folder; without an override the store follows an absolute one.
TEST(RegistryPlace, AnAbsoluteConfigHomeIsUsedARelativeOneIgnored) {
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", "/srv/cfg");
  EXPECT_EQ(store(), "/srv/cfg/corvaneth-stats/registry.ini");
  qputenv("XDG_CONFIG_HOME", "cfg");
  EXPECT_EQ(store(), QDir::homePath() + "/.config/corvaneth-stats/registry.ini");
  qputenv("XDG_CONFIG_HOME", saved);
}

}  // namespace
