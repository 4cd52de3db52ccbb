// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

// Whether the window can be shown, worked out before Qt starts, which would otherwise abort with a
// message about platform plugins. It follows Qt 6.4's choice: the platforms named by -platform,
// else by QT_QPA_PLATFORM (";" between those to try in turn), else Wayland when WAYLAND_DISPLAY is
// set or the session is a Wayland one, then X11. X11 is the display of -display, else DISPLAY;
// Wayland the socket of WAYLAND_DISPLAY, else wayland-0, under XDG_RUNTIME_DIR unless the name is
// a path. A platform that needs no display (offscreen, minimal, vnc...) always starts.
struct DisplayCheck
{
    // Why none of the platforms that Qt would try can show the window: the user's message, one line
    // in French; empty when one can.
    std::string reason;
    // The platform that answers, for Qt to go straight to it, when Qt would first try one that does
    // not answer; empty when Qt's own choice is right, or is the command line's.
    std::string platform;
    // The connection to the X server that answered, open while this lives: a server whose last client
    // leaves starts afresh, and turns away whoever connects meanwhile, Qt too.
    std::shared_ptr<void> x11Connection;
};

// platformOption, displayOption: the values of -platform and -display, empty for none; command: the
// program's command, for the advice to start it under a virtual X server.
DisplayCheck CheckDisplay(const std::string& platformOption, const std::string& displayOption,
                          const std::string& command);
