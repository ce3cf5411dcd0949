// One long session of use: thousands of posts with fetches and caption edits
// spread among them. The transcript must hold every entry, byte for byte, in
// order; each fetch must show or clear its box as its reply says; each edit
// must reach its caption. Run under LeakSanitizer (the _san build) and
// valgrind, the same run shows that none of it leaks or touches freed memory.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/codepage.h"
#include "captions/captions.h"
#include "pictures/picture_box.h"
#include "tests/http/proxy_environment.h"
#include "tests/reliability/hostile_replies.h"
#include "tests/reliability/live_window.h"
#include "tests/reliability/long_run_counts.h"
#include "tests/reliability/picture_samples.h"
#include "tests/reliability/resident_memory.h"
#include "transcript/clock.h"
#include "transcript/posting.h"

namespace chatmock::reliability {
namespace {

using namespace controls;
using pictures::loopback::ProxyEnvironment;

constexpr PropertyIndex kEditText = 8, kCaption = 8, kContext = 9, kChecked = 18;
constexpr ClockReading kFixedTime{9, 5, 30};
constexpr char kFixedTimeText[] = "9:5:30";
constexpr int kFetchesPerClick = 3;
// Every so many edits, the other caption is opened while one editor is open.
constexpr int kNestedEditEvery = 10;
constexpr std::chrono::seconds kServerLifetime{3600};

std::string Gb(const char* utf8) { return EncodeCodePage(QString::fromUtf8(utf8)); }

// The replies the fetches meet in turn; five is prime to three fetches a
// click, so every box meets every reply.
struct RotatingReply {
  Behaviour behaviour;
  bool showsPicture;
};

std::vector<RotatingReply> Rotation() {
  const PictureBytes bmp = PalettedBmp();
  const std::string bmpText(bmp.begin(), bmp.end());
  const PictureBytes gif = TwoFrameGif();
  const PictureBytes jpeg = ChatFrameJpeg();
  return {
      {Serve("200 OK", bmpText), true},
      {Serve("200 OK", std::string(gif.begin(), gif.end())), true},
      {Serve("200 OK", std::string(jpeg.begin(), jpeg.end())), true},
      {NotFound(), false},
      {ResetMidBody(bmpText, bmpText.size() / 2), false},
  };
}

Behaviour InTurn(std::vector<RotatingReply> rotation) {
  return [rotation = std::move(rotation)](Peer& peer, int index) {
    rotation[static_cast<std::size_t>(index) % rotation.size()].behaviour(peer, index);
  };
}

// The message of the n-th post: plain, Chinese, several lines, four-byte
// characters, and now and then nothing at all.
std::string MessageFor(int post) {
  const std::string n = std::to_string(post);
  switch (post % 6) {
    case 0: return "message " + n;
    case 1: return Gb("第") + n + Gb("条消息，你好");
    case 2: return "first line " + n + "\r\nsecond line\r\nthird";
    case 3: return Gb("\xF0\x9F\x98\x80 emoji ") + n + Gb(" \xF0\xA0\x80\x80");
    case 4: return "";
    default: return std::string(200, 'x') + n;
  }
}

class LongRunTest : public LiveWindowTest {
 protected:
  void SetUp() override {
    LiveWindowTest::SetUp();
    SetClockForTesting([] { return kFixedTime; });
    WriteText(编辑框2, kEditText, peerName_);
    WriteText(编辑框3, kEditText, ownName_);
  }
  void TearDown() override {
    SetClockForTesting({});
    LiveWindowTest::TearDown();
  }

  void Post(int post) {
    const bool peerSpeaks = post % 2 == 0;
    WriteProperty(单选框1, kChecked, kWholeValue, peerSpeaks ? 1 : 0);
    WriteProperty(单选框2, kChecked, kWholeValue, peerSpeaks ? 0 : 1);
    const std::string message = MessageFor(post);
    WriteText(超级编辑框2, kContext, message);
    OnSendClicked();
    expected_ += (peerSpeaks ? peerName_ : ownName_) + "  " + kFixedTimeText + ":\r\n" + message + "\r\n";
  }

  void Fetch(int click, const std::vector<RotatingReply>& rotation) {
    TimedFetch();
    ProcessPendingEvents();
    for (int i = 0; i < kFetchesPerClick; ++i) {
      const std::size_t reply = static_cast<std::size_t>(click * kFetchesPerClick + i) % rotation.size();
      ASSERT_EQ(Box(kFetchedBoxes[i]).HasPicture(), rotation[reply].showsPicture) << "click " << click << " box " << i;
    }
  }

