// TViewPainter: draws a text view's gutter and text rows onto a drawing surface from a
// TPaintScene, the view's state as constant inputs. It changes nothing it is given but the
// text drawer's font and colours, and never repaints, scrolls or shows a caret; the view
// hides its caret around it and raises OnPaint and OnPaintTransient afterwards.
//
// The gutter shows line numbers (OnGutterGetText may change each), the wrap glyph on
// continued rows, its border and the marks (then OnGutterPaint for each line). The text
// rows show the selection in its colours, the active line, the right edge and, with
// showSpecialChars, blanks, tabs and line ends as marks; OnSpecialLineColors may give a
// line colours of its own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/Color.h"
#include "common/DpiScale.h"
#include "platform/DrawingSurface.h"
#include "platform/LogFont.h"
#include "textview/BookMarkOpt.h"
#include "textview/EditMark.h"
#include "textview/Glyph.h"
#include "textview/Gutter.h"
#include "textview/InternalImage.h"
#include "textview/LineStore.h"
#include "textview/SelectedColor.h"
#include "textview/Selection.h"
#include "textview/TextDrawer.h"
#include "textview/TextViewEvents.h"
#include "textview/ViewLayout.h"
#include "textview/ViewStyle.h"

namespace mirevo {

// What one paint reads. Everything referred to must outlive the Paint call.
struct TPaintScene {
    TLineStore& lines;  // read; only its buffer of expanded lines changes
    const TViewLayout& layout;
    const TSelection& selection;
    const TViewStyle& style;
    const TGutter& gutter;
    const TEditMarkList& marks;
    const TBookMarkOpt& bookMarks;
    const TSelectedColor& selectedColor;
    const TGlyph& wrapGlyph;
    const TLogFont& font;  // the text's font, given back to the drawer after the gutter's
    TColor background;
    TBufferCoord caret;  // its line is the active line
    bool selectionShown = true;
    bool showSpecialChars = false;
    // The height the gutter's gradient covers.
    std::int32_t clientHeight = 0;
    // The window's density: the glyphs and the bookmarks' margins scale from 96.
    std::uint32_t dpi = kDesignDpi;
    const TTextViewEvents& events;
    TObject* sender = nullptr;
};

class TViewPainter {
public:
    // The drawer and the resources (for the internal bookmark images) must outlive it.
    TViewPainter(TTextDrawer& drawer, IDrawingResources& resources);
    TViewPainter(const TViewPainter&) = delete;
    TViewPainter& operator=(const TViewPainter&) = delete;

    // Paints what the canvas's clip rectangle touches; nothing while the cell is empty.
    void Paint(IDrawingSurface& canvas, const TPaintScene& scene);

private:
    struct TRows {
        std::int32_t First = 1;
        std::int32_t Last = 1;
    };
    struct TSelectionSpan {
        bool Active = false;
        bool Column = false;
        TDisplayCoord Start;
        TDisplayCoord End;
    };

    // Gutter (ViewPainterGutter.cpp).
    void PaintGutter(IDrawingSurface& canvas, const TPaintScene& s, TRect clip, TRows rows);
    void PaintGutterGradient(IDrawingSurface& canvas, const TPaintScene& s);
    void PaintLineNumbers(IDrawingSurface& canvas, const TPaintScene& s, const TRect& clip,
                          TRows lines);
    void PaintWrapGlyphs(IDrawingSurface& canvas, const TPaintScene& s, TRows rows);
    void PaintGutterBorder(IDrawingSurface& canvas, const TPaintScene& s, const TRect& clip);
    void PaintMarks(IDrawingSurface& canvas, const TPaintScene& s, std::int32_t firstRow,
                    TRows lines);
    void DrawMark(IDrawingSurface& canvas, const TPaintScene& s, const TEditMark& mark,
                  std::int32_t& offset, std::int32_t rowTop);

    // Text rows (ViewPainterText.cpp); columns c1..c2 of the rows.
    void PaintTextLines(IDrawingSurface& canvas, const TPaintScene& s, TRect clip, TRows rows,
                        std::int32_t c1, std::int32_t c2);
    TSelectionSpan SelectionSpan(const TPaintScene& s, TRows lines) const;
    void PaintLine(IDrawingSurface& canvas, const TPaintScene& s, const TRect& clip,
                   std::int32_t line, TRows rows, std::int32_t c1, std::int32_t c2,
                   const TSelectionSpan& selection);
    void PaintToken(const TPaintScene& s, std::string& run, std::int32_t charsBefore,
                    std::int32_t first, std::int32_t last, TRect& rect);
    void SetPaintColors(IDrawingSurface& canvas, TColor fg, TColor bg);

    TTextDrawer& drawer_;
    IDrawingResources& resources_;
    // Made at the first internal mark drawn.
    std::unique_ptr<TInternalImage> bookmarkImages_;
};

}  // namespace mirevo
