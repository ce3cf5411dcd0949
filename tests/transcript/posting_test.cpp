#include <QAbstractButton>
#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>

#include "pictures/picture_button.h"
#include "transcript/char_format.h"
#include "transcript/clock.h"
#include "window_fixture.h"

namespace chatmock {
namespace {

using namespace controls;
using testing_support::FormatAt;
using testing_support::WindowTest;

constexpr PropertyIndex kText = 8, kContext = 9, kSelStart = 17, kSelLength = 18, kSelText = 19;
constexpr PropertyIndex kChecked = 18, kTextColor = 16;
const QColor kBlue(0, 0, 255);
const QColor kStoredOwnColour(0, 128, 32);  // 标签1's 0x00208000

class PostingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    SetClock({9, 5, 7});
  }
  void TearDown() override {
    SetClockForTesting({});
    WindowTest::TearDown();
  }

  void SetClock(ClockReading reading) {
    SetClockForTesting([reading] { return reading; });
  }
  void Type(ControlRef box, const std::string& bytes) {
    if (box.control == 超级编辑框2.control) {
      WriteText(box, kSelText, bytes);
    } else {
      WriteText(box, kText, bytes);
    }
  }
  void ClickSend() {
    auto& button = Widget<PictureButton>(图形按钮1);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(40, 10));
  }
  std::string Transcript8() { return ReadText(超级编辑框1, kContext); }
  QTextCharFormat FormatOfBlock(int block) {
    QTextBlock text = Transcript().document()->findBlockByNumber(block);
    return FormatAt(*Transcript().document(), text.position());
  }
};

TEST_F(PostingTest, PeerSpeaksInBlueWithThePeersNickname) {
  Type(编辑框2, "Peer");
  Type(编辑框3, "Me");
  Type(超级编辑框2, "hello");
  Widget<QAbstractButton>(单选框1).click();
  ClickSend();
  EXPECT_EQ(Transcript8(), "Peer  9:5:7:\r\nhello\r\n");
  EXPECT_EQ(FormatOfBlock(0).foreground().color(), kBlue);
  EXPECT_EQ(FormatOfBlock(1).foreground().color(), QColor(Qt::black));
  EXPECT_TRUE(FormatOfBlock(1).hasProperty(QTextFormat::ForegroundBrush));
  EXPECT_EQ(FormatOfBlock(1).font().pixelSize(), 12);
  EXPECT_EQ(FormatOfBlock(1).font().families().value(0), QString::fromUtf8("宋体"));
}

TEST_F(PostingTest, OwnSideOrNeitherTakesTheLabelsColourAndTheOwnNickname) {
  Type(编辑框2, "Peer");
  Type(编辑框3, "Me");
  Type(超级编辑框2, "hi");
  ClickSend();  // neither box checked yet
  Widget<QAbstractButton>(单选框2).click();
  WriteProperty(标签1, kTextColor, kWholeValue, 0x00112233);
  ClickSend();
  EXPECT_EQ(Transcript8(), "Me  9:5:7:\r\nhi\r\nMe  9:5:7:\r\nhi\r\n");
  EXPECT_EQ(FormatOfBlock(0).foreground().color(), kStoredOwnColour);
  EXPECT_EQ(FormatOfBlock(2).foreground().color(), QColor(0x33, 0x22, 0x11));
  EXPECT_EQ(ReadProperty(单选框1, kChecked, kWholeValue).Number(), 0);
}

TEST_F(PostingTest, HeaderAndBodyShapes) {
  struct Case {
    const char* name;
    ClockReading clock;
    std::string nickname;
    std::string message;
    std::string expected;
  };
  const Case cases[] = {
      {"midnight", {0, 0, 0}, "A", "m", "A  0:0:0:\r\nm\r\n"},
      {"last second", {23, 59, 59}, "A", "m", "A  23:59:59:\r\nm\r\n"},
      {"empty nickname", {9, 5, 7}, "", "m", "  9:5:7:\r\nm\r\n"},
      {"empty message", {9, 5, 7}, "A", "", "A  9:5:7:\r\n\r\n"},
      {"several lines", {9, 5, 7}, "A", "one\r\ntwo", "A  9:5:7:\r\none\r\ntwo\r\n"},
      {"four-byte characters", {9, 5, 7}, "\x94\x39\xFC\x36", "\xD6\xD0\x94\x39\xFC\x36",
       "\x94\x39\xFC\x36  9:5:7:\r\n\xD6\xD0\x94\x39\xFC\x36\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteProperty(超级编辑框1, kSelLength, kWholeValue, -1);
    WriteText(超级编辑框1, kSelText, "");
    WriteProperty(超级编辑框1, kSelLength, kWholeValue, 0);
    WriteProperty(超级编辑框2, kSelLength, kWholeValue, -1);
    WriteText(超级编辑框2, kSelText, c.message);
    WriteProperty(超级编辑框2, kSelLength, kWholeValue, 0);
    Type(编辑框3, c.nickname);
    SetClock(c.clock);
    ClickSend();
    EXPECT_EQ(Transcript8(), c.expected);
  }
}

TEST_F(PostingTest, AppendsAtTheEndWhereverTheCaretWasAndKeepsTheMessage) {
  Type(编辑框3, "Me");
  Type(超级编辑框2, "again");
  WriteText(超级编辑框1, kSelText, "typed by hand\r\nsecond line");
  WriteProperty(超级编辑框1, kSelStart, kWholeValue, 2);
  WriteProperty(超级编辑框1, kSelLength, kWholeValue, 4);  // a selection in the middle
  ClickSend();
  WriteProperty(超级编辑框1, kSelStart, kWholeValue, 3);
  ClickSend();
  const std::string entry = "Me  9:5:7:\r\nagain\r\n";
  EXPECT_EQ(Transcript8(), "typed by hand\r\nsecond line" + entry + entry);
  EXPECT_EQ(ReadText(超级编辑框2, kContext), "again");
}

TEST_F(PostingTest, ReadsTheClockThreeTimesInOrder) {
  int readings = 0;
  SetClockForTesting([&readings] {
    ++readings;
    return ClockReading{readings, readings * 10, readings * 20};
  });
  Type(编辑框3, "Me");
  ClickSend();
  EXPECT_EQ(readings, 3);
  EXPECT_EQ(Transcript8(), "Me  1:20:60:\r\n\r\n");
}

TEST_F(PostingTest, TheViewFollowsTheNewEntry) {
  Type(编辑框3, "Me");
  Type(超级编辑框2, "line");
  window_->show();
  for (int i = 0; i < 40; ++i) ClickSend();
  QApplication::processEvents();
  const QTextCursor caret = Transcript().textCursor();
  EXPECT_TRUE(Transcript().viewport()->rect().intersects(Transcript().cursorRect(caret)));
}

}  // namespace
}  // namespace chatmock
