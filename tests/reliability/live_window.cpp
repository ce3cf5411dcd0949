#include "tests/reliability/live_window.h"

#include <QApplication>
#include <QTest>

#include "app/shell.h"
#include "app/values.h"
#include "pictures/lookup.h"
#include "pictures/picture_box.h"
#include "transcript/posting.h"

namespace chatmock::reliability {
namespace {

constexpr int kActivationTimeoutMs = 5000;
constexpr PropertyIndex kEditText = 8;     // edit box
constexpr PropertyIndex kContext = 9;      // rich edit box
constexpr PropertyIndex kPicture = 10;     // picture box
constexpr PropertyIndex kChecked = 18;     // radio box

}  // namespace

void LiveWindowTest::SetUp() {
  InitRuntime();
  LoadWindow(kMainWindowId);
  window_ = FindLoadedWindow(kMainWindowId);
  ASSERT_NE(window_, nullptr);
  window_->activateWindow();
  QApplication::setActiveWindow(window_);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_, kActivationTimeoutMs));
}

void LiveWindowTest::TearDown() {
  FinishRun(0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget& LiveWindowTest::WidgetOf(ControlRef ref) {
  LiveControl* live = window_ ? window_->FindControl(ref.control) : nullptr;
  if (live == nullptr || !live->IsLive()) throw std::logic_error("the control is not live");
  return *live->widget;
}

PictureBox& LiveWindowTest::Box(ControlRef ref) { return dynamic_cast<PictureBox&>(WidgetOf(ref)); }

std::string LiveWindowTest::ReadText(ControlRef ref, PropertyIndex index) {
  TextValue text = ReadProperty(ref, index, kWholeValue).TakeText();
  return std::string(text.View());
}

void LiveWindowTest::WriteText(ControlRef ref, PropertyIndex index, const std::string& bytes) {
  TextValue text = TextValue::Copy(bytes);
  WriteProperty(ref, index, kWholeValue, text);
}

std::string LiveWindowTest::TranscriptText() { return ReadText(controls::超级编辑框1, kContext); }

void LiveWindowTest::FillFetchedBoxes(std::span<const std::uint8_t> picture) {
  ByteValue bytes = ByteValue::Copy(picture);
  for (ControlRef box : kFetchedBoxes) WriteProperty(box, kPicture, kWholeValue, bytes);
}

void LiveWindowTest::SetNumbers(const std::string& peer, const std::string& own) {
  WriteText(controls::编辑框4, kEditText, peer);
  WriteText(controls::编辑框5, kEditText, own);
}

std::chrono::duration<double> LiveWindowTest::TimedFetch() {
  const auto start = std::chrono::steady_clock::now();
  OnFetchPicturesClicked();
  return std::chrono::steady_clock::now() - start;
}

void LiveWindowTest::ExpectWindowAnswersInput(const std::string& marker) {
  ProcessPendingEvents();
  WriteText(controls::编辑框2, kEditText, "");
  FocusControl(controls::编辑框2);
  ASSERT_EQ(QApplication::focusWidget(), &WidgetOf(controls::编辑框2));
  QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(marker.c_str()));
  EXPECT_EQ(ReadText(controls::编辑框2, kEditText), marker);

  FocusControl(controls::超级编辑框2);
  QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(marker.c_str()));
  WriteProperty(controls::单选框1, kChecked, kWholeValue, 1);
  OnSendClicked();
  EXPECT_NE(TranscriptText().find(marker + "  "), std::string::npos) << "no header naming " << marker;
  EXPECT_NE(TranscriptText().find(marker + "\r\n"), std::string::npos) << "no body " << marker;
}

void LiveWindowTest::ProcessPendingEvents() {
  // Work posted while posted events are handled runs in the second pass.
  for (int pass = 0; pass < 2; ++pass) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

}  // namespace chatmock::reliability
