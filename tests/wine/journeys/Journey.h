// The fixture of a journey: the program in a folder of its own, started and restarted as a
// user does, with screenshots of what the user sees along the way. Journeys drive it by keys
// and mouse only (tests/wine/journeys/Desktop.h) and judge it by what another program can see:
// windows, texts, the screen's pixels, the clipboard and the settings file.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "tests/wine/journeys/Desktop.h"
#include "tests/wine/journeys/Program.h"

namespace mirevo::journeys {

// Where the design puts the tabs' captions and the file menu, in client coordinates of the
// tab control and of the menu bar.
inline constexpr POINT kTabCaption[] = {{33, 10}, {112, 10}, {190, 10}, {280, 10}};
inline constexpr POINT kFileMenu{28, 11};

class Journey : public ::testing::Test {
protected:
    Journey();
    ~Journey() override;

    // Starts the program; a run still going is ended first.
    TRunningProgram& Start();
    TRunningProgram& Program() { return *program_; }
    HWND Control(std::string_view name) { return program_->Control(name); }
    // Ends the run as a user does, by Alt+F4 on the main window; false when it did not end.
    bool Quit();
    // Clicks a control near its left edge, where a field's text starts.
    void ClickControl(std::string_view name, int x = 8);
    // Makes a file or a folder unwritable for everyone, root included (which the tests run
    // as), or writable again. In an unwritable folder no file can be made, renamed or removed;
    // the files already there stay writable.
    static void SetUnwritable(const std::filesystem::path& file, bool unwritable);
    // Writes a picture of the program's windows as the screen shows them now.
    void Shot(std::string_view what);

    // The system colours of a marked and an unmarked field.
    static COLORREF Marked() { return GetSysColor(COLOR_INFOBK); }
    static COLORREF Unmarked() { return GetSysColor(COLOR_WINDOW); }
    // The colour of an edit's background, read from the screen near its right edge.
    COLORREF FieldColor(std::string_view name);
    // The index of the tab page shown (99 when the program does not answer), and the
    // program's focused window.
    int ActivePage();
    HWND Focus();
    // The address of a merchant page and of a merchant image.
    static std::string PageUrl();
    static std::string ImageUrl();

    TProgramFolder folder_;

private:
    std::unique_ptr<TRunningProgram> program_;
    std::string name_;
    int shots_ = 0;
};

}  // namespace mirevo::journeys
