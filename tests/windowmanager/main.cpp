// A window manager for tests about how the main window sits on a desktop:
// it frames every window it manages (a title bar and borders, announced as
// _NET_FRAME_EXTENTS), maximises and restores on _NET_WM_STATE requests or a
// double click on the title, and puts a maximised window's frame to the
// screen's edges. Like many desktops it drops the borders of a maximised
// window and keeps its title bar, so the frame is not the same in the two
// states. It remembers a window's geometry from before it was maximised and
// restores exactly that, as a desktop does.
//
//   scratchwm [normal-frame L,R,T,B] [maximised-frame L,R,T,B] [late]
//
// With "late" a window hears of its new size first and of its new state and
// frame only afterwards, and a maximised window that asks for another size
// leaves the maximised state, as on some desktops.
// It prints "ready" once it manages the root window and runs until killed
// or its standard input closes. A line "restore" or "maximise" on standard
// input does to every window what a double click on its title would, and
// is answered "done".
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/select.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

struct Extents {
    long left, right, top, bottom;
};

struct Client {
    Window frame = 0;
    bool maximised = false;
    // The frame's position and the client's size before maximising.
    int normalX = 0, normalY = 0;
    unsigned normalWidth = 0, normalHeight = 0;
    Time lastTitleClick = 0;
};

Display *display = nullptr;
Window root = 0;
int screenWidth = 0, screenHeight = 0;
Extents normalFrame{6, 6, 19, 6};
Extents maximisedFrame{0, 0, 19, 0};
std::map<Window, Client> clients;
std::map<Window, Window> clientOfFrame;
bool otherManager = false;
bool stateAfterSize = false;

Atom netSupported, netSupportingCheck, netWmName, netWorkarea, netFrameExtents, netWmState, netMaxVert,
    netMaxHorz, utf8String, wmState, netNumberOfDesktops, netCurrentDesktop;

int ignoreErrors(Display *, XErrorEvent *) { return 0; }
int detectOtherManager(Display *, XErrorEvent *)
{
    otherManager = true;
    return 0;
}

bool parseExtents(const char *text, Extents &out)
{
    return std::sscanf(text, "%ld,%ld,%ld,%ld", &out.left, &out.right, &out.top, &out.bottom) == 4;
}

const Extents &extentsOf(const Client &client) { return client.maximised ? maximisedFrame : normalFrame; }

void publishState(Window window, const Client &client)
{
    const long extents[4] = {extentsOf(client).left, extentsOf(client).right, extentsOf(client).top,
                             extentsOf(client).bottom};
    XChangeProperty(display, window, netFrameExtents, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(extents), 4);
    const Atom states[2] = {netMaxVert, netMaxHorz};
    XChangeProperty(display, window, netWmState, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(states), client.maximised ? 2 : 0);
}

// ICCCM: a client learns its position on the root from a synthetic event.
void tellGeometry(Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return;
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child);
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xconfigure.type = ConfigureNotify;
    event.xconfigure.display = display;
    event.xconfigure.event = window;
    event.xconfigure.window = window;
    event.xconfigure.x = x;
    event.xconfigure.y = y;
    event.xconfigure.width = attributes.width;
    event.xconfigure.height = attributes.height;
    XSendEvent(display, window, False, StructureNotifyMask, &event);
}

// Frame at (x, y), client of the given size inside it.
void place(Window window, Client &client, int x, int y, unsigned width, unsigned height)
{
    const Extents &e = extentsOf(client);
    if (!stateAfterSize)
        publishState(window, client);
    XMoveResizeWindow(display, client.frame, x, y, width + e.left + e.right, height + e.top + e.bottom);
    XMoveResizeWindow(display, window, e.left, e.top, width, height);
    tellGeometry(window);
    if (stateAfterSize) {
        XSync(display, False);
        usleep(20000);
        publishState(window, client);
    }
}

void setMaximised(Window window, Client &client, bool maximised)
{
    if (client.maximised == maximised)
        return;
    if (maximised) {
        XWindowAttributes frameAttributes, clientAttributes;
        XGetWindowAttributes(display, client.frame, &frameAttributes);
        XGetWindowAttributes(display, window, &clientAttributes);
        client.normalX = frameAttributes.x;
        client.normalY = frameAttributes.y;
        client.normalWidth = unsigned(clientAttributes.width);
        client.normalHeight = unsigned(clientAttributes.height);
        client.maximised = true;
        const Extents &e = maximisedFrame;
        place(window, client, 0, 0, unsigned(screenWidth - e.left - e.right),
              unsigned(screenHeight - e.top - e.bottom));
    } else {
        client.maximised = false;
        place(window, client, client.normalX, client.normalY, client.normalWidth, client.normalHeight);
    }
}

