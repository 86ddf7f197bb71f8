// TCommandHooks: the handlers registered to see every command before and after the view runs
// it. Each is told apart by its handler data; one that says it handled the command turns it
// into ecNone for the rest.
#pragma once

#include <functional>
#include <vector>

#include "textview/EditorCommands.h"

namespace mirevo {

class TObject;

using THookedCommandEvent =
    std::function<void(TObject* Sender, bool AfterProcessing, bool& Handled,
                       TEditorCommand& Command, char& AChar, void* Data, void* HandlerData)>;

class TCommandHooks {
public:
    // Registering the same data twice, or an empty hook, does nothing.
    void Register(THookedCommandEvent hook, void* handlerData);
    // Data never registered is no error.
    void Unregister(void* handlerData);
    // Calls every hook in the order registered; a hook may register and unregister hooks
    // while it runs, which takes effect from the next run.
    void Run(TObject* sender, bool after, TEditorCommand& command, char& character,
             void* data) const;

private:
    struct THook {
        THookedCommandEvent Event;
        void* Data = nullptr;
    };
    std::vector<THook> hooks_;
};

}  // namespace mirevo
