// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Why this session has no display to show a window on, or empty when it has one: a display named
// by DISPLAY or WAYLAND_DISPLAY that answers, or a platform chosen by hand. Asked before Qt starts,
// which would otherwise abort with a message about platform plugins. The message is the user's:
// one line, in French.
// command: the program's command, for the advice to start it under a virtual X server.
std::string MissingDisplayReason(const std::string& command);

// The Qt platform of the one display that answered when the session names two and the other does
// not answer, for Qt to use it instead of failing on the other; empty otherwise.
std::string ReachablePlatform();