bool wantsMaximised(Window window)
{
    Atom type;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    bool result = false;
    if (XGetWindowProperty(display, window, netWmState, 0, 32, False, XA_ATOM, &type, &format, &count, &after,
                           &data) == Success && data) {
        const Atom *atoms = reinterpret_cast<const Atom *>(data);
        for (unsigned long i = 0; i < count; ++i)
            result = result || atoms[i] == netMaxVert || atoms[i] == netMaxHorz;
        XFree(data);
    }
    return result;
}

// Qt asks for the client's own position (static gravity) unless it says
// otherwise; the frame goes round it.
bool staticGravity(Window window)
{
    XSizeHints hints;
    long supplied = 0;
    if (XGetWMNormalHints(display, window, &hints, &supplied) && (hints.flags & PWinGravity))
        return hints.win_gravity == StaticGravity;
    return false;
}

void manage(Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.override_redirect)
        return;
    const bool maximise = wantsMaximised(window);
    Client &client = clients[window];
    const Extents &e = normalFrame;
    int x = attributes.x, y = attributes.y;
    if (staticGravity(window)) {
        x -= int(e.left);
        y -= int(e.top);
    }
    client.frame = XCreateSimpleWindow(display, root, x, y, unsigned(attributes.width + e.left + e.right),
                                       unsigned(attributes.height + e.top + e.bottom), 0, 0, 0x3c5a78);
    clientOfFrame[client.frame] = window;
    XSelectInput(display, client.frame, SubstructureRedirectMask | SubstructureNotifyMask | ButtonPressMask);
    XSelectInput(display, window, PropertyChangeMask | StructureNotifyMask);
    XAddToSaveSet(display, window);
    XReparentWindow(display, window, client.frame, int(e.left), int(e.top));
    const long normalState[2] = {NormalState, None};
    XChangeProperty(display, window, wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(normalState), 2);
    XMapWindow(display, window);
    XMapRaised(display, client.frame);
    if (maximise) {
        setMaximised(window, client, true);
    } else {
        publishState(window, client);
        tellGeometry(window);
    }
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
}

void unmanage(Window window, bool destroyed)
{
    auto found = clients.find(window);
    if (found == clients.end())
        return;
    const Window frame = found->second.frame;
    if (!destroyed) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display, frame, &attributes);
        XReparentWindow(display, window, root, attributes.x, attributes.y);
        XRemoveFromSaveSet(display, window);
        XDeleteProperty(display, window, netFrameExtents);
    }
    XDestroyWindow(display, frame);
    clientOfFrame.erase(frame);
    clients.erase(found);
}

void configure(const XConfigureRequestEvent &request)
{
    auto found = clients.find(request.window);
    if (found == clients.end()) {
        XWindowChanges changes;
        changes.x = request.x;
        changes.y = request.y;
        changes.width = request.width;
        changes.height = request.height;
        changes.border_width = request.border_width;
        changes.sibling = request.above;
        changes.stack_mode = request.detail;
        XConfigureWindow(display, request.window, unsigned(request.value_mask), &changes);
        return;
    }
    Client &client = found->second;
    if (client.maximised && !stateAfterSize) {
        tellGeometry(request.window);
        return;
    }
    if (client.maximised)
        client.maximised = false;
    XWindowAttributes frameAttributes, clientAttributes;
    XGetWindowAttributes(display, client.frame, &frameAttributes);
    XGetWindowAttributes(display, request.window, &clientAttributes);
    const Extents &e = normalFrame;
    int x = frameAttributes.x, y = frameAttributes.y;
    const bool clientPosition = staticGravity(request.window);
    if (request.value_mask & CWX)
        x = request.x - (clientPosition ? int(e.left) : 0);
    if (request.value_mask & CWY)
        y = request.y - (clientPosition ? int(e.top) : 0);
    const unsigned width = (request.value_mask & CWWidth) ? unsigned(request.width) : unsigned(clientAttributes.width);
    const unsigned height =
        (request.value_mask & CWHeight) ? unsigned(request.height) : unsigned(clientAttributes.height);
    place(request.window, client, x, y, width, height);
}

void stateRequest(const XClientMessageEvent &message)
{
    auto found = clients.find(message.window);
    if (found == clients.end())
        return;
    const long action = message.data.l[0];
    const bool aboutMaximising = Atom(message.data.l[1]) == netMaxVert || Atom(message.data.l[1]) == netMaxHorz
                                 || Atom(message.data.l[2]) == netMaxVert || Atom(message.data.l[2]) == netMaxHorz;
    if (!aboutMaximising)
        return;
    const bool maximised = action == 2 ? !found->second.maximised : action == 1;
    setMaximised(message.window, found->second, maximised);
}

