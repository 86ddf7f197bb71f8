// Long random sequences of store changes with the word wrap attached: after every step the
// layout must keep its invariants and equal a layout made from scratch.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/textview/WordWrapInvariants.h"
#include "tests/textview/WordWrapTestHost.h"

namespace mirevo {
namespace {

using testing_support::CheckSameAsFresh;
using testing_support::CheckWrapInvariants;
using testing_support::WrapTestHost;

class WrapModelRun {
public:
    explicit WrapModelRun(unsigned seed) : rng_(seed), host_(10) { host_.AttachWrap(); }

    void Step() {
        const std::string what = ApplyRandomChange();
        TLineStore& lines = host_.Lines();
        ASSERT_EQ(CheckWrapInvariants(host_.Wrap(), lines), "") << "after " << what;
        TWordWrapPlugin fresh(&host_);
        ASSERT_EQ(CheckSameAsFresh(host_.Wrap(), fresh), "") << "after " << what;
        CheckRoundTrip();
    }

private:
    std::int32_t Pick(std::int32_t from, std::int32_t to) {
        return std::uniform_int_distribution<std::int32_t>(from, to)(rng_);
    }
    // Words, blanks and double-byte characters; now and then long enough for the 255 cap.
    std::string RandomLine() {
        static const char* const kPieces[] = {"a", "bc", " ", "\t", "あ", "日本", "x.", "  "};
        std::string text;
        const std::int32_t pieces = Pick(0, 6) == 0 ? Pick(100, 300) : Pick(0, 20);
        for (std::int32_t i = 0; i < pieces; ++i) text += kPieces[Pick(0, 7)];
        return text;
    }

    std::string ApplyRandomChange() {
        TLineStore& lines = host_.Lines();
        const std::int32_t n = lines.Count();
        switch (Pick(0, 10)) {
            case 0:
                lines.Add(RandomLine());
                return "Add";
            case 1:
                lines.Insert(Pick(0, n), RandomLine());
                return "Insert";
            case 2:
                if (n > 0) lines.Put(Pick(0, n - 1), RandomLine());
                return "Put";
            case 3:
                if (n > 0) lines.DeleteLines(Pick(0, n - 1), Pick(1, 4));
                return "DeleteLines";
            case 4:
                lines.InsertLines(Pick(0, n), Pick(1, 3));
                return "InsertLines";
            case 5:
                if (n > 0) lines.Exchange(Pick(0, n - 1), Pick(0, n - 1));
                return "Exchange";
            case 6: {
                std::vector<std::string> more(static_cast<std::size_t>(Pick(1, 3)));
                for (auto& line : more) line = RandomLine();
                lines.AddStrings(more);
                return "AddStrings";
            }
            case 7:
                if (Pick(0, 4) == 0) lines.SetText(RandomLine() + "\r\n" + RandomLine());
                return "SetText";
            case 8: {
                static const std::int32_t kWidths[] = {0, 1, 2, 3, 7, 10, 40, 80, 300};
                host_.SetVisibleColumns(kWidths[Pick(0, 8)]);
                return "VisibleColumns " + std::to_string(host_.VisibleColumns());
            }
            case 9:
                host_.SetTabWidth(Pick(1, 9));
                return "TabWidth";
            default:
                if (n > 0) lines.Delete(Pick(0, n - 1));
                return "Delete";
        }
    }

    // A position inside a line maps to the display and back, unless the last row is wider
    // than the view (a trailing blank run) and the position lies past the view's edge.
    void CheckRoundTrip() {
        TWordWrapPlugin& wrap = host_.Wrap();
        TLineStore& lines = host_.Lines();
        if (lines.Count() == 0) return;
        const std::int32_t line = Pick(1, lines.Count());
        const std::int32_t column = Pick(1, lines.ExpandedLineLength(line - 1) + 1);
        const TDisplayCoord shown = wrap.BufferToDisplayPos({column, line});
        if (wrap.MaxRowLength() > 0 && shown.Column > wrap.MaxRowLength() + 1) return;
        ASSERT_EQ(wrap.DisplayToBufferPos(shown), (TBufferCoord{column, line}))
            << "row " << shown.Row << " column " << shown.Column;
    }

    std::mt19937 rng_;
    WrapTestHost host_;
};

TEST(WordWrapModel, IncrementalLayoutEqualsAFreshOne) {
    for (const unsigned seed : {11u, 12u, 13u}) {
        SCOPED_TRACE(seed);
        WrapModelRun run(seed);
        for (int step = 0; step < 1500; ++step) {
            run.Step();
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

}  // namespace
}  // namespace mirevo
