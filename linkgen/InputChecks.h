// The acceptability tests behind the input fields' marks.
#pragma once

#include <string_view>

#include "common/ServiceAddresses.h"

namespace mirevo {

// Starts with "http://" exactly and holds MerchantDomainA or MerchantDomainB anywhere after
// the first byte: host, path and query alike. Matches never begin on the second byte of a
// two-byte character. Without addresses, the built-in ones.
bool UrlAcceptable(std::string_view text, const ServiceAddresses& service);
bool UrlAcceptable(std::string_view text);

// UrlAcceptable, and holds ".jpeg", ".jpg", ".gif" or ".png" (lower case) anywhere after the
// first byte, not necessarily at the end.
bool ImageUrlAcceptable(std::string_view text, const ServiceAddresses& service);
bool ImageUrlAcceptable(std::string_view text);

// Not empty; a single space is enough.
bool LinkTextAcceptable(std::string_view text);

}  // namespace mirevo
