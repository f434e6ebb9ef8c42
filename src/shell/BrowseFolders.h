// The folder picker the launcher uses to ask for the game folder.
#pragma once

#include <QString>

namespace shell {

// Shows a modal folder chooser owned by the program's active window, with the
// title above the tree, file-system folders only, starting at start. Returns
// the chosen folder's full path with native separators, or "" on cancel.
QString BrowseForFolder(const QString& start, const QString& title);

}  // namespace shell
