#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace zelpor {

// The X window an X11 DestroyNotify event reports destroyed, read from a raw
// event as the toolkit hands it to native event filters ("xcb_generic_event_t").
// None for any other event type, any other X event or no event at all.
std::optional<std::uint32_t> DestroyedX11Window(const QByteArray& eventType, const void* message);

}  // namespace zelpor
