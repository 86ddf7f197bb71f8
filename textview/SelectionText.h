// The text between two buffer positions read as a stream, as whole lines or as a block of
// columns: what SelectedText returns and what the clipboard receives.
#pragma once

#include <string>

#include "textview/Coordinates.h"
#include "textview/LineStore.h"
#include "textview/UndoSelectionMode.h"

namespace mirevo {

enum class TColumnPadding : bool { Trim = false, Pad = true };

// first must not come after last. Lines are joined by CR LF.
//   smNormal: from first up to (not including) last.
//   smLine:   lines first..last in full, each followed by CR LF unless it is the store's last.
//   smColumn: per line the bytes in [smaller index, larger index); half of a double-byte
//             character cut by an edge becomes a blank, so the block keeps its columns; each
//             piece padded with blanks to the block's width with TColumnPadding::Pad.
std::string TextBetween(const TLineStore& lines, TBufferCoord first, TBufferCoord last,
                        TSelectionMode mode, TColumnPadding padding = TColumnPadding::Pad);

}  // namespace mirevo
