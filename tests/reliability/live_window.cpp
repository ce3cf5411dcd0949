#include "tests/reliability/live_window.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

#include <stdexcept>

#include "app/shell.h"
#include "app/values.h"
#include "pictures/lookup.h"
#include "pictures/picture_box.h"

namespace chatmock::reliability {
namespace {

constexpr int kActivationTimeoutMs = 5000;
constexpr PropertyIndex kEditText = 8;     // edit box
constexpr PropertyIndex kContext = 9;      // rich edit box
constexpr PropertyIndex kPicture = 10;     // picture box

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
  ClickAndType(controls::编辑框2, marker);
  EXPECT_EQ(ReadText(controls::编辑框2, kEditText), marker);

  ClickAndType(controls::超级编辑框2, marker);
  QTest::mouseClick(&WidgetOf(controls::单选框1), Qt::LeftButton);
  QTest::mouseClick(&WidgetOf(controls::图形按钮1), Qt::LeftButton);
  EXPECT_NE(TranscriptText().find(marker + "  "), std::string::npos) << "no header naming " << marker;
  EXPECT_NE(TranscriptText().find(marker + "\r\n"), std::string::npos) << "no body " << marker;
}

void LiveWindowTest::ClickAndType(ControlRef ref, const std::string& text) {
  QWidget& target = WidgetOf(ref);
  QTest::mouseClick(&target, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  ASSERT_EQ(QApplication::focusWidget(), &target) << "a click did not give the box the focus";
  QInputMethodEvent typed;
  typed.setCommitString(QString::fromUtf8(text.c_str()));
  QApplication::sendEvent(&target, &typed);
}

void LiveWindowTest::ProcessPendingEvents() {
  // Work posted while posted events are handled runs in the second pass.
  for (int pass = 0; pass < 2; ++pass) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

}  // namespace chatmock::reliability
