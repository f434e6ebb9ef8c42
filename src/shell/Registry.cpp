// The store is QSettings' INI format, one group per hive, and under it the
// value's type beside its data:
//
//   [HKEY_LOCAL_MACHINE]
//   Software%5CCorvaneth%20Stats\CV%20Path\data=/home/me/games/corvaneth
//   Software%5CCorvaneth%20Stats\CV%20Path\type=1
//
// QSettings escapes the key path's backslash (%5C), so the path stays one key
// name, as the registry reads it. Whatever QSettings cannot read, or reads as
// anything but a text beside the type 1, is a missing value.
//
// What lies at the store's place is looked at before anything opens it: only a
// regular file, or a link to one, is read, since opening a pipe would wait for
// a writer for ever. A file is written only when it reads as ours (below);
// anything else that a write would lose is renamed aside first.
#include "shell/Registry.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryFile>
#include <QVariant>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace shell {
namespace {

// Far more than any settings file holds, even one shared with other sections;
// a larger file is none, and QSettings would read all of it into memory.
constexpr off_t kMaxStoreBytes = off_t{64} << 20;

std::string& rootOverride() {
  static std::string root;
  return root;
}

QString storeFile() {
  QString root = QString::fromStdString(rootOverride());
  if (root.isEmpty()) {
    root = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // A relative $XDG_CONFIG_HOME is to be ignored; Qt 6.4 returns it as it is.
    if (QDir::isRelativePath(root)) root = QDir::homePath() + QStringLiteral("/.config");
  }
  return QDir(root).filePath(QStringLiteral("corvaneth-stats/registry.ini"));
}

std::string systemError(int code) { return std::generic_category().message(code); }

QString hiveName(RegHive hive) {
  return hive == HKEY_LOCAL_MACHINE ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                    : QStringLiteral("0x%1").arg(hive, 8, 16, QLatin1Char('0'));
}

// "<hive>/<key path>/<value name>/": the prefix of the value's type and data.
QString valuePrefix(RegHive hive, const std::string& keyPath, const std::string& valueName) {
  return hiveName(hive) + QLatin1Char('/') + QString::fromStdString(keyPath) + QLatin1Char('/') +
         QString::fromStdString(valueName) + QLatin1Char('/');
}

// A value's type in a hive's group, as only WriteRegString leaves one. Other
// INI files parse too, /etc/passwd without a single error, but hold none.
bool holdsOurValue(const QSettings& store) {
  const QStringList keys = store.allKeys();
  return std::any_of(keys.begin(), keys.end(), [](const QString& key) {
    const QString hive = key.section(QLatin1Char('/'), 0, 0);
    bool hex = false;
    const uint number = hive.mid(2).toUInt(&hex, 16);
    return key.endsWith(QLatin1String("/type")) &&
           (hive == hiveName(HKEY_LOCAL_MACHINE) || (hex && hive == hiveName(number)));
  });
}

struct Place {
  enum Kind {
    Nothing,   // no file yet
    Store,     // ours: `store` is open on it
    Stranger,  // a file or link that is no store: renamed aside before a write
    Obstacle,  // not a file (or out of reach): neither read nor written, see `why`
  } kind;
  std::unique_ptr<QSettings> store;
  std::string why;
};

// Ours: a regular file, directly or through links, of at most kMaxStoreBytes,
// that QSettings parses without an error and that holds one of our values; or
// an empty file in the store's place itself. Through a link, an empty file may
// be anyone's.
Place inspect(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0)
    return errno == ENOENT ? Place{Place::Nothing, nullptr, {}} : Place{Place::Obstacle, nullptr, systemError(errno)};
  const bool link = S_ISLNK(st.st_mode);
  if (link && ::stat(name.constData(), &st) != 0) return {Place::Stranger, nullptr, {}};  // dangling, or a loop
  if (!S_ISREG(st.st_mode)) {
    if (link) return {Place::Stranger, nullptr, {}};
    return {Place::Obstacle, nullptr,
            S_ISDIR(st.st_mode) ? "A folder of that name is there" : "A pipe or device of that name is there"};
  }
  if (st.st_size > kMaxStoreBytes || (link && st.st_size == 0)) return {Place::Stranger, nullptr, {}};
  auto store = std::make_unique<QSettings>(path, QSettings::IniFormat);
  // QSettings parses a section when it is first asked for, and keeps what it
  // parsed for the run, reading the file again only when it has changed, but
  // without its errors: the verdict on a file as it is stays here beside it.
  static struct {
    QString path;
    struct stat st;
    bool ours;
  } last{};
  const auto same = [&] {
    return last.path == path && last.st.st_dev == st.st_dev && last.st.st_ino == st.st_ino &&
           last.st.st_size == st.st_size && last.st.st_mtim.tv_sec == st.st_mtim.tv_sec &&
           last.st.st_mtim.tv_nsec == st.st_mtim.tv_nsec;
  };
  if (!same()) last = {path, st, st.st_size == 0 || (holdsOurValue(*store) && store->status() == QSettings::NoError)};
  if (!last.ours) return {Place::Stranger, nullptr, {}};
  return {Place::Store, std::move(store), {}};
}

