// The settings file's optional [Service] section: the outside services' addresses for a
// program built with other ones, so a user needs no compiler to put the real ones in.
#pragma once

#include <string>
#include <vector>

#include "common/ServiceAddresses.h"

namespace mirevo {

class TMemIniFile;

struct TServiceOverride {
    ServiceAddresses addresses;
    std::vector<std::string> refusedKeys;  // in the order of the section's keys below
};

// Keys ClickHost, PixelDomain, MerchantDomainA, MerchantDomainB and HomePage replace the
// built-in value when present and not empty. A host or domain must be a plain host name
// (ASCII letters, digits, "-" and ".", not starting or ending with "." or "-"); the home page
// an "http://" or "https://" address without blanks, quotes, angle brackets or control
// bytes, ending in a whole character. A value that is not is refused: its key is listed and
// the built-in value kept.
// The settings dialog neither shows nor writes the section.
TServiceOverride ReadServiceOverride(const TMemIniFile& ini, ServiceAddresses builtIn);

bool IsPlainHostName(std::string_view text);
bool IsPlainWebAddress(std::string_view text);

// The message for refused keys, naming the file.
std::string ServiceRefusalMessage(const std::string& file, const std::vector<std::string>& keys);

}  // namespace mirevo
