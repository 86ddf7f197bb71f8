// TViewStyle: the text view's simple settings as one value, and TStyleWork: what a change from
// one value to another asks of the view. The view's setters build the new value and hand it
// to one place that applies the work, so no setter decides by itself what to repaint.
#pragma once

#include <cstdint>

#include "common/Color.h"
#include "textview/TextViewTypes.h"

namespace mirevo {

struct TViewStyle {
    TColor fontColor = clWindowText;
    TColor activeLineColor = clNone;
    TColor rightEdgeColor = clSilver;
    std::int32_t rightEdge = 80;
    std::int32_t tabWidth = 8;  // kept between 1 and 256 by the view
    bool hideSelection = false;
    bool insertMode = true;
    bool readOnly = false;
    TCaretType insertCaret = TCaretType::ctVerticalLine;
    TCaretType overwriteCaret = TCaretType::ctBlock;
    TViewBorderStyle borderStyle = TViewBorderStyle::bsSingle;
    TScrollStyle scrollBars = TScrollStyle::ssBoth;
    // Read when they are needed; a change asks for no work.
    TColor scrollHintColor = clInfoBk;
    TScrollHintFormat scrollHintFormat = TScrollHintFormat::shfTopLineOnly;
    bool wantReturns = true;
    bool wantTabs = false;

    friend bool operator==(const TViewStyle&, const TViewStyle&) = default;
};

// The work, in the order the view does it.
struct TStyleWork {
    bool tabWidth = false;    // expand tabs anew and lay the rows out again
    bool caret = false;       // make the caret again in its shape
    bool scrollBars = false;  // update the scroll bars
    bool frame = false;       // the window's frame changes
    bool repaintAll = false;  // repaint the whole view...
    bool activeLine = false;  // ...or only the caret's line
    bool selection = false;   // ...or only the selection
    TStatusChanges status;    // then tell the status listeners

    friend bool operator==(const TStyleWork&, const TStyleWork&) = default;
};

inline TStyleWork WorkFor(const TViewStyle& old, const TViewStyle& now) {
    TStyleWork work;
    work.tabWidth = old.tabWidth != now.tabWidth;
    work.caret = old.insertCaret != now.insertCaret || old.overwriteCaret != now.overwriteCaret ||
                 old.insertMode != now.insertMode;
    work.scrollBars = old.scrollBars != now.scrollBars;
    work.frame = old.borderStyle != now.borderStyle;
    work.repaintAll = work.tabWidth || work.scrollBars || old.fontColor != now.fontColor ||
                      old.rightEdge != now.rightEdge || old.rightEdgeColor != now.rightEdgeColor;
    work.activeLine = !work.repaintAll && old.activeLineColor != now.activeLineColor;
    work.selection = !work.repaintAll && old.hideSelection != now.hideSelection;
    if (old.insertMode != now.insertMode) work.status.Include(TStatusChange::scInsertMode);
    if (old.readOnly != now.readOnly) work.status.Include(TStatusChange::scReadOnly);
    return work;
}

}  // namespace mirevo
