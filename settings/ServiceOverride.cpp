#include "settings/ServiceOverride.h"

#include <algorithm>
#include <string_view>

#include "common/Sjis.h"
#include "settings/MemIniFile.h"

namespace mirevo {

namespace {

constexpr char kService[] = "Service";
constexpr std::size_t kLongestHostName = 253;

bool IsHostByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.';
}

}  // namespace

bool IsPlainHostName(std::string_view text) {
    if (text.empty() || text.size() > kLongestHostName) return false;
    if (!std::all_of(text.begin(), text.end(), IsHostByte)) return false;
    for (const char edge : {text.front(), text.back()}) {
        if (edge == '.' || edge == '-') return false;
    }
    return text.find("..") == std::string_view::npos;
}

bool IsPlainWebAddress(std::string_view text) {
    const auto starts = [&](std::string_view scheme) {
        return text.substr(0, scheme.size()) == scheme;
    };
    const std::size_t scheme = starts("http://") ? 7 : starts("https://") ? 8 : 0;
    if (scheme == 0 || text.size() == scheme) return false;
    // The shell is handed whole characters only: a converter would take the terminating NUL
    // for the second byte of a last lead byte and read on.
    if (WholeCharacters(text).size() != text.size()) return false;
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>';
    });
}

TServiceOverride ReadServiceOverride(const TMemIniFile& ini, ServiceAddresses builtIn) {
    TServiceOverride result{std::move(builtIn), {}};
    struct Key {
        const char* name;
        std::string ServiceAddresses::*value;
        bool (*plain)(std::string_view);
    };
    const Key keys[] = {
        {"ClickHost", &ServiceAddresses::clickHost, IsPlainHostName},
        {"PixelDomain", &ServiceAddresses::pixelDomain, IsPlainHostName},
        {"MerchantDomainA", &ServiceAddresses::merchantDomainA, IsPlainHostName},
        {"MerchantDomainB", &ServiceAddresses::merchantDomainB, IsPlainHostName},
        {"HomePage", &ServiceAddresses::homePage, IsPlainWebAddress},
    };
    for (const Key& key : keys) {
        const std::string text = ini.ReadText(kService, key.name, "");
        if (text.empty()) continue;
        if (key.plain(text)) {
            result.addresses.*key.value = text;
        } else {
            result.refusedKeys.emplace_back(key.name);
        }
    }
    return result;
}

std::string ServiceRefusalMessage(const std::string& file, const std::vector<std::string>& keys) {
    std::string names;
    for (const std::string& key : keys) names += (names.empty() ? "" : "、") + key;
    return "ファイル \"" + file + "\" の [Service] の " + names +
           " はアドレスとして使えない値なので、組み込みの値を使います。";
}

}  // namespace mirevo
