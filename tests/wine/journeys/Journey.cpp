#include "tests/wine/journeys/Journey.h"

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "BuildConfig.h"

namespace mirevo::journeys {

namespace {

std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "." + info->name();
}

std::filesystem::path ShotFolder(const std::string& test) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().parent_path() / "journeys" / test;
}

}  // namespace

Journey::Journey() : folder_(TestName()), name_(TestName()) {
    std::error_code ignored;
    std::filesystem::remove_all(ShotFolder(name_), ignored);
}

Journey::~Journey() = default;

TRunningProgram& Journey::Start() {
    program_.reset();
    program_ = std::make_unique<TRunningProgram>(folder_);
    return *program_;
}

bool Journey::Quit() {
    SetForegroundWindow(program_->Main());
    Settle();
    Chord({VK_MENU, VK_F4});
    return program_->WaitForExit();
}

void Journey::ClickControl(std::string_view name, int x) {
    HWND window = Control(name);
    ASSERT_NE(window, nullptr) << name;
    RECT r;
    GetClientRect(window, &r);
    Click(ClientPoint(window, x, r.bottom / 2));
}

void Journey::Shot(std::string_view what) {
    Settle(std::chrono::milliseconds(250));
    const auto folder = ShotFolder(name_);
    std::filesystem::create_directories(folder);
    char file[128];
    std::snprintf(file, sizeof file, "%02d-%.*s.png", ++shots_, static_cast<int>(what.size()),
                  what.data());
    RECT area = program_->Area();
    InflateRect(&area, 8, 8);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&area, &area, &screen);
    EXPECT_TRUE(CaptureToPng(area, folder / file)) << file;
}

void Journey::SetUnwritable(const std::filesystem::path& file, bool unwritable) {
    // The read-only attribute does not stop root; the immutable flag does.
    const std::string path = UnixPathOf(file);
    ASSERT_TRUE(RunUnixProgram("/usr/bin/chattr", (unwritable ? "+i \"" : "-i \"") + path + "\""));
    // The Unix program may still be running when its process handle reports it ended. A
    // folder is writable while a file can be made in it. A probe made just before the flag took
    // hold cannot be deleted, so each has a name of its own and they go once it is writable.
    const bool folder = std::filesystem::is_directory(file);
    int probes = 0;
    const auto probe = [&file, &probes] { return file / ("writable-" + std::to_string(++probes)); };
    const auto writable = [&] {
        const std::filesystem::path path = folder ? probe() : file;
        HANDLE handle = CreateFileA(path.string().c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    folder ? CREATE_NEW : OPEN_EXISTING, 0, nullptr);
        if (handle == INVALID_HANDLE_VALUE) return false;
        CloseHandle(handle);
        if (folder) DeleteFileA(path.string().c_str());
        return true;
    };
    // A loaded machine has been seen to take more than five seconds for it.
    ASSERT_TRUE(WaitFor([&] { return writable() != unwritable; }, std::chrono::seconds(20)))
        << path;
    if (!folder || unwritable) return;
    for (const auto& entry : std::filesystem::directory_iterator(file))
        if (entry.path().filename().string().rfind("writable-", 0) == 0)
            DeleteFileA(entry.path().string().c_str());
}

int Journey::ActivePage() {
    DWORD_PTR page = 99;
    SendMessageTimeoutA(Control("PageControl1"), TCM_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 2000,
                        &page);
    return static_cast<int>(page);
}

HWND Journey::Focus() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(Program().Main(), nullptr), &info);
    return info.hwndFocus;
}

COLORREF Journey::FieldColor(std::string_view name) {
    HWND window = Control(name);
    if (!window) return CLR_INVALID;
    RECT r;
    GetClientRect(window, &r);
    return PixelAt(ClientPoint(window, r.right - 3, r.bottom / 2));
}

std::string Journey::PageUrl() {
    return std::string("http://item.") + config::MerchantDomainA + "/shop/item-1/";
}

std::string Journey::ImageUrl() {
    return std::string("http://image.") + config::MerchantDomainA + "/cabinet/book.jpg";
}

}  // namespace mirevo::journeys