  static void OpenCaption(bool nickname) {
    if (nickname) {
      OpenNicknameEditor();
    } else {
      OpenSignatureEditor();
    }
  }

  void EditCaption(int edit) {
    const bool nickname = edit % 2 == 0;
    const ControlRef editor = nickname ? 编辑框6 : 编辑框1;
    const ControlRef caption = nickname ? 透明标签6 : 透明标签1;
    const std::string text = Gb(nickname ? "昵称" : "签名：") + std::to_string(edit);
    OpenCaption(nickname);
    ASSERT_EQ(QApplication::focusWidget(), &WidgetOf(editor)) << "edit " << edit;
    WriteText(editor, kEditText, text);
    if (edit % kNestedEditEvery == 0) {
      // Opening the other caption closes this editor inside FocusControl; then that one closes too.
      OpenCaption(!nickname);
    }
    FocusControl(编辑框4);
    ASSERT_EQ(ReadText(caption, kCaption), text) << "edit " << edit;
    ASSERT_TRUE(WidgetOf(editor).isHidden()) << "edit " << edit;
    ASSERT_TRUE(WidgetOf(nickname ? 编辑框1 : 编辑框6).isHidden()) << "edit " << edit;
  }

  // Where two long texts part, for a message that does not print them whole.
  static std::string FirstDifference(const std::string& actual, const std::string& wanted) {
    std::size_t at = 0;
    while (at < actual.size() && at < wanted.size() && actual[at] == wanted[at]) ++at;
    return "at byte " + std::to_string(at) + " of " + std::to_string(wanted.size()) + ": got \"" +
           actual.substr(at, 60) + "\", wanted \"" + wanted.substr(at, 60) + "\"";
  }

  const std::string peerName_ = Gb("对方小明");
  const std::string ownName_ = Gb("我");
  std::string expected_;
};

TEST_F(LongRunTest, EveryPostIsKeptEveryFetchAndEditLandsAndNothingLeaks) {
  const LongRunCounts counts = ConfiguredLongRun();
  const std::vector<RotatingReply> rotation = Rotation();
  HostileServer server(InTurn(rotation), counts.fetchClicks * kFetchesPerClick, kServerLifetime);
  ProxyEnvironment environment;
  environment.Set("http_proxy", server.Url());
  SetNumbers("10001", "20002");
  const std::optional<ResidentMemory> before = ReadResidentMemory();

  int clicks = 0, edits = 0;
  const long long steps = std::max(counts.posts, 1);
  for (int post = 0; post < std::max(counts.posts, 1); ++post) {
    if (post < counts.posts) Post(post);
    // Fetches and edits spread evenly over the posts.
    while (clicks < (post + 1) * static_cast<long long>(counts.fetchClicks) / steps) {
      ASSERT_NO_FATAL_FAILURE(Fetch(clicks++, rotation));
    }
    while (edits < (post + 1) * static_cast<long long>(counts.captionEdits) / steps) {
      ASSERT_NO_FATAL_FAILURE(EditCaption(edits++));
    }
  }
  server.Stop();
  ProcessPendingEvents();

  const std::string transcript = TranscriptText();
  EXPECT_TRUE(transcript == expected_) << FirstDifference(transcript, expected_);
  EXPECT_EQ(static_cast<int>(server.RequestLines().size()), counts.fetchClicks * kFetchesPerClick);
  ExpectWindowAnswersInput("still here");

  const std::optional<ResidentMemory> after = ReadResidentMemory();
  ASSERT_TRUE(before && after);
  std::printf("long run: %d posts, %d fetch clicks (%d requests), %d caption edits\n", counts.posts, clicks,
              clicks * kFetchesPerClick, edits);
  std::printf("transcript context %zu bytes; resident %ld KiB before, %ld KiB after (+%ld KiB), peak %ld KiB\n",
              transcript.size(), before->currentKiB, after->currentKiB, after->currentKiB - before->currentKiB,
              after->peakKiB);
  RecordProperty("transcript_bytes", static_cast<int>(transcript.size()));
  RecordProperty("resident_growth_kib", static_cast<int>(after->currentKiB - before->currentKiB));
}

}  // namespace
}  // namespace chatmock::reliability
