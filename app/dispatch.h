#pragma once
// Event dispatch: (control, event number) -> handler, called at once on the
// GUI thread. Control 0 names the window itself.

#include <cstdint>
#include <functional>
#include <optional>

namespace chatmock {

// A handler returns no result (nullopt) or a logical one; for mouse and key
// events an explicit false consumes the input.
using EventHandler = std::function<std::optional<bool>()>;

void BindHandler(std::uint32_t control, std::int32_t event, EventHandler handler);
void UnbindAllHandlers();

// Runs the bound handler, if any, and returns its result.
std::optional<bool> RaiseEvent(std::uint32_t control, std::int32_t event);

// True when the raised event's handler asked for the input to be dropped.
inline bool ConsumedBy(std::optional<bool> result) { return result.has_value() && !*result; }

}  // namespace chatmock
