// The page-switching keys: from anywhere in the form, with wrap-around, the focus moving to
// the new page's first field.
#include <gtest/gtest.h>

#include "tests/fakes/FakeUi.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/PageControl.h"

namespace mirevo::testing_support {
namespace {

TEST(PageKeys, SwitchPagesWithWrapAroundAndFocusTheFirstField) {
    FakeHost host;
    FakeDialogs dialogs;
    TApplication application(host, dialogs);
    TForm form(application, "Form");
    TPageControl pages(&form, "Pages");
    TTabSheet one(pages, "One", "1");
    TTabSheet two(pages, "Two", "2");
    TTabSheet three(pages, "Three", "3");
    TEdit first(&one, "First");
    TEdit second(&two, "Second");
    TEdit third(&three, "Third");
    int changes = 0;
    pages.OnChange = [&](TObject*) { ++changes; };
    pages.SetActivePageIndex(0);

    const struct {
        TShortCut key;
        std::int32_t page;  // -2: the key is not a page key
    } steps[] = {
        {kShortCutCtrl | kKeyTab, 1},
        {kShortCutCtrl | kKeyNext, 2},
        {kShortCutCtrl | kKeyTab, 0},  // wraps
        {kShortCutCtrl | kShortCutShift | kKeyTab, 2},
        {kShortCutCtrl | kKeyPrior, 1},
        {kKeyTab, -2},
        {kShortCutShift | kKeyTab, -2},
        {kShortCutCtrl | kShortCutAlt | kKeyTab, -2},
        {kShortCutCtrl | kKeyReturn, -2},
    };
    const TEdit* fields[] = {&first, &second, &third};
    int expectedChanges = 0;
    for (const auto& step : steps) {
        const std::int32_t before = pages.ActivePageIndex();
        const bool handled = form.SwitchPageByKey(step.key);
        EXPECT_EQ(handled, step.page != -2) << step.key;
        if (!handled) {
            EXPECT_EQ(pages.ActivePageIndex(), before);
            continue;
        }
        ++expectedChanges;
        EXPECT_EQ(pages.ActivePageIndex(), step.page);
        EXPECT_EQ(form.ActiveControl(), fields[step.page]);
    }
    EXPECT_EQ(changes, expectedChanges);

    pages.SetActivePageIndex(-1);  // a stored page outside the tabs
    EXPECT_TRUE(form.SwitchPageByKey(kShortCutCtrl | kKeyPrior));
    EXPECT_EQ(pages.ActivePageIndex(), 2);
}

}  // namespace
}  // namespace mirevo::testing_support
