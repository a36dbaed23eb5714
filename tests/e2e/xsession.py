"""A private X server with a window manager, and real input into it, for driving the program as a
user would: Xvfb, openbox, xdotool, wmctrl, and the server's own frame buffer for looking."""

import os
import shutil
import struct
import subprocess
import tempfile
import time


class XSession:
    def __init__(self, width=1280, height=1024):
        self.fbdir = tempfile.mkdtemp(prefix="orvanel-x-")
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-fbdir", self.fbdir],
            pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as r:
            number = r.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._wait(lambda: self.run("wmctrl", "-m", check=False).returncode == 0, "window manager")

    def close(self):
        for p in (self.wm, self.xvfb):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
        shutil.rmtree(self.fbdir, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def run(self, *args, check=True):
        return subprocess.run(args, env=self.env, capture_output=True, text=True, check=check,
                              timeout=30)

    def start(self, *args):
        """Starts a client; what it prints goes to a file (a pipe nobody reads would stall it),
        kept as the process's `log` attribute."""
        log = tempfile.TemporaryFile(mode="w+")
        process = subprocess.Popen(args, env=self.env, stdout=log, stderr=subprocess.STDOUT)
        process.log = log
        return process

    @staticmethod
    def _wait(condition, what, timeout=60.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if condition():
                return
            time.sleep(0.05)
        raise AssertionError(f"timed out waiting for {what}")

    # Windows, by their exact title.
    def visible_window(self, title):
        out = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$",
                       check=False).stdout.split()
        return int(out[0]) if out else None

    def wait_visible(self, title):
        found = []

        def mapped_and_placed():
            # A window being reparented by the window manager may be briefly unviewable, so the
            # id and its geometry are taken together, and again until both are there.
            wid = self.visible_window(title)
            if wid is not None and self.geometry(wid) is not None:
                found[:] = [wid]
                return True
            return False

        self._wait(mapped_and_placed, f"window {title!r}")
        time.sleep(0.3)  # mapped comes before painted
        return found[0]

    def wait_gone(self, title):
        self._wait(lambda: self.visible_window(title) is None, f"{title!r} to disappear")

    def title(self, wid):
        out = self.run("xprop", "-id", str(wid), "_NET_WM_NAME").stdout
        # _NET_WM_NAME(UTF8_STRING) = "回答用紙"
        return out.split("=", 1)[1].strip().strip('"')

    def geometry(self, wid):
        """Client area on the screen: x, y, width, height (None while unmapped)."""
        out = self.run("xwininfo", "-id", str(wid), check=False).stdout
        values = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        try:
            return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                                 "Width", "Height"))
        except (KeyError, ValueError):
            return None

    # Real input.
    def click(self, wid, x, y):
        self.run("xdotool", "mousemove", "--window", str(wid), str(x), str(y), "click", "1")
        # Park the pointer where it covers nothing we look at: the frame buffer shows it.
        self.run("xdotool", "mousemove", "0", "0")
        time.sleep(0.15)

    def keys(self, wid, *keys):
        self.run("xdotool", "windowactivate", "--sync", str(wid), check=False)
        self.run("xdotool", "key", "--delay", "60", *keys)
        time.sleep(0.15)

    def close_box(self, title):
        """What the close box of the frame does: the window manager asks the client to close."""
        self.run("wmctrl", "-c", title)

    # Looking at the screen.
    def _framebuffer(self):
        """The screen as Xvfb keeps it in its frame buffer file (XWD, 32 bits a pixel, BGRX):
        the bytes, their width and height, the bytes a line, and where the pixels start."""
        with open(os.path.join(self.fbdir, "Xvfb_screen0"), "rb") as f:
            data = f.read()
        header_size, _, _, _, width, height = struct.unpack(">6I", data[:24])
        bytes_per_line = struct.unpack(">I", data[48:52])[0]
        ncolors = struct.unpack(">I", data[76:80])[0]
        return data, width, height, bytes_per_line, header_size + ncolors * 12

    def pixels(self, wid, x, y, w, h):
        """RGB triples of a rectangle of a window's client area, as the server shows it."""
        wx, wy, _, _ = self.geometry(wid)
        data, _, _, bytes_per_line, start = self._framebuffer()
        rows = []
        for row in range(wy + y, wy + y + h):
            line = []
            for col in range(wx + x, wx + x + w):
                off = start + row * bytes_per_line + col * 4
                line.append((data[off + 2], data[off + 1], data[off]))
            rows.append(line)
        return rows

    def screenshot(self, path):
        """The whole screen as a PNG file."""
        import zlib
        data, width, height, bytes_per_line, start = self._framebuffer()
        raw = bytearray()
        for row in range(height):
            raw.append(0)
            line = data[start + row * bytes_per_line: start + row * bytes_per_line + width * 4]
            for i in range(0, width * 4, 4):
                raw += bytes((line[i + 2], line[i + 1], line[i]))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body +
                    struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
        png = (b"\x89PNG\r\n\x1a\n" +
               chunk(b"IHDR", struct.pack(">2I5B", width, height, 8, 2, 0, 0, 0)) +
               chunk(b"IDAT", zlib.compress(bytes(raw), 6)) + chunk(b"IEND", b""))
        with open(path, "wb") as f:
            f.write(png)
