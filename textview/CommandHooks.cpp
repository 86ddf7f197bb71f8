#include "textview/CommandHooks.h"

#include <algorithm>

namespace mirevo {

void TCommandHooks::Register(THookedCommandEvent hook, void* handlerData) {
    if (!hook) return;
    const bool known = std::any_of(hooks_.begin(), hooks_.end(),
                                   [&](const THook& h) { return h.Data == handlerData; });
    if (!known) hooks_.push_back({std::move(hook), handlerData});
}

void TCommandHooks::Unregister(void* handlerData) {
    std::erase_if(hooks_, [&](const THook& h) { return h.Data == handlerData; });
}

void TCommandHooks::Run(TObject* sender, bool after, TEditorCommand& command, char& character,
                        void* data) const {
    // The copy keeps the walk valid while hooks change the list.
    const std::vector<THook> hooks = hooks_;
    for (const THook& hook : hooks) {
        bool handled = false;
        hook.Event(sender, after, handled, command, character, data, hook.Data);
        if (handled) command = ecNone;
    }
}

}  // namespace mirevo
