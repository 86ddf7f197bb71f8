// The text drawer unit's assertion: failures name the unit "TextDrawer" and a line.
#pragma once

#include "common/Exception.h"

#define MIREVO_TEXTDRAWER_ASSERT_MSG(condition, message)                                     \
    do {                                                                                     \
        if (!(condition)) throw ::mirevo::EAssertionFailed(message, "TextDrawer", __LINE__); \
    } while (false)

#define MIREVO_TEXTDRAWER_ASSERT(condition) MIREVO_TEXTDRAWER_ASSERT_MSG(condition, #condition)
