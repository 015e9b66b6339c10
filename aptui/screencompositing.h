#pragma once

#include <optional>

namespace aptui {

// Whether the screen shows a translucent window blended over what lies
// beneath it. On X11 that needs a compositing manager, which announces itself
// by owning the selection _NET_WM_CM_S<screen>; without one (a plain window
// manager, many remote desktops) the transparent parts of a window show
// black. Every other platform (Wayland, Windows, macOS, and offscreen, which
// renders into images) counts as compositing.
bool screenCompositing();

// Test seam: makes screenCompositing() answer `available`; std::nullopt
// restores the check of the running platform.
void setScreenCompositingOverride(std::optional<bool> available);

} // namespace aptui
