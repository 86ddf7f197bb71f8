// The desktop as a person at the machine uses it: keys and mouse through the window system's
// input queue (SendInput, exactly as a keyboard and mouse deliver them), and what the screen
// shows. Every input pauses briefly afterwards so that the program can take it in.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tests/wine/journeys/Png.h"

namespace mirevo::journeys {

// Keys, by virtual-key code.
void Tap(WORD key);
// One key going down, one coming up, for chords let go in another order than Chord's.
void Press(WORD key);
void Release(WORD key);
// Presses the keys in order and releases them in reverse: Chord({VK_CONTROL, VK_RETURN}).
void Chord(std::initializer_list<WORD> keys);
// Printable ASCII typed on the keyboard, with Shift where the layout needs it.
void TypeAscii(std::string_view text);
// Any Shift-JIS text, handed over character by character as an input method does.
void TypeText(std::string_view text);
// The same without any pause, all characters in one go, and a chord without its pause: for
// long runs that wait for each input's effect instead of a fixed time.
void SendText(std::string_view text);
void SendChord(std::initializer_list<WORD> keys);

enum class TButton : std::uint8_t { Left, Right, Middle };
void MoveTo(POINT screen);
void Click(POINT screen, TButton button = TButton::Left);
void DoubleClick(POINT screen, TButton button = TButton::Left);
// A left click at once, without the pauses of MoveTo and Click.
void SendClick(POINT screen);
// Presses the left button at from, moves to to in steps, releases there.
void Drag(POINT from, POINT to);

// A point of a window's client area on the screen; the centre of a window.
POINT ClientPoint(HWND window, int x, int y);
POINT CentreOf(HWND window);

// Writes the screen's pixels inside a rectangle of screen coordinates as a PNG file, as the
// display shows them (read from the X server when the journeys run under Wine, since Wine's
// own copy of the screen may lag behind what it shows).
bool CaptureToPng(const RECT& area, const std::filesystem::path& file);
// The colour the display shows at a point; the colours inside a rectangle, row by row.
COLORREF PixelAt(POINT screen);
std::vector<COLORREF> PixelsIn(const RECT& area);

// Polls until the condition holds or the time is up; true when it held.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::milliseconds(5000),
             std::chrono::milliseconds poll = std::chrono::milliseconds(50));
// A short pause for input and painting to be taken in.
void Settle(std::chrono::milliseconds pause = std::chrono::milliseconds(150));

// Runs a program of the Unix side of Wine (an absolute path) and waits for it; false when it
// cannot run (its exit code does not reach a Windows process reliably under Wine, so judge it
// by its effect). The path of a file as that side sees it (empty outside Wine).
bool RunUnixProgram(const std::string& program, const std::string& arguments);
std::string UnixPathOf(const std::filesystem::path& file);

// The clipboard's plain text (empty when it holds none); puts plain text on it.
std::string ClipboardText();
void SetClipboardText(std::string_view text);

}  // namespace mirevo::journeys
