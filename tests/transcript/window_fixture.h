#pragma once
// Loads MainWindow from its definition for each test and destroys it after.

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>

#include "app/control_ref.h"
#include "app/main_window.h"
#include "app/properties.h"
#include "app/shell.h"
#include "transcript/rich_edit.h"

namespace chatmock::testing_support {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitRuntime();
    LoadWindow(kMainWindowId);
    window_ = FindLoadedWindow(kMainWindowId);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    delete window_;
    QApplication::processEvents();
  }

  template <class Kind>
  Kind& Widget(ControlRef ref) {
    return *static_cast<Kind*>(window_->FindControl(ref.control)->widget.data());
  }
  RichEdit& Transcript() { return Widget<RichEdit>(controls::超级编辑框1); }

  std::string ReadText(ControlRef ref, PropertyIndex index) {
    TextValue text = ReadProperty(ref, index, kWholeValue).TakeText();
    return std::string(text.View());
  }
  void WriteText(ControlRef ref, PropertyIndex index, const std::string& bytes) {
    TextValue text = TextValue::Copy(bytes);
    WriteProperty(ref, index, kWholeValue, text);
  }

  MainWindow* window_ = nullptr;
};

// The character format at a document position (of the character after it).
inline QTextCharFormat FormatAt(QTextDocument& document, int position) {
  QTextCursor cursor(&document);
  cursor.setPosition(position + 1);
  return cursor.charFormat();
}

}  // namespace chatmock::testing_support
