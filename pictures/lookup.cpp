#include "pictures/lookup.h"

#include <algorithm>
#include <array>

#include "app/control_ref.h"
#include "app/properties.h"
#include "app/values.h"
#include "pictures/http_get_bytes.h"

namespace chatmock {
namespace {

using namespace controls;

constexpr PropertyIndex kText = 8;      // edit box
constexpr PropertyIndex kPicture = 10;  // picture box

// Joins string literals at compile time into one zero-terminated array.
template <std::size_t... N>
constexpr auto JoinLiterals(const char (&... parts)[N]) {
  std::array<char, (N + ...) - sizeof...(N) + 1> joined{};
  std::size_t at = 0;
  ((std::copy_n(parts, N - 1, joined.begin() + at), at += N - 1), ...);
  return joined;
}

// The constant address pieces.
constexpr auto kAvatarPrefix = JoinLiterals("http://", AvatarPictureHost, "/qzone/");
constexpr auto kShowPrefix = JoinLiterals("http://", ShowPictureHost, "/");
constexpr const char* kSeparator = "/";
constexpr const char* kAvatarSuffix = "/50";
constexpr const char* kShowSuffix = "/10/00";

// Fetches one address into a picture box; a failed fetch clears the box.
void FetchInto(ControlRef box, TextValue& address) {
  ByteValue picture = HttpGetBytes(address);
  ReleaseValue(address);
  WriteProperty(box, kPicture, kWholeValue, picture);
  ReleaseValue(picture);
}

}  // namespace

// The three fetches run one after the other, each whatever the previous gave.
void OnFetchPicturesClicked() {
  TextValue first = ReadProperty(编辑框4, kText, kWholeValue).TakeText();
  TextValue second = ReadProperty(编辑框4, kText, kWholeValue).TakeText();
  TextValue avatar = JoinTexts({kAvatarPrefix.data(), first, kSeparator, second, kAvatarSuffix});
  ReleaseValue(first);
  ReleaseValue(second);
  FetchInto(图片框2, avatar);

  TextValue peer = ReadProperty(编辑框4, kText, kWholeValue).TakeText();
  TextValue peerShow = JoinTexts({kShowPrefix.data(), peer, kShowSuffix});
  ReleaseValue(peer);
  FetchInto(图片框3, peerShow);

  TextValue own = ReadProperty(编辑框5, kText, kWholeValue).TakeText();
  TextValue ownShow = JoinTexts({kShowPrefix.data(), own, kShowSuffix});
  ReleaseValue(own);
  FetchInto(图片框4, ownShow);
}

}  // namespace chatmock
