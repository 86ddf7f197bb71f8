// The program on a screen of 120 and 144 dots per inch, as on a notebook set to 125% or 150%:
// the main window, its menus, the settings dialog, the history window and the about box are
// laid out at the screen's density, with nothing cut off, by mouse and keys as at 96.
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/DpiScale.h"
#include "tests/wine/journeys/Journey.h"

namespace mirevo::journeys {
namespace {

constexpr char kDesktop[] = "Control Panel\\Desktop";
constexpr char kMetrics[] = "Control Panel\\Desktop\\WindowMetrics";
// Wine scales the menu font by the density itself.
constexpr const char* kMetricFonts[] = {"CaptionFont", "SmCaptionFont", "StatusFont", "MessageFont",
                                        "IconFont"};

// A registry value of the user's, set for the journey and given back afterwards.
class TKeptValue {
public:
    TKeptValue(const char* key, const char* name) : key_(key), name_(name) {
        DWORD size = 0;
        had_ = RegGetValueA(HKEY_CURRENT_USER, key_, name_, RRF_RT_ANY, &type_, nullptr, &size) ==
               ERROR_SUCCESS;
        bytes_.resize(size);
        if (had_) {
            RegGetValueA(HKEY_CURRENT_USER, key_, name_, RRF_RT_ANY, &type_, bytes_.data(), &size);
        }
    }
    ~TKeptValue() {
        if (had_) {
            Set(type_, bytes_);
        } else {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, key_, name_);
        }
    }
    TKeptValue(const TKeptValue&) = delete;
    TKeptValue& operator=(const TKeptValue&) = delete;

    const std::vector<BYTE>& Bytes() const { return bytes_; }
    void Set(DWORD type, const std::vector<BYTE>& bytes) const {
        RegSetKeyValueA(HKEY_CURRENT_USER, key_, name_, type, bytes.data(),
                        static_cast<DWORD>(bytes.size()));
    }

private:
    const char* key_;
    const char* name_;
    bool had_ = false;
    DWORD type_ = REG_NONE;
    std::vector<BYTE> bytes_;
};

// The screen's density for the programs started from now on, with the system's fonts at
// their size there, as Windows keeps them after the user changes the scale.
class TScreenDensity {
public:
    explicit TScreenDensity(UINT dpi) {
        const DWORD value = dpi;
        pixels_.Set(REG_DWORD, {reinterpret_cast<const BYTE*>(&value),
                                reinterpret_cast<const BYTE*>(&value) + sizeof value});
        for (const char* name : kMetricFonts) {
            fonts_.push_back(std::make_unique<TKeptValue>(kMetrics, name));
            std::vector<BYTE> font = fonts_.back()->Bytes();
            if (font.size() < sizeof(LONG)) continue;
            LONG height = 0;
            memcpy(&height, font.data(), sizeof height);
            height = ToDevicePixels(height, dpi);
            memcpy(font.data(), &height, sizeof height);
            fonts_.back()->Set(REG_BINARY, font);
        }
    }

private:
    TKeptValue pixels_{kDesktop, "LogPixels"};
    std::vector<std::unique_ptr<TKeptValue>> fonts_;
};

BOOL CALLBACK CollectCutOff(HWND child, LPARAM data) {
    if (!IsWindowVisible(child)) return TRUE;
    HWND parent = GetParent(child);
    RECT area;
    GetClientRect(parent, &area);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&area), 2);
    const RECT r = ScreenRect(child);
    if (r.left < area.left || r.top < area.top || r.right > area.right || r.bottom > area.bottom) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        reinterpret_cast<std::vector<std::string>*>(data)->push_back(std::string(name) + " \"" +
                                                                     TextOf(child) + "\"");
    }
    return TRUE;
}

// The visible windows inside window that reach beyond their parent's client area.
std::vector<std::string> CutOff(HWND window) {
    std::vector<std::string> cut;
    EnumChildWindows(window, CollectCutOff, reinterpret_cast<LPARAM>(&cut));
    return cut;
}

