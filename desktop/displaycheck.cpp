// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycheck.h"

#include <xcb/xcb.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsSet(const char* name)
{
    return std::getenv(name) != nullptr;
}

// The parts of the text between the separators, the empty ones left out, as Qt splits its lists.
std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string::size_type begin = 0;
    while (begin <= text.size()) {
        const std::string::size_type end = std::min(text.find(separator, begin), text.size());
        if (end > begin)
            parts.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return parts;
}

// The plugin that an entry of Qt's list names: the entry up to its arguments after ":", in lower case.
std::string PluginName(const std::string& entry)
{
    const std::vector<std::string> parts = Split(entry, ':');
    std::string name = parts.empty() ? std::string() : parts.front();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

// A display that Qt would try, and how to name it to the user.
struct Display
{
    bool answers;
    bool named; // by the command line or the environment
    std::string description;
    std::shared_ptr<void> connection; // for X11, when it answers
};

Display X11Display(const std::string& displayOption)
{
    const std::shared_ptr<xcb_connection_t> connection(
        xcb_connect(displayOption.empty() ? nullptr : displayOption.c_str(), nullptr), xcb_disconnect);
    const bool answers = xcb_connection_has_error(connection.get()) == 0;
    const std::shared_ptr<void> held = answers ? connection : nullptr;
    if (!displayOption.empty())
        return {answers, true, "« " + displayOption + " » (-display)", held};
    if (const std::string name = Variable("DISPLAY"); !name.empty())
        return {answers, true, "« " + name + " » (DISPLAY)", held};
    return {answers, false, "X (DISPLAY n'est pas défini)", held};
}

bool SocketAnswers(const std::string& path)
{
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

// As libwayland connects: to the socket handed over in WAYLAND_SOCKET; else to the one WAYLAND_DISPLAY
// names, wayland-0 by default, in XDG_RUNTIME_DIR unless the name is a path.
Display WaylandDisplay()
{
    if (IsSet("WAYLAND_SOCKET")) {
        const std::string socket = Variable("WAYLAND_SOCKET");
        char* end = nullptr;
        const long fd = std::strtol(socket.c_str(), &end, 10);
        const bool open = !socket.empty() && *end == '\0' && fcntl(static_cast<int>(fd), F_GETFD) != -1;
        return {open, true, "« " + socket + " » (WAYLAND_SOCKET)", nullptr};
    }
    const std::string name = IsSet("WAYLAND_DISPLAY") ? Variable("WAYLAND_DISPLAY") : "wayland-0";
    const bool named = !Variable("WAYLAND_DISPLAY").empty();
    std::string description =
        named ? "« " + name + " » (WAYLAND_DISPLAY)" : "Wayland (WAYLAND_DISPLAY n'est pas défini)";
    if (!name.empty() && name.front() == '/')
        return {SocketAnswers(name), named, description, nullptr};
    const std::string folder = Variable("XDG_RUNTIME_DIR");
    if (folder.empty() || folder.front() != '/') {
        if (named)
            description = "« " + name + " » (WAYLAND_DISPLAY, sans XDG_RUNTIME_DIR où le trouver)";
        return {false, named, description, nullptr};
    }
    return {SocketAnswers(folder + '/' + name), named, description, nullptr};
}
} // namespace

DisplayCheck CheckDisplay(const std::string& platformOption, const std::string& displayOption,
                          const std::string& command)
{
    std::string platforms = platformOption.empty() ? Variable("QT_QPA_PLATFORM") : platformOption;
    // Qt 6.4's own order on Linux, its default platform being xcb.
    if (platforms.empty())
        platforms = IsSet("WAYLAND_DISPLAY") || Variable("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
    const std::vector<std::string> entries = Split(platforms, ';');
    std::vector<std::string> named;
    std::vector<std::string> unnamed;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string plugin = PluginName(entries[i]);
        if (plugin.empty())
            continue;
        const bool x11 = plugin == "xcb";
        const bool wayland = plugin.rfind("wayland", 0) == 0;
        // The command line's choice beats QT_QPA_PLATFORM: there Qt goes down its list itself.
        const std::string straightTo = i == 0 || !platformOption.empty() ? std::string() : entries[i];
        if (!x11 && !wayland)
            return {{}, straightTo, nullptr};
        const Display display = x11 ? X11Display(displayOption) : WaylandDisplay();
        if (display.answers)
            return {{}, straightTo, display.connection};
        std::vector<std::string>& told = display.named ? named : unnamed;
        if (std::find(told.begin(), told.end(), display.description) == told.end())
            told.push_back(display.description);
    }
    // Nothing named at all: the advice to start a virtual X server. Named displays that Qt does not
    // try are not the ones to tell of: then what Qt tries.
    const bool anyNamed = !displayOption.empty() || !Variable("DISPLAY").empty() ||
                          !Variable("WAYLAND_DISPLAY").empty() || IsSet("WAYLAND_SOCKET");
    const std::vector<std::string>& tried = named.empty() ? unnamed : named;
    if (!anyNamed || tried.empty())
        return {"aucun affichage où montrer la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n'est défini) ; "
                "lancez-le depuis une session de bureau, ou sous un serveur X virtuel : xvfb-run -a " +
                    command,
                {},
                nullptr};
    std::string names;
    for (const std::string& description : tried)
        names += (names.empty() ? "" : " ni l'affichage ") + description;
    return {
        "impossible de joindre l'affichage " + names + " ; vérifiez que la session graphique est ouverte", {}, nullptr};
}
