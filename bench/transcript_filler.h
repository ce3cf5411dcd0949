#pragma once
// Puts a given number of chat entries into the real window's transcript.

#include "transcript/rich_edit.h"

namespace chatmock::bench {

// The first entries come from real send clicks; the rest are copies of
// those (formats included), doubled until there are `entries`, since
// clicking ten thousand times would spend the run on the set-up. Returns
// false when the transcript does not hold exactly two paragraphs an entry.
bool FillTranscript(RichEdit& transcript, int entries);

// Removes everything after `position`: the entry a timed click added.
void TruncateTranscript(RichEdit& transcript, int position);

// Where the next entry will start.
int TranscriptEnd(const RichEdit& transcript);

// Raises the send button's click as the window does.
void ClickSend();

}  // namespace chatmock::bench
