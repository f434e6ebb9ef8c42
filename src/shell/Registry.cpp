// The store file is line-based text, one key per section:
//
//   ; Corvaneth Stats settings
//   [0x80000002 "Software\\Corvaneth Stats"]
//   "CV Path"=1:"/home/me/games/corvaneth\x00"
//
// A section names the hive (hex) and the key path; a value line gives the
// value name, its type (decimal) and its data. Names and data are quoted byte
// strings in which '\\', '"' and every control byte are escaped (\\, \", \xHH),
// so any bytes survive, line breaks and NULs included. Data are stored as the
// registry stores them: REG_SZ text carries its closing NUL.
//
// Reading is forgiving: a line that does not parse is skipped, and values under
// a section header that does not parse are skipped with it, so a damaged file
// gives "missing" rather than a wrong value. Writing replaces the file through
// a temporary file and a rename, so a crash never leaves half a file.
#include "shell/Registry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>
#include <cstddef>
#include <map>
#include <string_view>
#include <utility>

namespace shell {
namespace {

constexpr const char* kStoreFolder = "corvaneth-stats";
constexpr const char* kStoreFile = "registry.ini";
// A settings file holds a few lines; anything far larger is not ours.
constexpr qint64 kMaxStoreBytes = 1 << 20;

std::string& rootOverride() {
  static std::string root;
  return root;
}

struct Value {
  std::uint32_t type = 0;
  std::string data;
};

using KeyId = std::pair<RegHive, std::string>;
using Store = std::map<KeyId, std::map<std::string, Value>>;

enum class Load { Missing, Read, Unreadable };

QString storeFile() {
  QString root = QString::fromStdString(rootOverride());
  if (root.isEmpty()) root = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (root.isEmpty()) return {};
  return QDir(root).filePath(QLatin1String(kStoreFolder) + QLatin1Char('/') + QLatin1String(kStoreFile));
}

// ---- parsing ----------------------------------------------------------------

class Cursor {
 public:
  explicit Cursor(std::string_view s) : s_(s) {}

  void skipBlanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
  }
  bool atEnd() const { return i_ >= s_.size(); }
  bool take(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }

  std::optional<std::string> quoted() {
    if (!take('"')) return std::nullopt;
    std::string out;
    while (i_ < s_.size()) {
      const char c = s_[i_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (i_ >= s_.size()) return std::nullopt;
      const char e = s_[i_++];
      if (e == '\\' || e == '"') {
        out += e;
      } else if (e == 'x') {
        const int hi = i_ < s_.size() ? hexDigit(s_[i_]) : -1;
        const int lo = i_ + 1 < s_.size() ? hexDigit(s_[i_ + 1]) : -1;
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        i_ += 2;
      } else {
        return std::nullopt;
      }
    }
    return std::nullopt;  // no closing quote
  }

  std::optional<std::uint32_t> decimal() {
    std::uint64_t v = 0;
    const std::size_t start = i_;
    while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') {
      v = v * 10 + static_cast<std::uint64_t>(s_[i_] - '0');
      if (v > 0xffffffffu) return std::nullopt;
      ++i_;
    }
    if (i_ == start) return std::nullopt;
    return static_cast<std::uint32_t>(v);
  }

  std::optional<std::uint32_t> hex() {
    if (!take('0') || !(take('x') || take('X'))) return std::nullopt;
    std::uint32_t v = 0;
    int digits = 0;
    while (i_ < s_.size() && hexDigit(s_[i_]) >= 0) {
      if (++digits > 8) return std::nullopt;
      v = v * 16 + static_cast<std::uint32_t>(hexDigit(s_[i_]));
      ++i_;
    }
    if (digits == 0) return std::nullopt;
    return v;
  }

