// The settings store: typed values kept under a hive, a key path and a value
// name, as the Windows registry keeps them. There is no registry here, so the
// store is an INI file (QSettings) in the user's config folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace shell {

using RegHive = std::uint32_t;
inline constexpr RegHive HKEY_LOCAL_MACHINE = 0x80000002u;

// Value types as the registry numbers them; only REG_SZ is read as text.
inline constexpr std::uint32_t REG_SZ = 1;

// The text of a REG_SZ value, up to its first NUL (all of it when it has none).
// nullopt when the key or the value is missing, when the value is of another
// type, or when the store cannot be read or is no store of ours. Whatever is
// not a file at the store's place (a folder, a pipe, a device) is never opened.
std::optional<std::string> ReadRegString(RegHive hive, const std::string& keyPath, const std::string& valueName);

// Stores text (UTF-8) as REG_SZ. Creates the key when needed and keeps every
// other value; a store reached through a link is written where the link points,
// and the link stays. A file that is no store of ours (damaged, far too large,
// someone's document behind a link) is first renamed aside in the store's
// folder, never written over. Returns "" when the value is stored, else why it
// is not, in words for the user; the store is then left as it was.
std::string WriteRegString(RegHive hive, const std::string& keyPath, const std::string& valueName,
                           const std::string& text);

// The folder that holds the store's own folder. Empty (the start state) means
// the user's config folder: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config. Tests point it at a temporary folder so that they never touch the
// user's settings.
void setRegistryRoot(const std::string& folder);

// The store file in use: <root>/corvaneth-stats/registry.ini.
std::string registryFilePath();

}  // namespace shell