// Renames the file or link at `path` to the first free "<name>.damaged",
// "<name>.damaged.1", ...; a link's target is never touched. "" when done.
std::string setAside(const QString& path) {
  const QByteArray from = QFile::encodeName(path);
  for (int n = 0; n < 1000; ++n) {
    const QByteArray to = from + ".damaged" + (n ? "." + QByteArray::number(n) : QByteArray());
    struct stat st {};
    if (::lstat(to.constData(), &st) == 0) continue;
    // Never over a name that came meanwhile; a file system without that check
    // gets a plain rename onto the name just found free.
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0 ||
        (errno == EINVAL && std::rename(from.constData(), to.constData()) == 0))
      return {};
    if (errno != EEXIST) return "The file there could not be renamed aside: " + systemError(errno);
  }
  return "The file there could not be renamed aside: no free name is left";
}

}  // namespace

std::optional<std::string> ReadRegString(RegHive hive, const std::string& keyPath, const std::string& valueName) {
  const Place place = inspect(storeFile());
  if (place.kind != Place::Store) return std::nullopt;
  const QString prefix = valuePrefix(hive, keyPath, valueName);
  bool typeIsNumber = false;
  const uint type = place.store->value(prefix + QLatin1String("type")).toString().toUInt(&typeIsNumber);
  const QVariant data = place.store->value(prefix + QLatin1String("data"));
  // A list, a byte array or any other QSettings type is no text either.
  if (!typeIsNumber || type != REG_SZ || data.typeId() != QMetaType::QString) return std::nullopt;
  const std::string text = data.toString().toStdString();
  return text.substr(0, text.find('\0'));
}

std::string WriteRegString(RegHive hive, const std::string& keyPath, const std::string& valueName,
                           const std::string& text) {
  const QString path = storeFile();
  Place place = inspect(path);
  if (place.kind == Place::Obstacle) return place.why;
  if (place.kind == Place::Stranger)
    if (std::string why = setAside(path); !why.empty()) return why;
  // Through a link, its target is replaced and the link stays.
  const QString target = QFileInfo(path).isSymLink() ? QFileInfo(path).canonicalFilePath() : path;
  const QFileInfo before(target);
  const QDateTime beforeTime = before.lastModified();
  // QSettings tells only that a write failed; the system's last word says why.
  const auto failure = [] { return errno ? systemError(errno) : std::string("It could not be written"); };
  if (!QDir().mkpath(before.path())) return failure();

  // QSettings (through QSaveFile, Qt 6.4) misses a failed write of a file's
  // last piece and renames what it has, even nothing, over the file: a full
  // disk emptied the store. So it saves a new file beside the target, which is
  // read back under a name QSettings has not seen (it would trust the values it
  // holds), and only a whole one is renamed onto the target.
  QTemporaryFile fresh(target + QStringLiteral(".XXXXXX")), check(target + QStringLiteral(".XXXXXX"));
  if (!fresh.open() || !check.open()) return failure();
  const QByteArray freshName = QFile::encodeName(fresh.fileName()), checkName = QFile::encodeName(check.fileName());
  fresh.close();
  if (before.exists()) fresh.setPermissions(before.permissions());
  QSettings copy(fresh.fileName(), QSettings::IniFormat);
  if (place.store)
    for (const QString& key : place.store->allKeys()) copy.setValue(key, place.store->value(key));
  const QString prefix = valuePrefix(hive, keyPath, valueName);
  copy.setValue(prefix + QLatin1String("type"), QString::number(REG_SZ));
  copy.setValue(prefix + QLatin1String("data"), QString::fromStdString(text));
  errno = 0;
  copy.sync();
  if (copy.status() != QSettings::NoError) return failure();
  if (std::rename(freshName.constData(), checkName.constData())) return failure();
  QSettings back(check.fileName(), QSettings::IniFormat);
  const QStringList keys = copy.allKeys();
  if (back.allKeys() != keys || back.status() != QSettings::NoError ||
      !std::all_of(keys.begin(), keys.end(), [&](const QString& key) { return back.value(key) == copy.value(key); }))
    return "It could not be written whole; the disk may be full";
  if (std::rename(checkName.constData(), QFile::encodeName(target).constData())) return failure();
  // QSettings reads a file again only when its size or time (in ms) changed.
  QFile saved(target);
  if (before.exists() && saved.size() == before.size() && QFileInfo(target).lastModified() == beforeTime &&
      saved.open(QIODevice::ReadOnly))
    saved.setFileTime(beforeTime.addMSecs(1), QFileDevice::FileModificationTime);
  return {};
}

void setRegistryRoot(const std::string& folder) { rootOverride() = folder; }

std::string registryFilePath() { return storeFile().toStdString(); }

}  // namespace shell
