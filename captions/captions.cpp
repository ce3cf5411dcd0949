#include "captions/captions.h"

#include "app/properties.h"

namespace chatmock {
namespace {

constexpr PropertyIndex kText = 8;     // edit box text
constexpr PropertyIndex kCaption = 8;  // transparent label caption

struct EditableCaption {
  ControlRef caption;
  ControlRef editor;
};

constexpr EditableCaption kNickname{controls::透明标签6, controls::编辑框6};
constexpr EditableCaption kSignature{controls::透明标签1, controls::编辑框1};

// Shows the editor with the text it already holds and gives it the focus.
// If the other editor held the focus, its close runs inside FocusControl.
void OpenEditor(const EditableCaption& target) {
  WriteProperty(target.editor, common::kVisible, kWholeValue, 1);
  FocusControl(target.editor);
}

// The editor's text becomes the caption before the editor hides; the editor
// keeps its text for the next edit.
void CloseEditor(const EditableCaption& target) {
  TextValue text = ReadProperty(target.editor, kText, kWholeValue).TakeText();
  WriteProperty(target.caption, kCaption, kWholeValue, text);
  ReleaseValue(text);
  WriteProperty(target.editor, common::kVisible, kWholeValue, 0);
}

}  // namespace

void OpenNicknameEditor() { OpenEditor(kNickname); }
void OpenSignatureEditor() { OpenEditor(kSignature); }
void CloseNicknameEditor() { CloseEditor(kNickname); }
void CloseSignatureEditor() { CloseEditor(kSignature); }

}  // namespace chatmock
