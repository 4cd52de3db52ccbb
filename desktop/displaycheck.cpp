// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycheck.h"

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {
std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool XServerAnswers()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// The compositor's socket: WAYLAND_DISPLAY itself when it is a path, else under XDG_RUNTIME_DIR.
bool CompositorAnswers()
{
    std::string path = Variable("WAYLAND_DISPLAY");
    if (path.front() != '/')
        path = Variable("XDG_RUNTIME_DIR") + '/' + path;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

struct Displays
{
    bool x11Named = !Variable("DISPLAY").empty();
    bool waylandNamed = !Variable("WAYLAND_DISPLAY").empty();
    bool x11Answers = x11Named && XServerAnswers();
    bool waylandAnswers = waylandNamed && CompositorAnswers();
};
} // namespace

std::string MissingDisplayReason(const std::string& command)
{
    const std::string platform = Variable("QT_QPA_PLATFORM");
    // A platform chosen by hand other than these two (offscreen, vnc, ...) needs no display of the desktop's.
    if (!platform.empty() && platform.rfind("xcb", 0) != 0 && platform.rfind("wayland", 0) != 0)
        return {};
    const Displays displays;
    if (!displays.x11Named && !displays.waylandNamed)
        return "aucun affichage où montrer la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n'est défini) ; "
               "lancez-le depuis une session de bureau, ou sous un serveur X virtuel : xvfb-run -a " +
               command;
    const bool wantsX11 = platform.rfind("xcb", 0) == 0;
    const bool wantsWayland = platform.rfind("wayland", 0) == 0;
    if ((displays.x11Answers && !wantsWayland) || (displays.waylandAnswers && !wantsX11))
        return {};
    std::string names;
    if (displays.x11Named && !wantsWayland)
        names = "« " + Variable("DISPLAY") + " » (DISPLAY)";
    if (displays.waylandNamed && !wantsX11)
        names += (names.empty() ? "« " : " ni l'affichage « ") + Variable("WAYLAND_DISPLAY") + " » (WAYLAND_DISPLAY)";
    if (names.empty())
        names = wantsX11 ? "X (DISPLAY n'est pas défini)" : "Wayland (WAYLAND_DISPLAY n'est pas défini)";
    return "impossible de joindre l'affichage " + names + " ; vérifiez que la session graphique est ouverte";
}

std::string ReachablePlatform()
{
    if (!Variable("QT_QPA_PLATFORM").empty())
        return {};
    const Displays displays;
    if (displays.x11Answers && displays.waylandNamed && !displays.waylandAnswers)
        return "xcb";
    if (displays.waylandAnswers && displays.x11Named && !displays.x11Answers)
        return "wayland";
    return {};
}
