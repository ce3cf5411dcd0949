#pragma once
// The fetch button: loads the peer's avatar and both show figures over HTTP.

namespace chatmock {

// The messenger's picture servers.
inline constexpr char AvatarPictureHost[] = "qlogo.store.qq.com";
inline constexpr char ShowPictureHost[] = "qqshow-user.tencent.com";

void OnFetchPicturesClicked();

}  // namespace chatmock
