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
#include "shell/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QVariant>
#include <memory>

namespace shell {
namespace {

// A settings file holds a few lines. One far larger is damaged, and QSettings
// would read all of it into memory: it reads as missing, and a write replaces
// it, as a write replaces any store QSettings cannot parse.
constexpr qint64 kMaxStoreBytes = 1 << 20;

std::string& rootOverride() {
  static std::string root;
  return root;
}

QString storeFile() {
  QString root = QString::fromStdString(rootOverride());
  if (root.isEmpty()) root = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (root.isEmpty()) return {};
  return QDir(root).filePath(QStringLiteral("corvaneth-stats/registry.ini"));
}

enum class Use { Read, Write };

std::unique_ptr<QSettings> openStore(Use use) {
  const QString path = storeFile();
  if (path.isEmpty()) return nullptr;
  if (QFileInfo(path).size() > kMaxStoreBytes) {
    if (use == Use::Read) return nullptr;
    QFile::remove(path);
  }
  auto store = std::make_unique<QSettings>(path, QSettings::IniFormat);
  // Only through a temporary file and a rename, so a crash never leaves half a
  // file; QSettings also never writes over a file it could not read.
  store->setAtomicSyncRequired(true);
  return store;
}

// "<hive>/<key path>/<value name>/": the prefix of the value's type and data.
QString valuePrefix(RegHive hive, const std::string& keyPath, const std::string& valueName) {
  const QString hiveName = hive == HKEY_LOCAL_MACHINE ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                                      : QStringLiteral("0x%1").arg(hive, 8, 16, QLatin1Char('0'));
  return hiveName + QLatin1Char('/') + QString::fromStdString(keyPath) + QLatin1Char('/') +
         QString::fromStdString(valueName) + QLatin1Char('/');
}

}  // namespace

std::optional<std::string> ReadRegString(RegHive hive, const std::string& keyPath, const std::string& valueName) {
  const auto store = openStore(Use::Read);
  if (!store || store->status() != QSettings::NoError) return std::nullopt;
  const QString prefix = valuePrefix(hive, keyPath, valueName);
  bool typeIsNumber = false;
  const uint type = store->value(prefix + QLatin1String("type")).toString().toUInt(&typeIsNumber);
  const QVariant data = store->value(prefix + QLatin1String("data"));
  // A list, a byte array or any other QSettings type is no text either.
  if (!typeIsNumber || type != REG_SZ || data.typeId() != QMetaType::QString) return std::nullopt;
  const std::string text = data.toString().toStdString();
  return text.substr(0, text.find('\0'));
}

void WriteRegString(RegHive hive, const std::string& keyPath, const std::string& valueName,
                    const std::string& text) {
  const auto store = openStore(Use::Write);
  if (!store) return;
  const QString prefix = valuePrefix(hive, keyPath, valueName);
  store->setValue(prefix + QLatin1String("type"), REG_SZ);
  store->setValue(prefix + QLatin1String("data"), QString::fromStdString(text));
  store->sync();
}

void setRegistryRoot(const std::string& folder) { rootOverride() = folder; }

std::string registryFilePath() { return storeFile().toStdString(); }

}  // namespace shell
