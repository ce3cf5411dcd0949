#pragma once
// The program's window loaded as the program loads it, active, for checks
// that drive its handlers many times or against bad servers, and the
// questions those checks ask of it afterwards.

#include <gtest/gtest.h>

#include <QPointer>

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "app/control_ref.h"
#include "app/main_window.h"
#include "app/properties.h"

class QWidget;

namespace chatmock {
class PictureBox;
}

namespace chatmock::reliability {

// The three boxes the fetch button fills, in the order it fills them.
inline constexpr ControlRef kFetchedBoxes[] = {controls::图片框2, controls::图片框3, controls::图片框4};

class LiveWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  QWidget& WidgetOf(ControlRef ref);
  PictureBox& Box(ControlRef ref);

  std::string ReadText(ControlRef ref, PropertyIndex index);
  void WriteText(ControlRef ref, PropertyIndex index, const std::string& bytes);
  // The transcript's text as the handlers read it (GB18030, "\r\n" line ends).
  std::string TranscriptText();

  // Puts a picture into each fetched box, so a check can see a fetch clear it.
  void FillFetchedBoxes(std::span<const std::uint8_t> picture);
  void SetNumbers(const std::string& peer, const std::string& own);
  // Runs the fetch button's handler once; returns how long it held the window.
  std::chrono::duration<double> TimedFetch();

  // A click gives a nickname box the focus and typed text arrives there; a
  // click on the send button posts what was typed into the typing area: the
  // window still works. The text comes as an input method's commit, which
  // passes no key event through the program's input pre-processing.
  void ExpectWindowAnswersInput(const std::string& marker);
  // Clicks the control near its top-left corner and commits text to it.
  void ClickAndType(ControlRef ref, const std::string& text);

  // Runs posted events and due timers, as the event loop would between inputs.
  static void ProcessPendingEvents();

 private:
  QPointer<MainWindow> window_;
};

}  // namespace chatmock::reliability
