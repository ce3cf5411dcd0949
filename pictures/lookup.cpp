#include "pictures/lookup.h"

namespace chatmock {

void OnFetchPicturesClicked() {}

}  // namespace chatmock