class Density : public Journey, public ::testing::WithParamInterface<UINT> {
protected:
    int Scaled(int design) const { return ToDevicePixels(design, GetParam()); }
    void ExpectNothingCutOff(HWND window, const char* what) {
        const std::vector<std::string> cut = CutOff(window);
        std::string listed;
        for (const std::string& name : cut) listed += name + "; ";
        EXPECT_TRUE(cut.empty()) << what << ": " << listed;
    }
    // The main window's client area is its design size scaled, with nothing cut off.
    void ExpectMainWindowAtItsDesignSize(const char* shot) {
        RECT client;
        GetClientRect(Program().Main(), &client);
        EXPECT_EQ(client.right, Scaled(408));
        EXPECT_EQ(client.bottom, Scaled(333));
        ExpectNothingCutOff(Program().Main(), "main window");
        Shot(shot);
    }
    // The window the program opened with that caption: nothing of it cut off, a screenshot,
    // and closed by the keys.
    void LookAtAndClose(std::string_view caption, const char* what,
                        std::initializer_list<WORD> close) {
        HWND window = Program().WaitForWindow("MirevoForm", caption);
        ASSERT_NE(window, nullptr) << what;
        ExpectNothingCutOff(window, what);
        Shot(what);
        Chord(close);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(window); })) << what;
    }
    void OpenFromMenu(POINT menu, int downs) {
        Click(ClientPoint(Control("ActionMainMenuBar1"), Scaled(menu.x), Scaled(menu.y)));
        ASSERT_NE(Program().WaitForWindow("#32768"), nullptr) << "the menu did not drop down";
        for (int i = 0; i < downs; ++i) Tap(VK_DOWN);
        Tap(VK_RETURN);
    }

    TScreenDensity density_{GetParam()};
};

TEST_P(Density, EveryWindowIsLaidOutAtTheScreensDensity) {
    folder_.WriteIni("[Options]\r\na8matEsy=E1\r\na8matTxt=T1\r\na8matImg=I1\r\n");
    TRunningProgram& program = Start();
    ExpectMainWindowAtItsDesignSize("main");

    Click(ClientPoint(Control("ActionMainMenuBar1"), Scaled(kFileMenu.x), Scaled(kFileMenu.y)));
    ASSERT_NE(program.WaitForWindow("#32768"), nullptr) << "the file menu did not drop down";
    Shot("file-menu");
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);

    ClickControl("EditUrl1");
    TypeAscii(PageUrl());
    Chord({VK_CONTROL, VK_RETURN});
    ASSERT_TRUE(WaitFor([&] { return !TextOf(Control("TextMemo1")).empty(); }));
    Click(ClientPoint(Control("PageControl1"), Scaled(kTabCaption[3].x), Scaled(kTabCaption[3].y)));
    ASSERT_TRUE(WaitFor([&] { return ActivePage() == 3; })) << "the fourth tab did not open";
    Shot("code-and-fourth-tab");

    OpenFromMenu(kFileMenu, 2);
    LookAtAndClose("設定", "settings", {VK_MENU, VK_F4});
    // The keys go to the main window only once it is active again, which a loaded machine
    // was seen to take longer for than the chord.
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == program.Main(); }));
    Chord({VK_CONTROL, 'H'});
    LookAtAndClose("履歴", "history", {VK_ESCAPE});
    OpenFromMenu({172, 11}, 1);
    LookAtAndClose("Mirevo について", "about", {VK_ESCAPE});
    ASSERT_TRUE(Quit());
}

// Another program may send the density message with any values: a density beyond any
// screen's is refused, and its rectangle pointer, which means nothing in this process, is
// not read.
TEST_P(Density, AnotherProgramsDensityMessagesAreNotTrusted) {
    TRunningProgram& program = Start();
    const struct {
        WPARAM Dpi;
        LPARAM Rect;
    } messages[] = {{MAKEWPARAM(65535, 65535), 0},
                    {MAKEWPARAM(1, 1), 0x10},
                    {0, static_cast<LPARAM>(-1)},
                    {MAKEWPARAM(GetParam() * 2, GetParam() * 2), 0x10},
                    {MAKEWPARAM(GetParam(), GetParam()), 0x10}};
    for (const auto& message : messages) {
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutA(program.Main(), WM_DPICHANGED, message.Dpi, message.Rect,
                                      SMTO_ABORTIFHUNG, 5000, &answer),
                  0);
        ASSERT_TRUE(program.Running());
    }
    ExpectMainWindowAtItsDesignSize("after-the-messages");
    ASSERT_TRUE(Quit());
}

INSTANTIATE_TEST_SUITE_P(Screen, Density, ::testing::Values(96u, 120u, 144u),
                         [](const auto& info) { return std::to_string(info.param); });

}  // namespace
}  // namespace mirevo::journeys
