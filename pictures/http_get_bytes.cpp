#include "pictures/http_get_bytes.h"

#include "pictures/http/http_get.h"

namespace chatmock {

ByteValue HttpGetBytes(TextRef address) {
  if (address.Data() == nullptr || *address.Data() == '\0') return ByteValue();
  const auto body = pictures::HttpGet(address.Data());
  if (!body || body->empty()) return ByteValue();
  return ByteValue::Copy(*body);
}

}  // namespace chatmock