void titleClick(const XButtonEvent &press)
{
    auto frame = clientOfFrame.find(press.window);
    if (frame == clientOfFrame.end())
        return;
    Client &client = clients[frame->second];
    XRaiseWindow(display, client.frame);
    XSetInputFocus(display, frame->second, RevertToPointerRoot, CurrentTime);
    if (press.button == Button1 && press.time - client.lastTitleClick < 400) {
        setMaximised(frame->second, client, !client.maximised);
        client.lastTitleClick = 0;
        return;
    }
    client.lastTitleClick = press.time;
}

} // namespace

int main(int argc, char **argv)
{
    if ((argc > 1 && !parseExtents(argv[1], normalFrame)) || (argc > 2 && !parseExtents(argv[2], maximisedFrame))
        || (argc > 3 && std::strcmp(argv[3], "late") != 0)) {
        std::fprintf(stderr, "usage: scratchwm [L,R,T,B] [L,R,T,B] [late]\n");
        return 2;
    }
    stateAfterSize = argc > 3;
    display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "scratchwm: no display\n");
        return 1;
    }
    root = DefaultRootWindow(display);
    screenWidth = DisplayWidth(display, DefaultScreen(display));
    screenHeight = DisplayHeight(display, DefaultScreen(display));

    XSetErrorHandler(detectOtherManager);
    XSelectInput(display, root, SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(display, False);
    if (otherManager) {
        std::fprintf(stderr, "scratchwm: another window manager runs\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);

    netSupported = XInternAtom(display, "_NET_SUPPORTED", False);
    netSupportingCheck = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    netWorkarea = XInternAtom(display, "_NET_WORKAREA", False);
    netFrameExtents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    netWmState = XInternAtom(display, "_NET_WM_STATE", False);
    netMaxVert = XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", False);
    netMaxHorz = XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False);
    netNumberOfDesktops = XInternAtom(display, "_NET_NUMBER_OF_DESKTOPS", False);
    netCurrentDesktop = XInternAtom(display, "_NET_CURRENT_DESKTOP", False);
    utf8String = XInternAtom(display, "UTF8_STRING", False);
    wmState = XInternAtom(display, "WM_STATE", False);

    const Window check = XCreateSimpleWindow(display, root, -1, -1, 1, 1, 0, 0, 0);
    for (Window window : {root, check})
        XChangeProperty(display, window, netSupportingCheck, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(&check), 1);
    XChangeProperty(display, check, netWmName, utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char *>("scratchwm"), 9);
    const Atom supported[] = {netSupported, netSupportingCheck, netWorkarea, netFrameExtents, netWmState,
                              netMaxVert, netMaxHorz, netNumberOfDesktops, netCurrentDesktop};
    XChangeProperty(display, root, netSupported, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(supported), sizeof supported / sizeof supported[0]);
    const long workarea[4] = {0, 0, screenWidth, screenHeight};
    XChangeProperty(display, root, netWorkarea, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(workarea), 4);
    const long one = 1, zero = 0;
    XChangeProperty(display, root, netNumberOfDesktops, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&one), 1);
    XChangeProperty(display, root, netCurrentDesktop, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&zero), 1);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);

    const int xFd = ConnectionNumber(display);
    std::string command;
    for (;;) {
        if (!XPending(display)) {
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(xFd, &ready);
            FD_SET(STDIN_FILENO, &ready);
            if (select(xFd > STDIN_FILENO ? xFd + 1 : STDIN_FILENO + 1, &ready, nullptr, nullptr, nullptr) < 0)
                continue;
            if (FD_ISSET(STDIN_FILENO, &ready)) {
                char c = 0;
                if (read(STDIN_FILENO, &c, 1) <= 0)
                    return 0;
                if (c != '\n') {
                    command += c;
                    continue;
                }
                for (auto &managed : clients)
                    setMaximised(managed.first, managed.second, command == "maximise");
                XSync(display, False);
                command.clear();
                std::printf("done\n");
                std::fflush(stdout);
            }
            if (!XPending(display))
                continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
        case MapRequest:
            if (clients.count(event.xmaprequest.window))
                XMapWindow(display, event.xmaprequest.window);
            else
                manage(event.xmaprequest.window);
            break;
        case ConfigureRequest:
            configure(event.xconfigurerequest);
            break;
        case UnmapNotify:
            if (event.xunmap.event != root || event.xunmap.send_event)
                unmanage(event.xunmap.window, false);
            break;
        case DestroyNotify:
            unmanage(event.xdestroywindow.window, true);
            break;
        case ClientMessage:
            if (event.xclient.message_type == netWmState)
                stateRequest(event.xclient);
            break;
        case ButtonPress:
            titleClick(event.xbutton);
            break;
        default:
            break;
        }
        XFlush(display);
    }
}
