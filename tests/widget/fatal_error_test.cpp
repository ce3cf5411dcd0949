// Broken preconditions end the process with status 255 after saying what
// failed, and the exit routine never runs on that path.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "app/definition.h"
#include "app/properties.h"
#include "app/shell.h"
#include "app/values.h"
#include "tests/widget/window_fixture.h"

namespace chatmock::testing_support {
namespace {

constexpr int kExitRoutineStatus = 3;
constexpr ControlRef kNoSuchControl{kMainWindowId, 0x16019999};
constexpr ControlRef kWindowNotLoaded{0x52010099, controls::编辑框2.control};

// Were the exit routine called, the status would say so instead of 255.
void ExitRoutineThatMustNotRun() {
  std::fputs("the exit routine ran\n", stderr);
  std::_Exit(kExitRoutineStatus);
}

struct FatalCase {
  const char* label;
  void (*breach)();
  const char* message;  // a regular expression
  friend void PrintTo(const FatalCase& c, std::ostream* os) { *os << c.label; }
};

class FatalErrorTest : public WindowTest, public testing::WithParamInterface<FatalCase> {};

TEST_P(FatalErrorTest, SaysWhatFailedAndEndsWith255) {
  // Set in the child only: the parent's own run ends normally.
  EXPECT_EXIT(
      {
        SetExitRoutine(&ExitRoutineThatMustNotRun);
        GetParam().breach();
      },
      testing::ExitedWithCode(kFatalExitCode), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Breaches, FatalErrorTest,
    testing::Values(
        FatalCase{"property_the_kind_lacks", [] { ReadProperty(controls::编辑框2, 9, kWholeValue); },
                  "the control kind 编辑框 has no property 9 that can be accessed"},
        FatalCase{"property_past_the_list", [] { ReadProperty(controls::单选框1, 19, kWholeValue); },
                  "the control kind 单选框 has no property 19 that can be accessed"},
        FatalCase{"huge_property_written", [] { WriteProperty(controls::图片框3, INT32_MAX, kWholeValue, 0); },
                  "the control kind 图片框 has no property 2147483647 that can be accessed"},
        FatalCase{"negative_property", [] { ReadProperty(controls::编辑框2, -1, kWholeValue); },
                  "there is no property -1"},
        FatalCase{"control_that_does_not_exist", [] { ReadProperty(kNoSuchControl, 8, kWholeValue); },
                  "the window 0x52010001 has no control 0x16019999"},
        FatalCase{"common_property_of_no_control", [] { WriteProperty(kNoSuchControl, 0, kWholeValue, 1); },
                  "the window 0x52010001 has no control 0x16019999"},
        FatalCase{"window_not_loaded", [] { ReadProperty(kWindowNotLoaded, 0, kWholeValue); },
                  "the window of the control is not loaded \\(window 0x52010099\\)"},
        FatalCase{"focus_on_no_control", [] { FocusControl(kNoSuchControl); },
                  "the window or control does not exist or is not loaded \\(0x52010001, 0x16019999\\)"},
        FatalCase{"load_of_an_unknown_window", [] { LoadWindow(0x52010099); },
                  "the window 0x52010099 is not in the definition"},
        FatalCase{"text_given_for_a_number", [] { WriteProperty(controls::编辑框2, common::kLeft, kWholeValue, "1"); },
                  "the value given for left of 编辑框2 is of another kind"},
        FatalCase{"number_given_for_a_text", [] { WriteProperty(controls::编辑框2, 8, kWholeValue, 1); },
                  "the value given for text of 编辑框2 is of another kind"},
        FatalCase{"number_read_as_text", [] { ReadProperty(controls::编辑框2, 0, kWholeValue).TakeText(); },
                  "a value that is not a text was read as one"},
        FatalCase{"text_read_as_number", [] { ReadProperty(controls::编辑框2, 4, kWholeValue).Number(); },
                  "a text or byte value was read as a number"},
        FatalCase{"allocation_failure", [] { ReportAllocationFailure(123456789); },
                  "could not allocate 123456789 bytes"}),
    [](const testing::TestParamInfo<FatalCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace chatmock::testing_support
