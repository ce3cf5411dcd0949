#include <QTextBlock>

#include "transcript/char_format.h"
#include "window_fixture.h"

namespace chatmock {
namespace {

using testing_support::FormatAt;
using testing_support::WindowTest;

constexpr PropertyIndex kContext = 9, kSelStart = 17, kSelLength = 18, kSelText = 19;
const ControlRef kBox = controls::超级编辑框1;

// 中文 CR LF ab: 4 + 2 + 2 bytes in the code page, 5 positions.
const std::string kTwoLines = "\xD6\xD0\xCE\xC4\r\nab";

class RichEditTest : public WindowTest {
 protected:
  int Caret() { return Transcript().textCursor().position(); }
  void SetSelStart(int value) { WriteProperty(kBox, kSelStart, kWholeValue, value); }
};

TEST_F(RichEditTest, EmptyBoxReadsNullAndKeepsTheCaretAtZero) {
  ValueCell cell = ReadProperty(kBox, kContext, kWholeValue);
  EXPECT_TRUE(cell.TakeText().IsNull());
  for (int start : {0, 7}) {
    SetSelStart(start);
    EXPECT_EQ(Caret(), 0) << start;
  }
}

TEST_F(RichEditTest, ContentCountsBytesWhilePositionsCountCharacters) {
  WriteText(kBox, kSelText, kTwoLines);
  EXPECT_EQ(ReadText(kBox, kContext), kTwoLines);
  EXPECT_EQ(TextLength(ReadProperty(kBox, kContext, kWholeValue).TakeText()), 8);
  EXPECT_EQ(Transcript().EndPosition(), 5);

  struct Case {
    int selStart;
    int caret;
  };
  for (const Case c : {Case{8, 5}, Case{-5, 0}, Case{3, 3}, Case{5, 5}, Case{1000, 5}}) {
    SetSelStart(c.selStart);
    EXPECT_EQ(Caret(), c.caret) << c.selStart;
    EXPECT_FALSE(Transcript().textCursor().hasSelection());
  }
}

TEST_F(RichEditTest, ReadsTheWholeContentAfterEditsAtTheEndAndInTheMiddle) {
  struct Step {
    int selStart;
    std::string insert;
    std::string content;
  };
  const Step steps[] = {
      {0, "ab", "ab"},
      {2, "\xD6\xD0\r\n", "ab\xD6\xD0\r\n"},           // grows at its end
      {1, "X", "aXb\xD6\xD0\r\n"},                        // changes in the middle
      {100, "\x94\x39\xFC\x36", "aXb\xD6\xD0\r\n\x94\x39\xFC\x36"},
      {0, "", "aXb\xD6\xD0\r\n\x94\x39\xFC\x36"},
  };
  for (const Step& step : steps) {
    SetSelStart(step.selStart);
    WriteText(kBox, kSelText, step.insert);
    EXPECT_EQ(ReadText(kBox, kContext), step.content) << step.insert;
  }
  Transcript().clear();
  EXPECT_TRUE(ReadProperty(kBox, kContext, kWholeValue).TakeText().IsNull());
}

TEST_F(RichEditTest, FourByteCharacterIsOnePosition) {
  WriteText(kBox, kSelText, "\x94\x39\xFC\x36x");  // an emoji, then x
  EXPECT_EQ(Transcript().EndPosition(), 2);
  SetSelStart(1);
  WriteText(kBox, kSelText, "-");
  EXPECT_EQ(ReadText(kBox, kContext), "\x94\x39\xFC\x36-x");
}

TEST_F(RichEditTest, SelTextWritesAppendInOrderAndSelectionIsReplaced) {
  WriteText(kBox, kSelText, "one");
  WriteText(kBox, kSelText, "two\r\n");
  WriteText(kBox, kSelText, "three");
  EXPECT_EQ(ReadText(kBox, kContext), "onetwo\r\nthree");
  EXPECT_EQ(Transcript().document()->blockCount(), 2);

  SetSelStart(3);
  WriteProperty(kBox, kSelLength, kWholeValue, 3);
  EXPECT_EQ(ReadText(kBox, kSelText), "two");
  WriteText(kBox, kSelText, "2");
  EXPECT_EQ(ReadText(kBox, kContext), "one2\r\nthree");

  WriteProperty(kBox, kSelLength, kWholeValue, -1);
  WriteText(kBox, kSelText, "all");
  EXPECT_EQ(ReadText(kBox, kContext), "all");
}

TEST_F(RichEditTest, FormatAtAnEmptySelectionAppliesToTheNextInsertionOnly) {
  WriteText(kBox, kSelText, "ab");
  CharFormat red = NewCharFormat();
  red.Color = 0x000000FF;
  red.Effects = effects::kBold | effects::kUnderline;
  SetSelCharFormat(kBox, red);
  EXPECT_FALSE(FormatAt(*Transcript().document(), 1).hasProperty(QTextFormat::ForegroundBrush));

  WriteText(kBox, kSelText, "c");
  CharFormat green = NewCharFormat();
  green.Color = 0x00008000;
  SetSelCharFormat(kBox, green);
  WriteText(kBox, kSelText, "d");
  ReleaseValue(red);
  ReleaseValue(green);

  QTextDocument& document = *Transcript().document();
  EXPECT_EQ(FormatAt(document, 2).foreground().color(), QColor(255, 0, 0));
  EXPECT_TRUE(FormatAt(document, 2).font().bold());
  EXPECT_TRUE(FormatAt(document, 2).font().underline());
  EXPECT_EQ(FormatAt(document, 3).foreground().color(), QColor(0, 128, 0));
  EXPECT_FALSE(FormatAt(document, 3).font().bold());
}

TEST_F(RichEditTest, ExplicitBlackDiffersFromTheAutomaticColour) {
  CharFormat format = NewCharFormat();
  format.Color = 0;
  SetSelCharFormat(kBox, format);
  WriteText(kBox, kSelText, "k");
  format.Color = kAutomaticColor;
  SetSelCharFormat(kBox, format);
  WriteText(kBox, kSelText, "a");
  ReleaseValue(format);

  QTextDocument& document = *Transcript().document();
  EXPECT_TRUE(FormatAt(document, 0).hasProperty(QTextFormat::ForegroundBrush));
  EXPECT_EQ(FormatAt(document, 0).foreground().color(), QColor(Qt::black));
  EXPECT_FALSE(FormatAt(document, 1).hasProperty(QTextFormat::ForegroundBrush));
}

TEST_F(RichEditTest, FaceAndSizeReachTheBox) {
  CharFormat format = NewCharFormat();
  SetSelCharFormat(kBox, format);
  WriteText(kBox, kSelText, "s");
  ReleaseValue(format.FontName);
  format.FontName = TextValue::Copy(std::string(40, 'F'));  // longer than a face name may be
  format.FontSize = 12;
  SetSelCharFormat(kBox, format);
  WriteText(kBox, kSelText, "t");
  ReleaseValue(format);

  const QFont song = FormatAt(*Transcript().document(), 0).font();
  EXPECT_EQ(song.families().value(0), QString::fromUtf8("宋体"));
  EXPECT_EQ(song.pixelSize(), 12);  // 9 points on the 96-dpi mock-up
  const QFont cut = FormatAt(*Transcript().document(), 1).font();
  EXPECT_EQ(cut.families().value(0), QString(31, 'F'));
  EXPECT_EQ(cut.pixelSize(), 16);
}

TEST_F(RichEditTest, BothBoxesStartWithTheDefaultFormat) {
  for (ControlRef box : {controls::超级编辑框1, controls::超级编辑框2}) {
    RichEdit& edit = Widget<RichEdit>(box);
    const QTextCharFormat format = edit.currentCharFormat();
    EXPECT_EQ(format.font().families().value(0), QString::fromUtf8("宋体"));
    EXPECT_EQ(format.font().pixelSize(), 12);
    EXPECT_FALSE(format.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(edit.isReadOnly());
    EXPECT_EQ(edit.lineWrapMode(), QTextEdit::WidgetWidth);
  }
}

}  // namespace
}  // namespace chatmock
