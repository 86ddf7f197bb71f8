#include "settings/SessionSettings.h"

#include "settings/IniFile.h"
#include "settings/MemIniFile.h"
#include "settings/SettingsFile.h"

namespace mirevo {

namespace keys = settings_keys;

SessionSettings LoadSessionSettings(const TMemIniFile& ini) {
    SessionSettings settings;
    settings.a8matEsy = ini.ReadText(keys::Options, keys::A8matEsy, "");
    settings.a8matTxt = ini.ReadText(keys::Options, keys::A8matTxt, "");
    settings.a8matImg = ini.ReadText(keys::Options, keys::A8matImg, "");
    settings.linefeed = ini.ReadFlag(keys::Options, keys::Linefeed, false);
    settings.autocopy = ini.ReadFlag(keys::Options, keys::Autocopy, false);
    settings.errorcheck = ini.ReadFlag(keys::Options, keys::Errorcheck, true);
    return settings;
}

void SaveSessionSettings(TIniFile& ini, const SessionSettings& settings) {
    ini.WriteText(keys::Options, keys::A8matEsy, settings.a8matEsy);
    ini.WriteText(keys::Options, keys::A8matTxt, settings.a8matTxt);
    ini.WriteText(keys::Options, keys::A8matImg, settings.a8matImg);
    ini.WriteFlag(keys::Options, keys::Linefeed, settings.linefeed);
    ini.WriteFlag(keys::Options, keys::Autocopy, settings.autocopy);
    ini.WriteFlag(keys::Options, keys::Errorcheck, settings.errorcheck);
}

}  // namespace mirevo
