#pragma once
// Click-to-edit captions: the title nickname and the signature line.

namespace chatmock {

void OpenNicknameEditor();
void OpenSignatureEditor();
void CloseNicknameEditor();
void CloseSignatureEditor();

}  // namespace chatmock
