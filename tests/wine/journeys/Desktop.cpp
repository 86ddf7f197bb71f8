#include "tests/wine/journeys/Desktop.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace mirevo::journeys {

namespace {

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    switch (key) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_INSERT:
        case VK_DELETE:
        case VK_RMENU:
        case VK_RCONTROL:
            input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
            break;
        default:
            break;
    }
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT MouseInput(DWORD flags, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((at.x * 65535 + width / 2) / (width - 1));
        input.mi.dy = static_cast<LONG>((at.y * 65535 + height / 2) / (height - 1));
    }
    return input;
}

std::pair<DWORD, DWORD> ButtonFlags(TButton button) {
    switch (button) {
        case TButton::Right:
            return {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
        case TButton::Middle:
            return {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP};
        default:
            return {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    }
}

}  // namespace

void Settle(std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); }

void Tap(WORD key) {
    Send({KeyInput(key, false), KeyInput(key, true)});
    Settle();
}

void Press(WORD key) {
    Send({KeyInput(key, false)});
    Settle(std::chrono::milliseconds(50));
}

void Release(WORD key) {
    Send({KeyInput(key, true)});
    Settle(std::chrono::milliseconds(50));
}

void SendChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) inputs.push_back(KeyInput(key, false));
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
        inputs.push_back(KeyInput(*it, true));
    Send(inputs);
}

void Chord(std::initializer_list<WORD> keys) {
    SendChord(keys);
    Settle();
}

void TypeAscii(std::string_view text) {
    for (const char c : text) {
        const SHORT scan = VkKeyScanA(c);
        const auto key = static_cast<WORD>(scan & 0xFF);
        if (scan & 0x100) {
            Send({KeyInput(VK_SHIFT, false), KeyInput(key, false), KeyInput(key, true),
                  KeyInput(VK_SHIFT, true)});
        } else {
            Send({KeyInput(key, false), KeyInput(key, true)});
        }
        Settle(std::chrono::milliseconds(15));
    }
    Settle();
}

namespace {
// A character's key events as an input method hands it over.
std::vector<INPUT> UnicodeInputs(std::string_view text) {
    const int length =
        MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    std::vector<INPUT> inputs;
    for (const wchar_t c : wide) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = static_cast<WORD>(c);
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(down);
        inputs.push_back(up);
    }
    return inputs;
}
}  // namespace

void TypeText(std::string_view text) {
    const std::vector<INPUT> inputs = UnicodeInputs(text);
    for (std::size_t i = 0; i + 1 < inputs.size(); i += 2) {
        Send({inputs[i], inputs[i + 1]});
        Settle(std::chrono::milliseconds(15));
    }
    Settle();
}

void SendText(std::string_view text) { Send(UnicodeInputs(text)); }

void MoveTo(POINT screen) {
    Send({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)});
    Settle(std::chrono::milliseconds(50));
}

void Click(POINT screen, TButton button) {
    MoveTo(screen);
    const auto [down, up] = ButtonFlags(button);
    Send({MouseInput(down), MouseInput(up)});
    Settle();
}

void SendClick(POINT screen) {
    Send({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
          MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

void DoubleClick(POINT screen, TButton button) {
    MoveTo(screen);
    const auto [down, up] = ButtonFlags(button);
    Send({MouseInput(down), MouseInput(up), MouseInput(down), MouseInput(up)});
    Settle();
}

void Drag(POINT from, POINT to) {
    MoveTo(from);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN)});
    Settle(std::chrono::milliseconds(50));
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        MoveTo({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
    }
    Send({MouseInput(MOUSEEVENTF_LEFTUP)});
    Settle();
}

POINT ClientPoint(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

POINT CentreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

namespace {

// The file's path on the Unix side of Wine, or empty outside Wine.
std::string UnixPath(const std::filesystem::path& file) {
    using Convert = char* (*)(const wchar_t*);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!convert) return {};
    char* path = convert(std::filesystem::absolute(file).wstring().c_str());
    if (!path) return {};
    std::string result = path;
    HeapFree(GetProcessHeap(), 0, path);
    return result;
}

// Runs ImageMagick's import on the X display Wine draws on.
bool Import(const RECT& area, const std::string& target) {
    char geometry[64];
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", area.right - area.left,
                  area.bottom - area.top, area.left, area.top);
    return RunUnixProgram("/usr/bin/import",
                          std::string("-window root -crop ") + geometry + " +repage " + target);
}

TPicture GdiCapture(const RECT& area) {
    TPicture picture;
    picture.Width = area.right - area.left;
    picture.Height = area.bottom - area.top;
    if (picture.Width <= 0 || picture.Height <= 0) return {};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.Width, picture.Height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.Width, picture.Height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.Width;
    info.bmiHeader.biHeight = -picture.Height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<std::uint8_t> bgra(static_cast<std::size_t>(picture.Width) * picture.Height * 4);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(picture.Height), bgra.data(), &info,
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    picture.Rgb.reserve(bgra.size() / 4 * 3);
    for (std::size_t i = 0; i < bgra.size(); i += 4) {
        picture.Rgb.insert(picture.Rgb.end(), {bgra[i + 2], bgra[i + 1], bgra[i]});
    }
    return picture;
}

}  // namespace

