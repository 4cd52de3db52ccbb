#include "displaycheck.h"

#include <cstdlib>

namespace {
bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}
} // namespace

std::string AfxMissingDisplayReason()
{
    // A platform chosen by hand (offscreen, vnc, ...) needs no display of the desktop's.
    if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"))
        return {};
    return "no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
           "start it from a desktop session, or under a virtual X server: xvfb-run -a carrelix";
}
