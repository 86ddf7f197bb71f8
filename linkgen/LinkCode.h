// Code assembly: the HTML of an affiliate link for the active tab, or the message refusing it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "linkgen/LinkInputs.h"
#include "linkgen/LinkMessages.h"
#include "linkgen/LinkOptions.h"

namespace mirevo {

struct LinkCodeResult {
    std::string code;                    // the finished code; empty when refused
    std::optional<LinkMessage> refusal;  // the one message to show instead
};

// Builds the code of the kind given by tabIndex (-1 or any value outside 0..3: no tab,
// refused with InternalError). Checks, in this order: the a8mat identifiers the kind needs
// (M1, also with errorcheck off); with errorcheck on, the kind's input checks. Then joins the
// templates (line breaks only with linefeed on), puts in the identifier everywhere, the
// encoded destination URL, and the link text or image URL as typed. Every pixel of the code
// shows serverNumber. The Simple kind, like the others, builds from its field as it stands
// when errorcheck is off.
LinkCodeResult AssembleLinkCode(std::int32_t tabIndex, const LinkInputs& inputs,
                                const LinkOptions& options, std::int32_t serverNumber);

}  // namespace mirevo
