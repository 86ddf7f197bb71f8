#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "tests/fakes/FakeKeyView.h"
#include "textview/KbdHandler.h"

namespace mirevo {
namespace {

using testing_support::FakeKeyView;

// A handler body: gets the sender and says whether to consume the key or character.
using Body = std::function<bool(IKeyView& sender)>;

struct ChainCase {
    const char* name;
    bool stopsEarly;
    std::function<void(TKbdHandler&, Body)> add;
    std::function<void(TKbdHandler&, IKeyView&)> execute;
};

void PrintTo(const ChainCase& c, std::ostream* os) { *os << c.name; }

template <class Chain>
void AddKeyHandler(Chain& chain, Body body) {
    chain.Add([body](IKeyView& sender, TKeyCode& key, TShiftState) {
        ASSERT_NE(key, 0);
        if (body(sender)) key = 0;
    });
}

template <class Chain>
void AddMouseHandler(Chain& chain, Body body) {
    chain.Add([body](IKeyView& sender, TMouseButton, TShiftState, std::int32_t, std::int32_t) {
        body(sender);
    });
}

const ChainCase kChains[] = {
    {"KeyDown", true, [](TKbdHandler& k, Body b) { AddKeyHandler(k.KeyDownHandlers(), b); },
     [](TKbdHandler& k, IKeyView& v) {
         TKeyCode key = 'A';
         k.ExecuteKeyDown(v, key, {});
     }},
    {"KeyUp", true, [](TKbdHandler& k, Body b) { AddKeyHandler(k.KeyUpHandlers(), b); },
     [](TKbdHandler& k, IKeyView& v) {
         TKeyCode key = 'A';
         k.ExecuteKeyUp(v, key, {});
     }},
    {"KeyPress", true,
     [](TKbdHandler& k, Body b) {
         k.KeyPressHandlers().Add([b](IKeyView& sender, char& key) {
             ASSERT_NE(key, '\0');
             if (b(sender)) key = '\0';
         });
     },
     [](TKbdHandler& k, IKeyView& v) {
         char key = 'a';
         k.ExecuteKeyPress(v, key);
     }},
    {"MouseDown", false, [](TKbdHandler& k, Body b) { AddMouseHandler(k.MouseDownHandlers(), b); },
     [](TKbdHandler& k, IKeyView& v) {
         k.ExecuteMouseDown(v, TMouseButton::mbLeft, {TShiftFlag::ssLeft}, 10, 20);
     }},
    {"MouseUp", false, [](TKbdHandler& k, Body b) { AddMouseHandler(k.MouseUpHandlers(), b); },
     [](TKbdHandler& k, IKeyView& v) { k.ExecuteMouseUp(v, TMouseButton::mbRight, {}, 10, 20); }},
    {"MouseCursor", false,
     [](TKbdHandler& k, Body b) {
         k.MouseCursorHandlers().Add(
             [b](IKeyView& sender, const TBufferCoord&, TCursor&) { b(sender); });
     },
     [](TKbdHandler& k, IKeyView& v) {
         TCursor cursor = 0;
         k.ExecuteMouseCursor(v, {3, 4}, cursor);
     }},
};

class KbdHandlerChain : public ::testing::TestWithParam<ChainCase> {
protected:
    TKbdHandler kbd_;
    FakeKeyView view_;
    std::string log_;
};

TEST_P(KbdHandlerChain, CallsNewestFirstAndStopsOnlyKeyChainsWhenConsumed) {
    const ChainCase& c = GetParam();
    for (const char id : std::string("123")) {
        c.add(kbd_, [this, id](IKeyView& sender) {
            EXPECT_EQ(&sender, &view_);
            log_ += id;
            return id == '2';
        });
    }
    c.execute(kbd_, view_);
    EXPECT_EQ(log_, c.stopsEarly ? "32" : "321");
}

TEST_P(KbdHandlerChain, IgnoresANestedCallOfItself) {
    const ChainCase& c = GetParam();
    c.add(kbd_, [&](IKeyView& sender) {
        log_ += 'x';
        c.execute(kbd_, sender);
        return false;
    });
    c.execute(kbd_, view_);
    EXPECT_EQ(log_, "x");
}

TEST_P(KbdHandlerChain, ReleasesItsGuardWhenAHandlerFails) {
    const ChainCase& c = GetParam();
    c.add(kbd_, [&](IKeyView&) -> bool {
        log_ += 'x';
        throw std::runtime_error("handler");
    });
    EXPECT_THROW(c.execute(kbd_, view_), std::runtime_error);
    EXPECT_THROW(c.execute(kbd_, view_), std::runtime_error);
    EXPECT_EQ(log_, "xx");
}

INSTANTIATE_TEST_SUITE_P(Chains, KbdHandlerChain, ::testing::ValuesIn(kChains),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KbdHandler, HandlersSeeWhatEarlierOnesChanged) {
    TKbdHandler kbd;
    FakeKeyView view;
    kbd.MouseCursorHandlers().Add([](IKeyView&, const TBufferCoord&, TCursor& cursor) {
        EXPECT_EQ(cursor, -2);
        cursor = -4;
    });
    kbd.MouseCursorHandlers().Add([](IKeyView&, const TBufferCoord& position, TCursor& cursor) {
        EXPECT_EQ(position, (TBufferCoord{3, 4}));
        cursor = -2;
    });
    TCursor cursor = 0;
    kbd.ExecuteMouseCursor(view, {3, 4}, cursor);
    EXPECT_EQ(cursor, -4);

    kbd.KeyDownHandlers().Add([](IKeyView&, TKeyCode& key, TShiftState) { key = 'Z'; });
    TKeyCode key = 'A';
    kbd.ExecuteKeyDown(view, key, {});
    EXPECT_EQ(key, 'Z');
}

TEST(MethodList, AddsRemovesAndCountsHandlers) {
    TMethodList<int&> list;
    EXPECT_EQ(list.Add(nullptr), 0u);
    const auto first = list.Add([](int& v) { v = v * 10 + 1; });
    const auto second = list.Add([](int& v) { v = v * 10 + 2; });
    EXPECT_NE(first, second);
    EXPECT_EQ(list.Count(), 2);
    list.Remove(12345);
    list.Remove(0);
    EXPECT_EQ(list.Count(), 2);
    int value = 0;
    list.CallAll(value);
    EXPECT_EQ(value, 21);
    list.Remove(second);
    value = 0;
    list.CallAll(value);
    EXPECT_EQ(value, 1);
}

TEST(MethodList, ChangesDuringARunTakeEffectSafely) {
    TMethodList<std::string&> list;
    TMethodList<std::string&>::THandle self = 0;
    TMethodList<std::string&>::THandle oldest = 0;
    oldest = list.Add([](std::string& log) { log += "oldest "; });
    list.Add([&](std::string& log) {
        log += "remover ";
        list.Remove(oldest);
        list.Add([](std::string& l) { l += "added "; });
    });
    self = list.Add([&](std::string& log) {
        list.Remove(self);  // the running handler stays alive until it returns
        log += "self ";
    });
    std::string log;
    list.CallAll(log);
    EXPECT_EQ(log, "self remover ");
    log.clear();
    list.CallAll(log);
    EXPECT_EQ(log, "added remover ");
}

}  // namespace
}  // namespace mirevo
