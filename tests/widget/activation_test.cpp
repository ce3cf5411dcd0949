// Where the focus goes when the window becomes active again.

#include <gtest/gtest.h>

#include "app/definition.h"
#include "app/properties.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

using ActivationTest = WindowTest;

TEST_F(ActivationTest, FocusReturnsToTheVisibleControlThatHadIt) {
  FocusControl(controls::编辑框3);
  DeactivateWindow();
  ActivateWindow();
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::编辑框3));
}

// The signature editor closes itself when it loses the focus, which is what
// deactivating the window does to it.
TEST_F(ActivationTest, ClosedCaptionEditorGivesTheFocusToTheFirstTabStop) {
  WriteProperty(controls::编辑框1, common::kVisible, kWholeValue, 1);
  FocusControl(controls::编辑框1);
  ASSERT_EQ(FocusWidget(), &WidgetOf(controls::编辑框1));
  DeactivateWindow();
  ASSERT_TRUE(WidgetOf(controls::编辑框1).isHidden());
  ActivateWindow();
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::超级编辑框1));
}

TEST_F(ActivationTest, ControlHiddenWhileInactiveGivesTheFocusToTheFirstTabStop) {
  FocusControl(controls::编辑框4);
  DeactivateWindow();
  WriteProperty(controls::编辑框4, common::kVisible, kWholeValue, 0);
  ActivateWindow();
  EXPECT_EQ(FocusWidget(), &WidgetOf(controls::超级编辑框1));
}

TEST_F(ActivationTest, ActivationRaisesActivatedAndDeactivationDeactivated) {
  log_.Watch(kWindowItself, events::kActivated);
  log_.Watch(kWindowItself, events::kDeactivated);
  log_.Watch(kWindowItself, events::kFirstActivation);
  DeactivateWindow();
  ActivateWindow();
  EXPECT_EQ(log_.Events(), (std::vector<RaisedEvent>{{kWindowItself, events::kDeactivated},
                                                      {kWindowItself, events::kActivated}}))
      << "the first activation was at load, not now";
}

}  // namespace
}  // namespace chatmock::testing_support
