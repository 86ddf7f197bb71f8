#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "droptarget/URLDropTarget.h"
#include "tests/fakes/FakeDataObject.h"
#include "tests/fakes/FakeDragDrop.h"

namespace mirevo {
namespace {

using testing_support::FakeDataObject;
using testing_support::FakeDragDropService;
using Calls = std::vector<std::string>;

constexpr std::uintptr_t kWindow = 0x1234;
constexpr std::int32_t kSFalse = 1;
constexpr std::int32_t kFormatNotOffered = static_cast<std::int32_t>(0x80040064);  // DV_E_FORMATETC
constexpr std::int32_t kChangedMode = static_cast<std::int32_t>(0x80010106);  // RPC_E_CHANGED_MODE
constexpr std::int32_t kSameFormat = 0x00040130;  // DATA_S_SAMEFORMATETC
constexpr std::uint32_t kStream = 4;

class URLDropTargetTest : public ::testing::Test {
protected:
    // Leaves "previous" in DroppedText, as an earlier drop would.
    void DropPrevious() {
        auto data = FakeDataObject::GlobalText("previous");
        target.Drop(data);
    }

    FakeDragDropService service;
    TURLDropTarget target{service, kWindow};
};

TEST_F(URLDropTargetTest, DropTakesTextOnlyFromGlobalMemoryAndAlwaysRaisesOnDrop) {
    struct Case {
        const char* what;
        FakeDataObject data;
        std::string droppedText;
        std::int32_t result;
    };
    Case cases[] = {
        {"text", FakeDataObject::GlobalText("http://mall.example.co.jp/"),
         "http://mall.example.co.jp/", 0},
        {"not a URL", FakeDataObject::GlobalText("ただの文章"), "ただの文章", 0},
        {"empty text", FakeDataObject::GlobalText(""), "", 0},
        {"up to the first zero", FakeDataObject(0, kStorageGlobalMemory, {"abc\0def\0", 8}), "abc",
         0},
        {"no zero byte", FakeDataObject(0, kStorageGlobalMemory, "abc"), "abc", 0},
        {"other storage", FakeDataObject(0, kStream, {"stream\0", 7}), "previous", 0},
        {"no text", FakeDataObject(kFormatNotOffered, kStorageGlobalMemory, ""), "previous",
         kFormatNotOffered},
        {"success but not S_OK", FakeDataObject(kSameFormat, kStorageGlobalMemory, {"x\0", 2}),
         "previous", kSameFormat},
    };
    for (auto& c : cases) {
        DropPrevious();
        std::vector<std::string> seen;
        target.OnDrop = [&](TURLDropTarget& sender) { seen.push_back(sender.DroppedText()); };
        EXPECT_EQ(target.Drop(c.data), c.result) << c.what;
        target.OnDrop = nullptr;

        EXPECT_EQ(seen, std::vector<std::string>{c.droppedText}) << c.what;
        EXPECT_EQ(target.DroppedText(), c.droppedText) << c.what;
        // Only a drop that took text is answered as a copy to the source.
        EXPECT_EQ(target.DropTookText(), c.droppedText != "previous") << c.what;
        // Whatever was handed over is released, whatever its kind.
        EXPECT_EQ(c.data.released, c.result < 0 ? 0 : 1) << c.what;
    }
}

TEST_F(URLDropTargetTest, DropAsksForTextOfAnyStorage) {
    auto data = FakeDataObject::GlobalText("x");
    target.Drop(data);
    ASSERT_EQ(data.requests.size(), 1u);
    EXPECT_EQ(data.requests[0].clipFormat, 1);
    EXPECT_EQ(data.requests[0].aspect, 1u);
    EXPECT_EQ(data.requests[0].index, -1);
    EXPECT_EQ(data.requests[0].storageKinds, 0xFFFFFFFFu);
}

TEST_F(URLDropTargetTest, OnBeforeDropSeesThePreviousTextBeforeTheDataIsFetched) {
    DropPrevious();
    Calls log;
    auto data = FakeDataObject::GlobalText("next");
    data.log = &log;
    target.OnBeforeDrop = [&](TURLDropTarget& sender) {
        log.push_back("OnBeforeDrop " + sender.DroppedText());
    };
    target.OnDrop = [&](TURLDropTarget& sender) {
        log.push_back("OnDrop " + sender.DroppedText());
    };
    target.Drop(data);
    EXPECT_EQ(log, (Calls{"OnBeforeDrop previous", "GetData", "OnDrop next"}));
}

TEST_F(URLDropTargetTest, KeepsALongTextWhole) {
    std::string text(100000, 'a');
    text += "\xE3\x81";  // ends in a lead byte: nothing is judged here
    auto data = FakeDataObject::GlobalText(text);
    target.Drop(data);
    EXPECT_EQ(target.DroppedText(), text);
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
        EXPECT_EQ((target.*event.step)(), 0);  // no handler: accepted
        for (const std::int32_t accept : {0, kSFalse, kFormatNotOffered, -1, 0x7FFFFFFF}) {
            int calls = 0;
            target.*event.handler = [&](TURLDropTarget& sender, std::int32_t& Accept) {
                EXPECT_EQ(&sender, &target);
                EXPECT_EQ(Accept, 0);
                Accept = accept;
                ++calls;
            };
            EXPECT_EQ((target.*event.step)(), accept);
            EXPECT_EQ(calls, 1);
            target.*event.handler = nullptr;
        }
    }
}

TEST_F(URLDropTargetTest, EachDragStepRaisesOnlyItsOwnEvent) {
    Calls log;
    target.OnDragEnter = [&](TURLDropTarget&, std::int32_t&) { log.push_back("enter"); };
    target.OnDragOver = [&](TURLDropTarget&, std::int32_t&) { log.push_back("over"); };
    target.OnDragLeave = [&](TURLDropTarget&, std::int32_t&) { log.push_back("leave"); };
    target.DragEnter();
    target.DragOver();
    target.DragOver();
    target.DragLeave();
    auto data = FakeDataObject::GlobalText("x");
    target.Drop(data);
    EXPECT_EQ(log, (Calls{"enter", "over", "over", "leave"}));
}

TEST(URLDropTargetRegistration, RegistersOnlyWhenTheServiceWasSetUpAfresh) {
    struct Case {
        std::int32_t initializeResult;
        Calls calls;
    };
    const Case cases[] = {
        {0, {"Initialize", "Register 4660", "Revoke 4660", "Uninitialize"}},
        {kSFalse, {"Initialize", "Uninitialize"}},
        {kChangedMode, {"Initialize"}},  // a failed set-up is not balanced
    };
    for (const auto& c : cases) {
        FakeDragDropService service(c.initializeResult);
        {
            const TURLDropTarget target(service, kWindow);
            EXPECT_EQ(service.registered == &target, c.initializeResult == 0);
        }
        EXPECT_EQ(service.calls, c.calls) << c.initializeResult;
    }
}

TEST(URLDropTargetRegistration, AFailedRegistrationStillBalancesTheSetUp) {
    FakeDragDropService service;
    service.failRegister = true;
    EXPECT_THROW(TURLDropTarget(service, kWindow), std::bad_alloc);
    EXPECT_EQ(service.calls, (Calls{"Initialize", "Register 4660", "Uninitialize"}));
}

TEST(URLDropTargetRegistration, TheRegisteredReceiverIsTheComponent) {
    FakeDragDropService service;
    TURLDropTarget target(service, kWindow);
    int drops = 0;
    target.OnDrop = [&](TURLDropTarget&) { ++drops; };
    auto data = FakeDataObject::GlobalText("via the platform");
    ASSERT_NE(service.registered, nullptr);
    EXPECT_EQ(service.registered->Drop(data), 0);
    EXPECT_EQ(target.DroppedText(), "via the platform");
    EXPECT_EQ(drops, 1);
}

}  // namespace
}  // namespace mirevo
