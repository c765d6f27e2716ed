#pragma once
// Where the program keeps what belongs to the person using it, outside the
// installation (which may be read-only and shared): the XDG base folders.

#include <string>

namespace qor {

// $QOR_CONFIG_DIR, else $XDG_CONFIG_HOME/qor, else ~/.config/qor; with '/'.
std::string PersonalConfigDirectory();

// $XDG_DATA_HOME/qor, else ~/.local/share/qor; with '/'.
std::string PersonalDataDirectory();

} // namespace qor
