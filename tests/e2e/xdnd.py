"""A drag source on the X server, as a file manager is one: it drags a list
of files onto a window with the XDND protocol and lets go, so that Wine
turns the drop into WM_DROPFILES for the window under the point.

Plain Xlib through ctypes, like the harness's screen reader. The source owns
the XdndSelection and hands out the files as text/uri-list when the target
asks (Wine asks at once, on XdndEnter, and waits only half a second), then
moves to the point, waits for the target's status and drops.
"""

import ctypes
import select
import time
import urllib.parse

SELECTION_REQUEST, SELECTION_NOTIFY, CLIENT_MESSAGE = 30, 31, 33
XDND_VERSION = 5
PROP_MODE_REPLACE = 0


class _ClientData(ctypes.Union):
    _fields_ = [("b", ctypes.c_char * 20), ("s", ctypes.c_short * 10),
                ("l", ctypes.c_long * 5)]


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", _ClientData)]


class _SelectionRequest(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("owner", ctypes.c_ulong),
                ("requestor", ctypes.c_ulong), ("selection", ctypes.c_ulong),
                ("target", ctypes.c_ulong), ("property", ctypes.c_ulong),
                ("time", ctypes.c_ulong)]


class _Selection(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("requestor", ctypes.c_ulong),
                ("selection", ctypes.c_ulong), ("target", ctypes.c_ulong),
                ("property", ctypes.c_ulong), ("time", ctypes.c_ulong)]


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", _ClientMessage),
                ("request", _SelectionRequest), ("selection", _Selection),
                ("pad", ctypes.c_long * 24)]


def uri_list(paths):
    """The text/uri-list of local files: percent-encoded UTF-8, one a line."""
    return "".join("file://" + urllib.parse.quote(path) + "\r\n" for path in paths).encode()


class DragSource:
    """One connection to the X server and an unmapped window of its own that
    owns the drag's selection."""

    def __init__(self, display_name):
        x = self.x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XCreateSimpleWindow.restype = ctypes.c_ulong
        x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                          ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                                          ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XSetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                         ctypes.c_ulong]
        x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                 ctypes.POINTER(_Event)]
        x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                      ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_char_p, ctypes.c_int]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_Event)]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = x.XOpenDisplay(display_name.encode())
        if not self.display:
            raise RuntimeError(f"cannot open X display {display_name}")
        root = x.XDefaultRootWindow(self.display)
        self.window = x.XCreateSimpleWindow(self.display, root, -10, -10, 1, 1, 0, 0, 0)
        self.atoms = {}
        self.offered = b""

    def close(self):
        self.x.XDestroyWindow(self.display, self.window)
        self.x.XCloseDisplay(self.display)

    def atom(self, name):
        if name not in self.atoms:
            self.atoms[name] = self.x.XInternAtom(self.display, name.encode(), 0)
        return self.atoms[name]

    def send(self, target, message, *values):
        event = _Event()
        client = event.client
        client.type = CLIENT_MESSAGE
        client.window = target
        client.message_type = self.atom(message)
        client.format = 32
        for i, value in enumerate(values):
            client.data.l[i] = value
        self.x.XSendEvent(self.display, target, 0, 0, ctypes.byref(event))
        self.x.XFlush(self.display)

    def answer(self, request):
        """Hands the files to whoever asks for them as text/uri-list;
        refuses any other form."""
        reply = _Event()
        sent = reply.selection
        sent.type = SELECTION_NOTIFY
        sent.requestor, sent.selection = request.requestor, request.selection
        sent.target, sent.time = request.target, request.time
        sent.property = 0
        if request.target == self.atom("text/uri-list") and request.property:
            self.x.XChangeProperty(self.display, request.requestor, request.property,
                                   request.target, 8, PROP_MODE_REPLACE, self.offered,
                                   len(self.offered))
            sent.property = request.property
        self.x.XSendEvent(self.display, request.requestor, 0, 0, ctypes.byref(reply))
        self.x.XFlush(self.display)

    def wait_message(self, name, deadline):
        """Serves selection requests until the target's client message `name`
        comes; returns its data, or None after deadline seconds."""
        end = time.monotonic() + deadline
        event = _Event()
        while True:
            while self.x.XPending(self.display):
                self.x.XNextEvent(self.display, ctypes.byref(event))
                if event.type == SELECTION_REQUEST:
                    self.answer(event.request)
                elif (event.type == CLIENT_MESSAGE
                      and event.client.message_type == self.atom(name)):
                    return list(event.client.data.l)
            left = end - time.monotonic()
            if left <= 0:
                return None
            select.select([self.x.XConnectionNumber(self.display)], [], [], min(left, 0.1))

    def drop(self, target, paths, point, deadline=30):
        """Drags paths onto the X window target and lets go at point (root
        coordinates). True when the target accepted and finished the drop."""
        self.offered = uri_list(paths)
        self.x.XSetSelectionOwner(self.display, self.atom("XdndSelection"), self.window, 0)
        self.send(target, "XdndEnter", self.window, XDND_VERSION << 24,
                  self.atom("text/uri-list"), 0, 0)
        self.send(target, "XdndPosition", self.window, 0, (point[0] << 16) | point[1], 0,
                  self.atom("XdndActionCopy"))
        status = self.wait_message("XdndStatus", deadline)
        if status is None or not status[1] & 1:
            self.send(target, "XdndLeave", self.window, 0, 0, 0, 0)
            return False
        self.send(target, "XdndDrop", self.window, 0, 0, 0, 0)
        return self.wait_message("XdndFinished", deadline) is not None


def drop_files(display_name, target, paths, point):
    """One drag of paths onto the X window target, let go at point."""
    source = DragSource(display_name)
    try:
        return source.drop(target, paths, point)
    finally:
        source.close()
