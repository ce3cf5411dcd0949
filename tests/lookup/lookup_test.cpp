#include <string>
#include <vector>

#include "pictures/picture_box.h"
#include "pictures/lookup.h"
#include "tests/http/proxy_environment.h"
#include "tests/http/scripted_server.h"
#include "tests/transcript/window_fixture.h"

namespace chatmock {
namespace {

using namespace controls;
using pictures::loopback::ConnectionScript;
using pictures::loopback::ProxyEnvironment;
using pictures::loopback::RefusingPort;
using pictures::loopback::Reply;
using pictures::loopback::ScriptedServer;
using testing_support::WindowTest;

constexpr PropertyIndex kText = 8, kPicture = 10;

// A 24-bit BMP of the given size, one colour.
std::string SolidBmp(int width, int height) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const int dataSize = rowBytes * height;
  std::string bmp;
  auto put16 = [&bmp](int v) { bmp += char(v & 0xFF); bmp += char((v >> 8) & 0xFF); };
  auto put32 = [&](int v) { put16(v & 0xFFFF); put16((v >> 16) & 0xFFFF); };
  bmp += "BM";
  put32(54 + dataSize); put32(0); put32(54);
  put32(40); put32(width); put32(height); put16(1); put16(24); put32(0); put32(dataSize);
  put32(3780); put32(3780); put32(0); put32(0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bmp += std::string("\x20\x40\xC0", 3);
    bmp += std::string(static_cast<std::size_t>(rowBytes - width * 3), '\0');
  }
  return bmp;
}

std::string FirstLine(const std::string& request) { return request.substr(0, request.find("\r\n")); }

class LookupTest : public WindowTest {
 protected:
  void SetNumbers(const std::string& peer, const std::string& own) {
    WriteText(编辑框4, kText, peer);
    WriteText(编辑框5, kText, own);
  }
  PictureBox& Box(ControlRef ref) { return Widget<PictureBox>(ref); }
  std::vector<std::string> FetchThroughProxy(const std::string& body) {
    ScriptedServer proxy(ConnectionScript{{{Reply("HTTP/1.0 200 OK", "", body)}}});
    ProxyEnvironment environment;
    environment.Set("http_proxy", proxy.Url(""));
    OnFetchPicturesClicked();
    return proxy.Finish().requests;
  }
};

TEST_F(LookupTest, ThreeRequestsInOrderToTheFixedHosts) {
  SetNumbers("10001", "20002");
  const std::vector<std::string> requests = FetchThroughProxy(SolidBmp(4, 4));
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(FirstLine(requests[0]), "GET http://qlogo.store.qq.com/qzone/10001/10001/50 HTTP/1.0");
  EXPECT_EQ(FirstLine(requests[1]), "GET http://qqshow-user.tencent.com/10001/10/00 HTTP/1.0");
  EXPECT_EQ(FirstLine(requests[2]), "GET http://qqshow-user.tencent.com/20002/10/00 HTTP/1.0");
  for (ControlRef box : {图片框2, 图片框3, 图片框4}) EXPECT_TRUE(Box(box).HasPicture());
  EXPECT_EQ(Box(图片框2).PictureRect(), QRect(0, 0, 64, 63));  // the avatar is stretched
  EXPECT_EQ(Box(图片框3).PictureRect(), QRect(0, 0, 4, 4));
}

TEST_F(LookupTest, EmptyNumberBoxesStillSendThreeRequests) {
  const std::vector<std::string> requests = FetchThroughProxy("x");
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(FirstLine(requests[0]), "GET http://qlogo.store.qq.com/qzone///50 HTTP/1.0");
  EXPECT_EQ(FirstLine(requests[1]), "GET http://qqshow-user.tencent.com//10/00 HTTP/1.0");
  EXPECT_EQ(FirstLine(requests[2]), "GET http://qqshow-user.tencent.com//10/00 HTTP/1.0");
}

TEST_F(LookupTest, AnErrorPageClearsTheBoxesButIsKeptAsBytes) {
  SetNumbers("1", "2");
  FetchThroughProxy(SolidBmp(8, 8));
  ASSERT_TRUE(Box(图片框3).HasPicture());

  const std::string page = "<html><body>404 Not Found</body></html>";
  ScriptedServer proxy(ConnectionScript{{{Reply("HTTP/1.0 404 Not Found", "", page)}}});
  ProxyEnvironment environment;
  environment.Set("http_proxy", proxy.Url(""));
  OnFetchPicturesClicked();
  for (ControlRef box : {图片框2, 图片框3, 图片框4}) {
    EXPECT_FALSE(Box(box).HasPicture());
    ByteValue bytes = ReadProperty(box, kPicture, kWholeValue).TakeBytes();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.Bytes().data()), bytes.Bytes().size()), page);
  }
}

TEST_F(LookupTest, WithTheNetworkDownASecondClickClearsAllThree) {
  SetNumbers("1", "2");
  FetchThroughProxy(SolidBmp(8, 8));
  RefusingPort refusing;
  ProxyEnvironment environment;
  environment.Set("http_proxy", "http://127.0.0.1:" + std::to_string(refusing.Port()));
  OnFetchPicturesClicked();
  for (ControlRef box : {图片框2, 图片框3, 图片框4}) {
    EXPECT_FALSE(Box(box).HasPicture());
    EXPECT_TRUE(ReadProperty(box, kPicture, kWholeValue).TakeBytes().IsNull());
  }
}

}  // namespace
}  // namespace chatmock
