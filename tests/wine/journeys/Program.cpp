#include "tests/wine/journeys/Program.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/wine/journeys/Desktop.h"

namespace mirevo::journeys {

namespace {

std::filesystem::path HarnessFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string NameOf(HWND window) {
    const auto atom =
        static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(GetPropA(window, "MirevoControlName")));
    if (atom == 0) return {};
    char name[128] = {};
    GlobalGetAtomNameA(atom, name, sizeof name);
    return name;
}

struct TChildSearch {
    std::string_view name;
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TChildSearch*>(data);
    if (NameOf(window) != search.name) return TRUE;
    search.found = window;
    return FALSE;
}

struct TTopSearch {
    DWORD process;
    bool visibleOnly;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTop(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TTopSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search.process && (!search.visibleOnly || IsWindowVisible(window))) {
        search.windows.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND window, LPARAM data) {
    auto& texts = *reinterpret_cast<std::string*>(data);
    if (ClassOf(window) == "Static") {
        const std::string text = TextOf(window);
        if (!text.empty()) texts += (texts.empty() ? "" : "\n") + text;
    }
    return TRUE;
}

}  // namespace

namespace {
// Also files a journey made unwritable (see Journey::SetUnwritable).
void RemoveFolder(const std::filesystem::path& path) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) return;
    RunUnixProgram("/usr/bin/chattr", "-R -f -i \"" + UnixPathOf(path) + "\"");
    std::filesystem::remove_all(path, ignored);
}
}  // namespace

TProgramFolder::TProgramFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::filesystem::path(temp) / "mirevo-journeys" / name;
    RemoveFolder(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::copy_file(HarnessFolder() / "Mirevo.exe", Exe());
}

TProgramFolder::~TProgramFolder() { RemoveFolder(path_); }

std::string TProgramFolder::ReadIni() const {
    std::ifstream in(Ini(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TProgramFolder::WriteIni(std::string_view bytes) const {
    std::ofstream(Ini(), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TRunningProgram::TRunningProgram(const TProgramFolder& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + folder.Exe().string() + "\"";
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.Path().string().c_str(), &startup, &process_)) {
        throw std::runtime_error("cannot start " + command);
    }
    WaitForInputIdle(process_.hProcess, 10000);
    // A message box may come before the main window shows (an error while it is made).
    if (!WaitFor([this] { return !Windows().empty(); }, std::chrono::milliseconds(20000))) {
        throw std::runtime_error("no window appeared");
    }
    main_ = FindMain();
    if (!main_) throw std::runtime_error("the main window was not made");
    Settle(std::chrono::milliseconds(300));
}

TRunningProgram::~TRunningProgram() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

void TRunningProgram::Kill() {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
}

std::vector<HWND> TRunningProgram::Windows() const {
    TTopSearch search{process_.dwProcessId, true, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND TRunningProgram::FindMain() const {
    TTopSearch search{process_.dwProcessId, false, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.windows) {
        if (ClassOf(window) == "MirevoForm" && TextOf(window) == "Mirevo") return window;
    }
    return nullptr;
}

HWND TRunningProgram::WaitForWindow(std::string_view className, std::string_view caption,
                                    std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : Windows()) {
                if (ClassOf(window) != className) continue;
                if (!caption.empty() && TextOf(window) != caption) continue;
                found = window;
                return true;
            }
            return false;
        },
        timeout);
    return found;
}

RECT TRunningProgram::Area() const {
    RECT area{};
    for (HWND window : Windows()) {
        const RECT r = ScreenRect(window);
        UnionRect(&area, &area, &r);
    }
    return area;
}

bool TRunningProgram::WaitForExit(std::chrono::milliseconds timeout) {
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
           WAIT_OBJECT_0;
}

bool TRunningProgram::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND ControlOf(HWND parent, std::string_view name) {
    TChildSearch search{name};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

std::string MessageText(HWND box) {
    std::string texts;
    EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

}  // namespace mirevo::journeys
