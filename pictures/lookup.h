#pragma once
// The fetch button: loads the avatar and both show figures over HTTP.

namespace chatmock {

inline constexpr const char* AvatarPictureHost = "qlogo.store.qq.com";
inline constexpr const char* ShowPictureHost = "qqshow-user.tencent.com";

void OnFetchPicturesClicked();

}  // namespace chatmock
