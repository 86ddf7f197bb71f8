// SessionSettings: the six settings of the running program and the two later options, and
// their trip to and from the settings file.
#pragma once

#include <optional>
#include <string>

namespace mirevo {

class TIniFile;
class TMemIniFile;

struct SessionSettings {
    std::string a8matEsy;     // identifier for simple links
    std::string a8matTxt;     // identifier for text links
    std::string a8matImg;     // identifier for image links
    bool linefeed = false;    // line breaks in the code
    bool autocopy = false;    // copy every new code to the clipboard
    bool errorcheck = false;  // check the input before building code
    // Click address and pixel over https. Nothing while the file has no value for it: off,
    // and not written, so the file keeps the six keys alone.
    std::optional<bool> https = std::nullopt;
    // Addresses copied in other programs entered as if dropped; absent like https.
    std::optional<bool> clipwatch = std::nullopt;
};

// The six from section "Options"; missing or broken values give empty identifiers,
// linefeed off, autocopy off and errorcheck on. "https" and "clipwatch" are read when the
// file has a value for them.
SessionSettings LoadSessionSettings(const TMemIniFile& ini);

// Writes the six to section "Options" in the order a8matEsy, a8matTxt, a8matImg, linefeed,
// autocopy, errorcheck, then https and clipwatch when they have a value, as given (the
// dialog trims the identifiers first). A refused key raises EIniFileException and leaves the
// later keys unwritten.
void SaveSessionSettings(TIniFile& ini, const SessionSettings& settings);

}  // namespace mirevo
