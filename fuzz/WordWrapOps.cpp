// Random changes to a line store with the word wrap attached, read from the input: the
// layout must keep its invariants after every change and equal a fresh layout.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/textview/WordWrapInvariants.h"
#include "tests/textview/WordWrapTestHost.h"

namespace {

using mirevo::TWordWrapPlugin;
using mirevo::testing_support::WrapTestHost;

// Hands out the input's bytes; zeros once it runs dry.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool More() const { return pos_ < size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::int32_t Below(std::int32_t n) { return n <= 0 ? 0 : Byte() % n; }
    std::string Text() {
        std::string text(static_cast<std::size_t>(Byte() % 64), ' ');
        for (char& c : text) c = static_cast<char>(Byte());
        if (Byte() % 8 == 0) text.append(static_cast<std::size_t>(Byte()) * 2, ' ');
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void Apply(Input& in, WrapTestHost& host) {
    mirevo::TLineStore& lines = host.Lines();
    const std::int32_t n = lines.Count();
    switch (in.Byte() % 10) {
        case 0:
            lines.Add(in.Text());
            break;
        case 1:
            lines.Insert(in.Below(n + 1), in.Text());
            break;
        case 2:
            if (n > 0) lines.Put(in.Below(n), in.Text());
            break;
        case 3:
            if (n > 0) lines.DeleteLines(in.Below(n), 1 + in.Below(4));
            break;
        case 4:
            lines.InsertLines(in.Below(n + 1), 1 + in.Below(3));
            break;
        case 5:
            if (n > 0) lines.Exchange(in.Below(n), in.Below(n));
            break;
        case 6:
            lines.SetText(in.Text());
            break;
        case 7:
            host.SetVisibleColumns(in.Byte() % 8 == 0 ? 300 : in.Below(12));
            break;
        case 8:
            host.SetTabWidth(1 + in.Below(9));
            break;
        default:
            lines.Clear();
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    WrapTestHost host(1 + in.Below(20));
    TWordWrapPlugin& wrap = host.AttachWrap();
    while (in.More()) {
        Apply(in, host);
        if (!mirevo::testing_support::CheckWrapInvariants(wrap, host.Lines()).empty()) std::abort();
    }
    TWordWrapPlugin fresh(&host);
    if (!mirevo::testing_support::CheckSameAsFresh(wrap, fresh).empty()) std::abort();
    return 0;
}
