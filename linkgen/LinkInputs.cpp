#include "linkgen/LinkInputs.h"

namespace mirevo {

namespace {

enum class Wrong { NotAsked, Unmarked, Empty };

struct InputCheck {
    LinkKind kind;
    Wrong url;
    Wrong text;
    Wrong image;
    LinkMessage message;
};

constexpr auto N = Wrong::NotAsked;
constexpr auto U = Wrong::Unmarked;
constexpr auto E = Wrong::Empty;

// Per kind in the order tried: a check fails when every part it asks about is wrong. The
// Text kind asks for the text's mark where the others ask whether it is empty; the text
// group's mark means "not empty", so the two agree.
constexpr InputCheck kInputChecks[] = {
    {LinkKind::Simple, U, N, N, LinkMessage::M2},
    {LinkKind::Text, U, E, N, LinkMessage::M3},
    {LinkKind::Text, U, N, N, LinkMessage::M2},
    {LinkKind::Text, N, U, N, LinkMessage::M4},
    {LinkKind::Image, U, N, U, LinkMessage::M5},
    {LinkKind::Image, U, N, N, LinkMessage::M2},
    {LinkKind::Image, N, N, U, LinkMessage::M6},
    {LinkKind::TextAndImage, U, E, U, LinkMessage::M7},
    {LinkKind::TextAndImage, U, E, N, LinkMessage::M3},
    {LinkKind::TextAndImage, U, N, U, LinkMessage::M5},
    {LinkKind::TextAndImage, N, E, U, LinkMessage::M8},
    {LinkKind::TextAndImage, U, N, N, LinkMessage::M2},
    {LinkKind::TextAndImage, N, E, N, LinkMessage::M4},
    {LinkKind::TextAndImage, N, N, U, LinkMessage::M6},
};

bool IsWrong(Wrong test, const InputField& field) {
    switch (test) {
        case Wrong::NotAsked:
            return true;
        case Wrong::Unmarked:
            return !field.marked;
        case Wrong::Empty:
            return field.text.empty();
    }
    return true;
}

bool Fails(const InputCheck& check, const LinkInputs& inputs) {
    return IsWrong(check.url, inputs.url) && IsWrong(check.text, inputs.text) &&
           IsWrong(check.image, inputs.image);
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
