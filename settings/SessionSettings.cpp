#include "settings/SessionSettings.h"

#include "settings/IniFile.h"
#include "settings/MemIniFile.h"
#include "settings/SettingsFile.h"

namespace mirevo {

namespace keys = settings_keys;

namespace {

// Nothing for a key without a value; a value that is no number reads as off.
std::optional<bool> OptionalFlag(const TMemIniFile& ini, const char* key) {
    if (ini.ReadText(keys::kOptions, key, "").empty()) return std::nullopt;
    return ini.ReadFlag(keys::kOptions, key, false);
}

}  // namespace

SessionSettings LoadSessionSettings(const TMemIniFile& ini) {
    SessionSettings settings;
    settings.a8matEsy = ini.ReadText(keys::kOptions, keys::kA8matEsy, "");
    settings.a8matTxt = ini.ReadText(keys::kOptions, keys::kA8matTxt, "");
    settings.a8matImg = ini.ReadText(keys::kOptions, keys::kA8matImg, "");
    settings.linefeed = ini.ReadFlag(keys::kOptions, keys::kLinefeed, false);
    settings.autocopy = ini.ReadFlag(keys::kOptions, keys::kAutocopy, false);
    settings.errorcheck = ini.ReadFlag(keys::kOptions, keys::kErrorcheck, true);
    settings.https = OptionalFlag(ini, keys::kHttps);
    settings.clipwatch = OptionalFlag(ini, keys::kClipwatch);
    return settings;
}

void SaveSessionSettings(TIniFile& ini, const SessionSettings& settings) {
    ini.WriteText(keys::kOptions, keys::kA8matEsy, settings.a8matEsy);
    ini.WriteText(keys::kOptions, keys::kA8matTxt, settings.a8matTxt);
    ini.WriteText(keys::kOptions, keys::kA8matImg, settings.a8matImg);
    ini.WriteFlag(keys::kOptions, keys::kLinefeed, settings.linefeed);
    ini.WriteFlag(keys::kOptions, keys::kAutocopy, settings.autocopy);
    ini.WriteFlag(keys::kOptions, keys::kErrorcheck, settings.errorcheck);
    if (settings.https) ini.WriteFlag(keys::kOptions, keys::kHttps, *settings.https);
    if (settings.clipwatch) ini.WriteFlag(keys::kOptions, keys::kClipwatch, *settings.clipwatch);
}

}  // namespace mirevo
