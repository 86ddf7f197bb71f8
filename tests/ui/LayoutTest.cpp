// Anchored children follow their parent's size exactly once for each change, also when a
// native window reports the change back while it is being made.
#include <gtest/gtest.h>

#include "tests/fakes/FakeUi.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/StdControls.h"

namespace mirevo::testing_support {
namespace {

// Mirrors a top-level window: moving it makes the window report its new outer bounds and
// client size at once, from inside the move, as WM_SIZE does.
class EchoingFormPeer final : public IControlPeer {
public:
    EchoingFormPeer(TForm& form, TSize frame) : form_(form), frame_(frame) {}
    void StateChanged(TControlState what) override {
        if (what != TControlState::Bounds) return;
        const TBounds outer = form_.Bounds();
        form_.NativeBoundsChanged(outer,
                                  {outer.Width - frame_.Width, outer.Height - frame_.Height});
    }
    void SetFocus() override {}
    bool Focused() const override { return false; }
    std::uintptr_t Handle() const override { return 1; }

private:
    TForm& form_;
    TSize frame_;
};

struct LayoutCase {
    TBounds set;  // the form's new outer bounds
    bool native;  // through an echoing window, or headless with the client size set
};

class AnchoredLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(AnchoredLayout, ChildrenKeepTheirDistancesToTheirAnchoredEdges) {
    const LayoutCase c = GetParam();
    FakeHost host;
    FakeDialogs dialogs;
    TApplication application(host, dialogs);
    TForm form(application, "Form");
    constexpr TSize kFrame{8, 27};
    form.SetBounds({192, 111, 416, 360});
    form.SetClientSize({408, 333});
    TButton stretched(&form, "Stretched");
    stretched.SetBounds({12, 214, 383, 72});
    stretched.SetAnchors(kAllAnchors);
    TButton corner(&form, "Corner");
    corner.SetBounds({300, 295, 95, 25});
    corner.SetAnchors(akRight | akBottom);
    TButton fixed(&form, "Fixed");
    fixed.SetBounds({12, 20, 50, 20});
    if (c.native) form.AttachPeer(std::make_unique<EchoingFormPeer>(form, kFrame));

    form.SetBounds(c.set);
    if (!c.native) form.SetClientSize({c.set.Width - kFrame.Width, c.set.Height - kFrame.Height});

    const TSize client = form.ClientSize();
    EXPECT_EQ(client.Width - stretched.Bounds().Right(), 408 - 395);
    EXPECT_EQ(client.Height - stretched.Bounds().Bottom(), 333 - 286);
    EXPECT_EQ(stretched.Bounds().Left, 12);
    EXPECT_EQ(client.Width - corner.Bounds().Right(), 408 - 395);
    EXPECT_EQ(client.Height - corner.Bounds().Bottom(), 333 - 320);
    EXPECT_EQ(corner.Bounds().Width, 95);
    EXPECT_EQ(fixed.Bounds(), (TBounds{12, 20, 50, 20}));
    form.DetachPeer();
}

INSTANTIATE_TEST_SUITE_P(Widths, AnchoredLayout,
                         ::testing::Values(LayoutCase{{192, 111, 600, 360}, true},
                                           LayoutCase{{192, 111, 355, 360}, true},
                                           LayoutCase{{0, 0, 1000, 700}, true},
                                           LayoutCase{{-5, 40, 416, 360}, true},
                                           LayoutCase{{192, 111, 600, 500}, false},
                                           LayoutCase{{192, 111, 355, 360}, false}));

}  // namespace
}  // namespace mirevo::testing_support
