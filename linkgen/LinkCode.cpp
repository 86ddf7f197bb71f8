#include "linkgen/LinkCode.h"

#include <initializer_list>
#include <string_view>

#include "linkgen/LinkTemplates.h"
#include "linkgen/PlaceholderReplace.h"
#include "linkgen/QueryValueEncode.h"

namespace mirevo {

namespace {

bool IdentifiersMissing(LinkKind kind, const LinkOptions& settings) {
    switch (kind) {
        case LinkKind::Simple:
            return settings.a8matEsy.empty();
        case LinkKind::Text:
            return settings.a8matTxt.empty();
        // The image kinds need the text identifier too, even where they do not use it.
        case LinkKind::Image:
        case LinkKind::TextAndImage:
            return settings.a8matTxt.empty() || settings.a8matImg.empty();
    }
    return true;
}

std::string FillLink(const std::string& part, const std::string& a8mat, const std::string& url) {
    return ReplaceFirst(ReplaceAll(part, kPlaceholderA8mat, a8mat), kPlaceholderUrl,
                        QueryValueEncode(url));
}

// The link text or image URL goes in last, so one that holds a placeholder stands as typed.
std::string Fill(const std::string& part, const std::string& a8mat, const std::string& url,
                 std::string_view placeholder, const std::string& value) {
    return ReplaceFirst(FillLink(part, a8mat, url), placeholder, value);
}

std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string joined;
    for (const auto piece : pieces) joined += piece;
    return joined;
}

std::string TextPart(const LinkTemplates& t, bool linefeed) {
    return linefeed ? Join({t.anchorOpen, t.textClose, kLineBreak, t.pixel})
                    : Join({t.anchorOpen, t.textClose, t.pixel});
}

std::string ImagePart(const LinkTemplates& t, bool linefeed) {
    return linefeed ? Join({t.anchorOpen, kLineBreak, t.imageClose, kLineBreak, t.pixel})
                    : Join({t.anchorOpen, t.imageClose, t.pixel});
}

std::string BuildCode(LinkKind kind, const LinkInputs& in, const LinkOptions& s,
                      std::int32_t serverNumber) {
    const auto t = MakeLinkTemplates(serverNumber, s.https, s.service);
    const auto& url = in.url.text;
    const auto textCode = [&] {
        return Fill(TextPart(t, s.linefeed), s.a8matTxt, url, kPlaceholderText, in.text.text);
    };
    const auto imageCode = [&] {
        return Fill(ImagePart(t, s.linefeed), s.a8matImg, url, kPlaceholderImage, in.image.text);
    };
    switch (kind) {
        case LinkKind::Simple:
            return FillLink(t.clickUrl, s.a8matEsy, url);
        case LinkKind::Text:
            return textCode();
        case LinkKind::Image:
            return imageCode();
        case LinkKind::TextAndImage:
            return imageCode() + std::string(s.linefeed ? kBreakTag : "") + textCode();
    }
    return {};
}

}  // namespace

LinkCodeResult AssembleLinkCode(std::int32_t tabIndex, const LinkInputs& inputs,
                                const LinkOptions& settings, std::int32_t serverNumber) {
    const auto kind = LinkKindOfTab(tabIndex);
    if (!kind) return {{}, LinkMessage::InternalError};
    if (IdentifiersMissing(*kind, settings)) return {{}, LinkMessage::M1};
    if (settings.errorcheck) {
        if (const auto failed = FirstFailedInputCheck(*kind, inputs)) return {{}, failed};
    }
    return {BuildCode(*kind, inputs, settings, serverNumber), std::nullopt};
}

}  // namespace mirevo
