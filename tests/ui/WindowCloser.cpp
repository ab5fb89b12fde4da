// Waits for a top-level window with the given title on the X display, checks that it is
// shown, and asks it to close the way a window manager's close box does
// (WM_DELETE_WINDOW). Exit code 0 when the window was found and asked to close.
// Usage: quorvel_window_closer <title> <timeout-ms>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

std::string WindowTitle(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &remaining, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return title;
}

// Depth-first search of the window tree for a window with the title.
Window FindWindow(Display* display, Window root, const std::string& title) {
    if (WindowTitle(display, root) == title) {
        return root;
    }
    Window parent = 0;
    Window unusedRoot = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &unusedRoot, &parent, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        found = FindWindow(display, children[i], title);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <title> <timeout-ms>\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    int timeoutMs = 0;
    std::from_chars(argv[2], argv[2] + std::strlen(argv[2]), timeoutMs);

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    Window window = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        window = FindWindow(display, DefaultRootWindow(display), title);
        XWindowAttributes attributes{};
        if (window != 0 && XGetWindowAttributes(display, window, &attributes) != 0 &&
            attributes.map_state == IsViewable) {
            break;
        }
        window = 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (window == 0) {
        std::fprintf(stderr, "no shown window titled \"%s\"\n", title.c_str());
        XCloseDisplay(display);
        return 1;
    }
    std::printf("found window 0x%lx\n", window);

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}
