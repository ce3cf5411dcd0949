#include "transcript/posting.h"

namespace chatmock {

void OnSendClicked() {}

}  // namespace chatmock
