#include "app/dispatch.h"

#include <map>
#include <utility>

namespace chatmock {
namespace {

using BindingKey = std::pair<std::uint32_t, std::int32_t>;

std::map<BindingKey, EventHandler>& Bindings() {
  static std::map<BindingKey, EventHandler> bindings;
  return bindings;
}

}  // namespace

void BindHandler(std::uint32_t control, std::int32_t event, EventHandler handler) {
  Bindings()[{control, event}] = std::move(handler);
}

void UnbindAllHandlers() { Bindings().clear(); }

std::optional<bool> RaiseEvent(std::uint32_t control, std::int32_t event) {
  const auto it = Bindings().find({control, event});
  if (it == Bindings().end()) return std::nullopt;
  // A copy, so that a handler that rebinds its own pair runs to its end.
  const EventHandler handler = it->second;
  return handler();
}

}  // namespace chatmock
