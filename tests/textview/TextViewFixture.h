// A text view over recording fakes: 400 x 300 client pixels, cells 6 x 13 pixels.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ResultViewDesign.h"
#include "platform/portable/CharTypes.h"
#include "tests/fakes/FakeWindowServices.h"
#include "tests/fakes/RecordingSurface.h"
#include "textview/FontsInfoManager.h"
#include "textview/TextView.h"

namespace mirevo::testing_support {

class TextViewFixture : public testing::Test {
protected:
    TextViewFixture() {
        resources_.AddBitmapResource("TextViewWrapped", {15, 14});
        resources_.AddBitmapResource("TextViewInternalImages", {110, 14});
        view_ = std::make_unique<TTextView>(nullptr, "TextView1", manager_, charTypes_);
        view_->SetFont(MakeLogFont("ＭＳ ゴシック", -13, kShiftJisCharset));
        view_->AttachWindow(&window_);
    }
    ~TextViewFixture() override {
        view_.reset();
        EXPECT_EQ(resources_.LiveBitmaps(), 0u);
    }

    // The settings of the program's result view.
    void UseResultViewSettings() { ApplyResultViewDesign(*view_); }

    // Paints the clip and returns the surface that recorded it.
    RecordingSurface& PaintClip(TRect clip = {0, 0, 400, 300}) {
        surface_ = std::make_unique<RecordingSurface>(resources_, clip);
        view_->Paint(*surface_);
        return *surface_;
    }

    RecordingResources resources_;
    TFontsInfoManager manager_{resources_};
    PortableCharTypes charTypes_;
    FakeWindowServices window_{{400, 300}};
    std::unique_ptr<TTextView> view_;
    std::unique_ptr<RecordingSurface> surface_;
};

}  // namespace mirevo::testing_support
