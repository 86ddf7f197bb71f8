// What code assembly reads from the main window: the kind of link and the active tab's fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "linkgen/LinkMessages.h"

namespace mirevo {

// The index of the active tab of PageControl1.
enum class LinkKind : std::int32_t { Simple = 0, Text = 1, Image = 2, TextAndImage = 3 };

// The kind for a tab index; nullopt for -1 (no tab active) and anything else outside 0..3.
std::optional<LinkKind> LinkKindOfTab(std::int32_t tabIndex);

// One input field: its text and whether it carries the valid mark.
struct InputField {
    std::string text;
    bool marked = false;
};

// The active tab's fields; those the tab lacks stay empty and unmarked.
struct LinkInputs {
    InputField url;    // EditUrl1..4
    InputField text;   // EditTxt2, EditTxt4
    InputField image;  // EditImg3, EditImg4
};

// The first input check of the kind that fails, in the order the user is told about them,
// or nullopt when all pass. Only run when errorcheck is on. URLs count by their marks, the
// link text by being empty (by its mark on the Text tab).
std::optional<LinkMessage> FirstFailedInputCheck(LinkKind kind, const LinkInputs& inputs);

}  // namespace mirevo
