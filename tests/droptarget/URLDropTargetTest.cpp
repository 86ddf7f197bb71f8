#include <gtest/gtest.h>

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "droptarget/URLDropTarget.h"
#include "tests/fakes/FakeTextDrops.h"

namespace mirevo {
namespace {

using testing_support::FakeTextDrops;
using Calls = std::vector<std::string>;

constexpr std::uintptr_t kWindow = 0x1234;
constexpr std::int32_t kSFalse = 1;
constexpr std::int32_t kFormatNotOffered = static_cast<std::int32_t>(0x80040064);

class URLDropTargetTest : public ::testing::Test {
protected:
    // What the platform does at a drop: the event before, then the text it got, if any.
    void Drop(const std::optional<std::string>& text) {
        target_.BeforeDrop();
        target_.Dropped(text);
    }

    FakeTextDrops drops_;
    TURLDropTarget target_{drops_, kWindow};
};

TEST_F(URLDropTargetTest, OnlyADropWithTextReplacesDroppedTextAndEveryDropRaisesOnDrop) {
    std::string longText(100000, 'a');
    longText += "\xE3\x81";  // ends in a lead byte: nothing is judged here
    struct Case {
        const char* what;
        std::optional<std::string> text;
        std::string dropped;
    };
    const Case cases[] = {
        {"address", "http://mall.example.co.jp/", "http://mall.example.co.jp/"},
        {"not an address", "ただの文章", "ただの文章"},
        {"empty text", "", ""},
        {"long text", longText, longText},
        {"no text", std::nullopt, "previous"},
    };
    for (const Case& c : cases) {
        Drop("previous");
        Calls seen;
        target_.OnBeforeDrop = [&](TURLDropTarget& sender) {
            seen.push_back("before " + sender.DroppedText());
        };
        target_.OnDrop = [&](TURLDropTarget& sender) { seen.push_back(sender.DroppedText()); };
        Drop(c.text);
        target_.OnBeforeDrop = nullptr;
        target_.OnDrop = nullptr;
        EXPECT_EQ(seen, (Calls{"before previous", c.dropped})) << c.what;
        EXPECT_EQ(target_.DroppedText(), c.dropped) << c.what;
    }
}

TEST_F(URLDropTargetTest, DroppedTextIsEmptyUntilTheFirstDropWithText) {
    EXPECT_EQ(target_.DroppedText(), "");
    Drop(std::nullopt);
    EXPECT_EQ(target_.DroppedText(), "");
}

TEST_F(URLDropTargetTest, DragEventsReturnTheHandlersAcceptUnchanged) {
    using Step = std::int32_t (TURLDropTarget::*)();
    struct Event {
        TURLDropTarget::TDragAcceptEvent TURLDropTarget::*handler;
        Step step;
    };
    const Event events[] = {{&TURLDropTarget::OnDragEnter, &TURLDropTarget::DragEnter},
                            {&TURLDropTarget::OnDragOver, &TURLDropTarget::DragOver},
                            {&TURLDropTarget::OnDragLeave, &TURLDropTarget::DragLeave}};
    for (const auto& event : events) {
        EXPECT_EQ((target_.*event.step)(), 0);  // no handler: accepted
        for (const std::int32_t accept : {0, kSFalse, kFormatNotOffered, -1, 0x7FFFFFFF}) {
            int calls = 0;
            target_.*event.handler = [&](TURLDropTarget& sender, std::int32_t& Accept) {
                EXPECT_EQ(&sender, &target_);
                EXPECT_EQ(Accept, 0);
                Accept = accept;
                ++calls;
            };
            EXPECT_EQ((target_.*event.step)(), accept);
            EXPECT_EQ(calls, 1);
            target_.*event.handler = nullptr;
        }
    }
}

TEST_F(URLDropTargetTest, EachDragStepRaisesOnlyItsOwnEvent) {
    Calls log;
    target_.OnDragEnter = [&](TURLDropTarget&, std::int32_t&) { log.push_back("enter"); };
    target_.OnDragOver = [&](TURLDropTarget&, std::int32_t&) { log.push_back("over"); };
    target_.OnDragLeave = [&](TURLDropTarget&, std::int32_t&) { log.push_back("leave"); };
    target_.DragEnter();
    target_.DragOver();
    target_.DragOver();
    target_.DragLeave();
    Drop("x");
    EXPECT_EQ(log, (Calls{"enter", "over", "over", "leave"}));
}

TEST(URLDropTargetRegistration, RegistersItselfOnItsWindowUntilDestroyed) {
    for (const bool registers : {true, false}) {
        FakeTextDrops drops;
        drops.registers = registers;
        {
            const TURLDropTarget target(drops, kWindow);
            EXPECT_EQ(target.Registered(), registers);
            EXPECT_EQ(drops.registered == &target, registers);
        }
        EXPECT_EQ(drops.calls, (Calls{"Register 4660", "Revoke 4660"}));
        EXPECT_EQ(drops.registered, nullptr);
    }
}

TEST(URLDropTargetRegistration, AFailedRegistrationFailsTheCreation) {
    FakeTextDrops drops;
    drops.failRegister = true;
    EXPECT_THROW(TURLDropTarget(drops, kWindow), std::bad_alloc);
    EXPECT_EQ(drops.calls, (Calls{"Register 4660"}));
}

}  // namespace
}  // namespace mirevo
