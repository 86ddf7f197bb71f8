// SessionSettings: the six settings of the running program, and their trip to and from the
// settings file.
#pragma once

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
};

// The six from section "Options"; missing or broken values give empty identifiers,
// linefeed off, autocopy off and errorcheck on.
SessionSettings LoadSessionSettings(const TMemIniFile& ini);

// Writes the six to section "Options" in the order a8matEsy, a8matTxt, a8matImg, linefeed,
// autocopy, errorcheck, as given (the dialog trims the identifiers first). A refused key
// raises EIniFileException and leaves the later keys unwritten.
void SaveSessionSettings(TIniFile& ini, const SessionSettings& settings);

}  // namespace mirevo
