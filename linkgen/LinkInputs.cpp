#include "linkgen/LinkInputs.h"

namespace mirevo {

namespace {

struct InputCheck {
    LinkKind kind;
    bool url;    // fails when the URL is unmarked
    bool text;   // fails when the link text is empty
    bool image;  // fails when the image URL is unmarked
    LinkMessage message;
};

// Per kind in the order tried: a check fails when every part it names is wrong.
constexpr InputCheck kInputChecks[] = {
    {LinkKind::Simple, true, false, false, LinkMessage::M2},
    {LinkKind::Text, true, true, false, LinkMessage::M3},
    {LinkKind::Text, true, false, false, LinkMessage::M2},
    {LinkKind::Text, false, true, false, LinkMessage::M4},
    {LinkKind::Image, true, false, true, LinkMessage::M5},
    {LinkKind::Image, true, false, false, LinkMessage::M2},
    {LinkKind::Image, false, false, true, LinkMessage::M6},
    {LinkKind::TextAndImage, true, true, true, LinkMessage::M7},
    {LinkKind::TextAndImage, true, true, false, LinkMessage::M3},
    {LinkKind::TextAndImage, true, false, true, LinkMessage::M5},
    {LinkKind::TextAndImage, false, true, true, LinkMessage::M8},
    {LinkKind::TextAndImage, true, false, false, LinkMessage::M2},
    {LinkKind::TextAndImage, false, true, false, LinkMessage::M4},
    {LinkKind::TextAndImage, false, false, true, LinkMessage::M6},
};

bool Fails(const InputCheck& check, const LinkInputs& inputs) {
    return (!check.url || !inputs.url.marked) && (!check.text || inputs.text.text.empty()) &&
           (!check.image || !inputs.image.marked);
}

}  // namespace

std::optional<LinkKind> LinkKindOfTab(std::int32_t tabIndex) {
    if (tabIndex < 0 || tabIndex > 3) return std::nullopt;
    return static_cast<LinkKind>(tabIndex);
}

std::optional<LinkMessage> FirstFailedInputCheck(LinkKind kind, const LinkInputs& inputs) {
    for (const auto& check : kInputChecks) {
        if (check.kind == kind && Fails(check, inputs)) return check.message;
    }
    return std::nullopt;
}

}  // namespace mirevo