 private:
  static int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  std::string_view s_;
  std::size_t i_ = 0;
};

std::optional<KeyId> parseSection(std::string_view line) {
  Cursor c(line);
  if (!c.take('[')) return std::nullopt;
  c.skipBlanks();
  const auto hive = c.hex();
  if (!hive) return std::nullopt;
  c.skipBlanks();
  auto key = c.quoted();
  if (!key) return std::nullopt;
  c.skipBlanks();
  if (!c.take(']')) return std::nullopt;
  c.skipBlanks();
  if (!c.atEnd()) return std::nullopt;
  return KeyId{*hive, std::move(*key)};
}

std::optional<std::pair<std::string, Value>> parseValue(std::string_view line) {
  Cursor c(line);
  auto name = c.quoted();
  if (!name) return std::nullopt;
  c.skipBlanks();
  if (!c.take('=')) return std::nullopt;
  c.skipBlanks();
  const auto type = c.decimal();
  if (!type || !c.take(':')) return std::nullopt;
  auto data = c.quoted();
  if (!data) return std::nullopt;
  c.skipBlanks();
  if (!c.atEnd()) return std::nullopt;
  return std::pair<std::string, Value>{std::move(*name), Value{*type, std::move(*data)}};
}

Store parseStore(const QByteArray& bytes) {
  Store store;
  const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  std::optional<KeyId> section;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      section = parseSection(line);
      continue;
    }
    if (!section) continue;
    if (auto v = parseValue(line)) store[*section][std::move(v->first)] = std::move(v->second);
  }
  return store;
}

Load loadStore(const QString& path, Store& store) {
  store.clear();
  if (path.isEmpty()) return Load::Unreadable;
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return Load::Missing;
  if (!info.isFile()) return Load::Unreadable;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return Load::Unreadable;
  const QByteArray bytes = f.read(kMaxStoreBytes + 1);
  // Too large to be ours: as good as corrupt, and a write may replace it.
  if (bytes.size() <= kMaxStoreBytes) store = parseStore(bytes);
  return Load::Read;
}

// ---- writing ----------------------------------------------------------------

void appendQuoted(QByteArray& out, const std::string& s) {
  static const char* const digits = "0123456789abcdef";
  out += '"';
  for (const char ch : s) {
    const auto b = static_cast<unsigned char>(ch);
    if (ch == '\\' || ch == '"') {
      out += '\\';
      out += ch;
    } else if (b < 0x20 || b == 0x7f) {
      out += "\\x";
      out += digits[b >> 4];
      out += digits[b & 15];
    } else {
      out += ch;
    }
  }
  out += '"';
}

QByteArray formatStore(const Store& store) {
  QByteArray out("; Corvaneth Stats settings. Written by the program.\n");
  for (const auto& [id, values] : store) {
    out += '\n';
    out += "[0x";
    out += QByteArray::number(id.first, 16).rightJustified(8, '0');
    out += ' ';
    appendQuoted(out, id.second);
    out += "]\n";
    for (const auto& [name, value] : values) {
      appendQuoted(out, name);
      out += '=';
      out += QByteArray::number(value.type);
      out += ':';
      appendQuoted(out, value.data);
      out += '\n';
    }
  }
  return out;
}

bool saveStore(const QString& path, const Store& store) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = formatStore(store);
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

}  // namespace

std::optional<std::string> ReadRegString(RegHive hive, const std::string& keyPath, const std::string& valueName) {
  Store store;
  if (loadStore(storeFile(), store) != Load::Read) return std::nullopt;
  const auto key = store.find(KeyId{hive, keyPath});
  if (key == store.end()) return std::nullopt;
  const auto value = key->second.find(valueName);
  if (value == key->second.end() || value->second.type != REG_SZ) return std::nullopt;
  const std::string& data = value->second.data;
  return data.substr(0, data.find('\0'));
}

void WriteRegString(RegHive hive, const std::string& keyPath, const std::string& valueName,
                    const std::string& text) {
  const QString path = storeFile();
  Store store;
  // A file we cannot read may still hold values; leave it rather than lose them.
  if (loadStore(path, store) == Load::Unreadable) return;
  std::string data = text;
  data += '\0';
  store[KeyId{hive, keyPath}][valueName] = Value{REG_SZ, std::move(data)};
  saveStore(path, store);
}

void setRegistryRoot(const std::string& folder) { rootOverride() = folder; }

std::string registryFilePath() { return storeFile().toStdString(); }

}  // namespace shell
