#include "transcript/posting.h"

#include "app/control_ref.h"
#include "app/properties.h"
#include "app/values.h"
#include "transcript/char_format.h"
#include "transcript/clock.h"

namespace chatmock {
namespace {

using namespace controls;

constexpr PropertyIndex kContext = 9;     // rich edit box
constexpr PropertyIndex kSelStart = 17;   // rich edit box
constexpr PropertyIndex kSelText = 19;    // rich edit box
constexpr PropertyIndex kChecked = 18;    // radio box
constexpr PropertyIndex kTextColor = 16;  // label
constexpr PropertyIndex kText = 8;        // edit box

constexpr std::uint32_t kPeerHeaderColor = 0x00FF0000;  // blue
constexpr std::uint32_t kBodyColor = 0x00000000;        // an explicit black
constexpr std::int32_t kMessagePoints = 9;

}  // namespace

// Appends one chat entry to the transcript: a header line with the
// speaker's nickname and the time, coloured by speaker, then the typed
// message in black. The steps and their order are the handler's contract.
void OnSendClicked() {
  CharFormat body = NewCharFormat();
  CharFormat header = NewCharFormat();

  // The caret goes to the end: the byte length is never less than the end position.
  TextValue transcript = ReadProperty(超级编辑框1, kContext, kWholeValue).TakeText();
  const std::int32_t length = TextLength(transcript);
  ReleaseValue(transcript);
  WriteProperty(超级编辑框1, kSelStart, kWholeValue, length);

  body.FontSize = kMessagePoints;
  header.FontSize = kMessagePoints;

  ControlRef nicknameBox = 编辑框3;
  if (ReadProperty(单选框1, kChecked, kWholeValue).Number() == 1) {
    header.Color = kPeerHeaderColor;
    nicknameBox = 编辑框2;
  } else {
    header.Color = static_cast<std::uint32_t>(ReadProperty(标签1, kTextColor, kWholeValue).Number());
  }
  SetSelCharFormat(超级编辑框1, header);

  // Three readings of the clock, one per number.
  TextValue hour = IntToText(ReadLocalClock().hour);
  TextValue minute = IntToText(ReadLocalClock().minute);
  TextValue second = IntToText(ReadLocalClock().second);
  TextValue nickname = ReadProperty(nicknameBox, kText, kWholeValue).TakeText();
  TextValue headerLine = JoinTexts({nickname, "  ", hour, ":", minute, ":", second, ":\r\n"});
  ReleaseValue(nickname);
  ReleaseValue(hour);
  ReleaseValue(minute);
  ReleaseValue(second);
  WriteProperty(超级编辑框1, kSelText, kWholeValue, headerLine);
  ReleaseValue(headerLine);

  body.Color = kBodyColor;
  SetSelCharFormat(超级编辑框1, body);
  TextValue message = ReadProperty(超级编辑框2, kContext, kWholeValue).TakeText();
  TextValue bodyText = JoinTexts({message, "\r\n"});
  ReleaseValue(message);
  WriteProperty(超级编辑框1, kSelText, kWholeValue, bodyText);
  ReleaseValue(bodyText);
  ReleaseValue(body);
  ReleaseValue(header);
}

}  // namespace chatmock
