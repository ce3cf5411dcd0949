#include "app/caret_rest.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

namespace chatmock {
namespace {

TEST(CaretRestTest, StopsBlinkingAfterThePauseAndBlinksAgainOnInput) {
  QStyleHints& hints = *QGuiApplication::styleHints();
  const int blinking = hints.cursorFlashTime();
  ASSERT_GT(blinking, 0);
  {
    CaretRest rest(30);
    EXPECT_TRUE(QTest::qWaitFor([&] { return rest.Resting(); }, 2000));
    EXPECT_EQ(hints.cursorFlashTime(), 0);

    rest.NoteInput();
    EXPECT_FALSE(rest.Resting());
    EXPECT_EQ(hints.cursorFlashTime(), blinking);
    EXPECT_TRUE(QTest::qWaitFor([&] { return rest.Resting(); }, 2000));
  }
  // Going away puts the platform's blinking back.
  EXPECT_EQ(hints.cursorFlashTime(), blinking);
}

}  // namespace
}  // namespace chatmock
