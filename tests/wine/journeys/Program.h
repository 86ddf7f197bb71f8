// The real program as a user has it: Mirevo.exe in a folder of its own with the settings file
// beside it, started as a separate process, and its windows found the way tools outside the
// program find them (by the control names the windows carry).
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mirevo::journeys {

// The window inside parent named after a control, or null.
HWND ControlOf(HWND parent, std::string_view name);

// A folder holding a copy of the program; the settings file lies beside it.
class TProgramFolder {
public:
    // Makes a fresh folder named after the journey and copies the program into it.
    explicit TProgramFolder(const std::string& name);
    ~TProgramFolder();
    TProgramFolder(const TProgramFolder&) = delete;
    TProgramFolder& operator=(const TProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path Exe() const { return path_ / "Mirevo.exe"; }
    std::filesystem::path Ini() const { return path_ / "Mirevo.ini"; }
    // The settings file's bytes; empty when there is none.
    std::string ReadIni() const;
    void WriteIni(std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

// One run of the program. The destructor ends a run that is still going.
class TRunningProgram {
public:
    // Starts the program and waits until it shows a window (the main window, or a message box
    // that comes before it).
    explicit TRunningProgram(const TProgramFolder& folder);
    ~TRunningProgram();
    TRunningProgram(const TRunningProgram&) = delete;
    TRunningProgram& operator=(const TRunningProgram&) = delete;

    // The main window, shown or not yet.
    HWND Main() const { return main_; }
    // The window of the main window's control of that name (for example "EditUrl1"), or null.
    HWND Control(std::string_view name) const { return ControlOf(main_, name); }
    // The visible top-level windows of the process, the main window among them.
    std::vector<HWND> Windows() const;
    // The first visible top-level window of the process with that class and, when given,
    // that caption; waits for it to appear. Null when it does not.
    HWND WaitForWindow(std::string_view className, std::string_view caption = {},
                       std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) const;
    // The screen area that the process's visible windows cover.
    RECT Area() const;
    // Waits for the process to end; true when it did.
    bool WaitForExit(std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));
    bool Running() const;
    // Ends the process at once, as a crash or the task manager does; nothing of it runs.
    void Kill();
    // The process, for asking the system about it (its objects, its memory); owned by this run.
    HANDLE Process() const { return process_.hProcess; }

private:
    HWND FindMain() const;

    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// A window's text, asked by message as any other program may.
std::string TextOf(HWND window);
// The texts of a message box's static controls, joined by line breaks.
std::string MessageText(HWND box);
// The window's rectangle on the screen.
RECT ScreenRect(HWND window);

}  // namespace mirevo::journeys
