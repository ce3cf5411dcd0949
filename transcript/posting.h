#pragma once
// The send button: appends a chat entry to the transcript.

namespace chatmock {

void OnSendClicked();

}  // namespace chatmock
