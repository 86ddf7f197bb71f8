// The command hooks on their own, and the repaints the update bracket gathers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "textview/CommandHooks.h"
#include "textview/PendingWork.h"

namespace mirevo {
namespace {

struct HookRig {
    TCommandHooks hooks;
    std::vector<std::string> log;
    int a = 0, b = 0, c = 0;

    // A hook that logs its name and the command it saw, and may say it handled it.
    THookedCommandEvent Logging(std::string name, bool handles = false) {
        return [this, name, handles](TObject*, bool after, bool& handled, TEditorCommand& command,
                                     char&, void*, void*) {
            log.push_back(name + (after ? " after " : " before ") + std::to_string(command));
            if (handles) handled = true;
        };
    }
    TEditorCommand Run(TEditorCommand command, bool after = false) {
        char character = '\0';
        hooks.Run(nullptr, after, command, character, nullptr);
        return command;
    }
};

TEST(CommandHooks, RunInOrderOncePerDataAndAHandledCommandBecomesNone) {
    HookRig rig;
    rig.hooks.Register(rig.Logging("a"), &rig.a);
    rig.hooks.Register(rig.Logging("b", true), &rig.b);
    rig.hooks.Register(rig.Logging("a again"), &rig.a);  // same data: ignored
    rig.hooks.Register(nullptr, &rig.c);                 // empty: ignored
    rig.hooks.Register(rig.Logging("c"), &rig.c);
    rig.hooks.Unregister(&rig);  // never registered: nothing happens
    EXPECT_EQ(rig.Run(ecRight), ecNone);
    EXPECT_EQ(rig.log, (std::vector<std::string>{"a before 2", "b before 2", "c before 0"}));

    rig.log.clear();
    rig.hooks.Unregister(&rig.b);
    EXPECT_EQ(rig.Run(ecLeft, true), ecLeft);
    EXPECT_EQ(rig.log, (std::vector<std::string>{"a after 1", "c after 1"}));
}

TEST(CommandHooks, AHookMayUnregisterHooksWhileTheyRun) {
    HookRig rig;
    rig.hooks.Register(
        [&](TObject*, bool, bool&, TEditorCommand&, char&, void*, void*) {
            rig.log.push_back("a");
            rig.hooks.Unregister(&rig.a);
            rig.hooks.Unregister(&rig.b);
        },
        &rig.a);
    rig.hooks.Register(rig.Logging("b"), &rig.b);
    rig.Run(ecUp);
    rig.Run(ecUp);
    // This run saw the list as it was when it began; the next one has none left.
    EXPECT_EQ(rig.log, (std::vector<std::string>{"a", "b before 3"}));
}

TEST(PendingWork, RepaintsGatherIntoOneRectangleOnlyWhileTheLinesChange) {
    TPendingWork pending;
    EXPECT_FALSE(pending.Gather({0, 0, 10, 10}));
    EXPECT_FALSE(pending.repaint);
    pending.linesChanging = true;
    EXPECT_TRUE(pending.Gather({5, 20, 30, 40}));
    EXPECT_TRUE(pending.Gather({0, 30, 10, 50}));
    EXPECT_TRUE(pending.Gather({8, 25, 9, 26}));  // inside: changes nothing
    EXPECT_EQ(pending.repaint, (TRect{0, 20, 30, 50}));
}

}  // namespace
}  // namespace mirevo
