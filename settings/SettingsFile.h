// Where the settings and history files lie, and the names of the settings' sections and keys.
#pragma once

#include <string>
#include <string_view>

namespace mirevo {

// The executable's path with its extension replaced by ".ini". The extension starts at the
// last "." that no backslash or colon follows; without one, ".ini" is appended. A backslash
// that is the second byte of a two-byte character is no separator.
std::string SettingsFilePath(std::string_view exePath);
// The history of generated links beside it, the same way with ".history".
std::string HistoryFilePath(std::string_view exePath);

namespace settings_keys {

// The main window's placement and tab. "Height" is written but never read back.
inline constexpr char kForm[] = "Form";
inline constexpr char kTop[] = "Top";
inline constexpr char kLeft[] = "Left";
inline constexpr char kHeight[] = "Height";
inline constexpr char kWidth[] = "Width";
inline constexpr char kPage[] = "Page";

// The six session settings.
inline constexpr char kOptions[] = "Options";
inline constexpr char kA8matEsy[] = "a8matEsy";
inline constexpr char kA8matTxt[] = "a8matTxt";
inline constexpr char kA8matImg[] = "a8matImg";
inline constexpr char kLinefeed[] = "linefeed";
inline constexpr char kAutocopy[] = "autocopy";
inline constexpr char kErrorcheck[] = "errorcheck";
// Written only once the user has chosen them, so a file that never had them stays as it was.
inline constexpr char kHttps[] = "https";
inline constexpr char kClipwatch[] = "clipwatch";

// The history window's client size (kWidth, kHeight).
inline constexpr char kHistory[] = "History";

}  // namespace settings_keys

}  // namespace mirevo
