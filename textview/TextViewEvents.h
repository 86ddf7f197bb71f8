// TTextViewEvents: the events a text view raises, each with the view as its sender. The view
// says when it raises each one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/Color.h"
#include "common/KeyCodes.h"
#include "common/ShiftState.h"
#include "platform/DrawingSurface.h"
#include "platform/WindowScrolling.h"
#include "textview/Coordinates.h"
#include "textview/EditMark.h"
#include "textview/EditorCommands.h"
#include "textview/KbdHandler.h"
#include "textview/TextViewTypes.h"
#include "ui/Object.h"

namespace mirevo {

struct TTextViewEvents {
    using TPaintEvent = std::function<void(TObject* Sender, IDrawingSurface& ACanvas)>;
    using TPaintTransientEvent =
        std::function<void(TObject* Sender, IDrawingSurface& Canvas, TTransientType TransientType)>;
    using TSpecialLineColorsEvent = std::function<void(TObject* Sender, std::int32_t Line,
                                                       bool& Special, TColor& FG, TColor& BG)>;
    using TGutterGetTextEvent =
        std::function<void(TObject* Sender, std::int32_t aLine, std::string& aText)>;
    using TGutterPaintEvent =
        std::function<void(TObject* Sender, std::int32_t aLine, std::int32_t X, std::int32_t Y)>;
    using TStatusChangeEvent = std::function<void(TObject* Sender, TStatusChanges Changes)>;
    using TScrollEvent = std::function<void(TObject* Sender, TScrollBarKind ScrollBar)>;

    // After the undo list recorded a change outside an undo block, or when the outermost
    // block closed with one; setting or clearing the whole text raises nothing.
    TNotifyEvent OnChange;
    using TProcessCommandEvent =
        std::function<void(TObject* Sender, TEditorCommand& Command, char& AChar, void* Data)>;
    TProcessCommandEvent OnProcessCommand;
    TProcessCommandEvent OnProcessUserCommand;
    TProcessCommandEvent OnCommandProcessed;
    std::function<void(TObject* Sender, const std::string& word)> OnContextHelp;
    using TPlaceMarkEvent = std::function<void(TObject* Sender, TEditMark*& Mark)>;
    TPlaceMarkEvent OnPlaceBookmark;
    TPlaceMarkEvent OnClearBookmark;
    TPaintEvent OnPaint;
    TPaintTransientEvent OnPaintTransient;
    TSpecialLineColorsEvent OnSpecialLineColors;
    TGutterGetTextEvent OnGutterGetText;
    TGutterPaintEvent OnGutterPaint;
    TStatusChangeEvent OnStatusChange;
    TScrollEvent OnScroll;
    std::function<void(TObject* Sender, TKeyCode& Key, TShiftState Shift)> OnKeyDown;
    std::function<void(TObject* Sender, TKeyCode& Key, TShiftState Shift)> OnKeyUp;
    std::function<void(TObject* Sender, char& Key)> OnKeyPress;
    // The framework's steps of the mouse and of a drop.
    using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift,
                                           std::int32_t X, std::int32_t Y)>;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    std::function<void(TObject* Sender, TShiftState Shift, std::int32_t X, std::int32_t Y)>
        OnMouseMove;
    TNotifyEvent OnDblClick;
    std::function<void(TObject* Sender, TObject* Source, std::int32_t X, std::int32_t Y)>
        OnDragDrop;
    // Mark is null when the click was beside the line's marks.
    std::function<void(TObject* Sender, TMouseButton Button, std::int32_t X, std::int32_t Y,
                       std::int32_t Line, TEditMark* Mark)>
        OnGutterClick;
    std::function<void(TObject* Sender, const TBufferCoord& aLineCharPos, TCursor& aCursor)>
        OnMouseCursor;
    std::function<void(TObject* Sender, std::int32_t X, std::int32_t Y,
                       const std::vector<std::string>& AFiles)>
        OnDropFiles;
};

}  // namespace mirevo
