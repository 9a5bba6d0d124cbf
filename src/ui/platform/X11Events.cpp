#include "ui/platform/X11Events.h"

#include <cstring>

namespace zelpor {

std::optional<std::uint32_t> DestroyedX11Window(const QByteArray& eventType, const void* message) {
    if (eventType != "xcb_generic_event_t" || !message) return std::nullopt;
    // The X protocol's DestroyNotify event: type 17 (the top bit marks a sent
    // event), then padding, sequence, the event window and the destroyed window.
    // Every X event is 32 bytes, so the first 12 are always there.
    constexpr std::uint8_t kDestroyNotify = 17;
    unsigned char bytes[12];
    std::memcpy(bytes, message, sizeof bytes);
    if ((bytes[0] & 0x7F) != kDestroyNotify) return std::nullopt;
    std::uint32_t destroyed = 0;
    std::memcpy(&destroyed, bytes + 8, sizeof destroyed);
    return destroyed;
}

}  // namespace zelpor
