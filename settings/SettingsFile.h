// Where the settings file lies and the names of its sections and keys.
#pragma once

#include <string>
#include <string_view>

namespace mirevo {

// The executable's path with its extension replaced by ".ini". The extension starts at the
// last "." that no backslash or colon follows; without one, ".ini" is appended. A backslash
// that is the second byte of a two-byte character is no separator.
std::string SettingsFilePath(std::string_view exePath);

namespace settings_keys {

// The main window's placement and tab. "Height" is written but never read back.
inline constexpr char Form[] = "Form";
inline constexpr char Top[] = "Top";
inline constexpr char Left[] = "Left";
inline constexpr char Height[] = "Height";
inline constexpr char Width[] = "Width";
inline constexpr char Page[] = "Page";

// The six session settings.
inline constexpr char Options[] = "Options";
inline constexpr char A8matEsy[] = "a8matEsy";
inline constexpr char A8matTxt[] = "a8matTxt";
inline constexpr char A8matImg[] = "a8matImg";
inline constexpr char Linefeed[] = "linefeed";
inline constexpr char Autocopy[] = "autocopy";
inline constexpr char Errorcheck[] = "errorcheck";

}  // namespace settings_keys

}  // namespace mirevo