bool RunUnixProgram(const std::string& program, const std::string& arguments) {
    std::string windowsPath = "Z:" + program;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    std::string command = program + " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(windowsPath.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::string UnixPathOf(const std::filesystem::path& file) { return UnixPath(file); }

namespace {
// Waits until the file a Unix program writes is complete (its size holds still).
bool WaitForFile(const std::filesystem::path& file) {
    std::uintmax_t last = 0;
    return WaitFor(
        [&] {
            std::error_code error;
            const std::uintmax_t size = std::filesystem::file_size(file, error);
            if (error || size == 0) return false;
            const bool still = size == last;
            last = size;
            return still;
        },
        std::chrono::milliseconds(20000));
}
}  // namespace

bool CaptureToPng(const RECT& area, const std::filesystem::path& file) {
    const std::string target = UnixPath(file);
    std::filesystem::remove(file);
    if (!target.empty() && Import(area, target) && WaitForFile(file)) return true;
    return WritePng(file, GdiCapture(area));
}

namespace {
// The pixels of ImageMagick's text form: "x,y: (65535,65535,57825)  #FFFFFFFFE1E1
// srgb(255,255,225)" a line, in any depth.
std::vector<COLORREF> ReadPixelText(const std::filesystem::path& file) {
    std::vector<COLORREF> pixels;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto srgb = line.find("srgb(");
        int red = 0;
        int green = 0;
        int blue = 0;
        if (!line.empty() && line[0] != '#' && srgb != std::string::npos &&
            std::sscanf(line.c_str() + srgb, "srgb(%d,%d,%d)", &red, &green, &blue) == 3) {
            pixels.push_back(RGB(red, green, blue));
        }
    }
    return pixels;
}
}  // namespace

std::vector<COLORREF> PixelsIn(const RECT& area) {
    const auto count = static_cast<std::size_t>(area.right - area.left) *
                       static_cast<std::size_t>(area.bottom - area.top);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::filesystem::path file = std::filesystem::path(temp) / "mirevo-journey-pixels.txt";
    std::filesystem::remove(file);
    const std::string target = UnixPath(file);
    std::vector<COLORREF> pixels;
    // The program may still be writing when its process handle says it ended.
    if (!target.empty() && Import(area, "txt:" + target) &&
        WaitFor([&] { return (pixels = ReadPixelText(file)).size() >= count; },
                std::chrono::milliseconds(20000))) {
        return pixels;
    }
    pixels.clear();
    const TPicture picture = GdiCapture(area);
    for (std::size_t i = 0; i + 2 < picture.Rgb.size(); i += 3) {
        pixels.push_back(RGB(picture.Rgb[i], picture.Rgb[i + 1], picture.Rgb[i + 2]));
    }
    return pixels;
}

COLORREF PixelAt(POINT screen) {
    const std::vector<COLORREF> pixels = PixelsIn({screen.x, screen.y, screen.x + 1, screen.y + 1});
    return pixels.empty() ? CLR_INVALID : pixels.front();
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
             std::chrono::milliseconds poll) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        Settle(poll);
    }
    return true;
}

std::string ClipboardText() {
    std::string text;
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt)
        Settle(std::chrono::milliseconds(50));
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(std::string_view text) {
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt)
        Settle(std::chrono::milliseconds(50));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    auto* bytes = static_cast<char*>(GlobalLock(block));
    std::copy(text.begin(), text.end(), bytes);
    bytes[text.size()] = '\0';
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

}  // namespace mirevo::journeys
