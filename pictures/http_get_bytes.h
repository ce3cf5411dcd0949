#pragma once
// The fetch that handlers call: the body of a GET as a byte value.

#include "app/values.h"

namespace chatmock {

// Blocks until the transfer ends. Returns the body whatever the status, or
// null when no byte arrived or the fetch failed in any way.
ByteValue HttpGetBytes(TextRef address);

}  // namespace chatmock
