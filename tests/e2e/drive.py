"""End-to-end: the real program in a real X server with a window manager, driven by real mouse
and keyboard input, checked by window titles and by what the screen shows.

usage: drive.py [--valgrind] PATH-TO-ORVANEL
"""

import os
import subprocess
import sys
import time

from xsession import XSession

SELECTION = "Orvanel"
SHEET = "回答用紙"

# Points of the selection window's client area.
START = (120, 272)
EXIT = (316, 272)
YEAR = {0: (100, 89), 3: (100, 203), 7: (280, 203)}

# Points of the sheet's client area (its content is not scrolled).
STANDARD, ALL, ANSWERS, CLEAR = (368, 24), (448, 24), (544, 24), (408, 64)
PASS_HINT = (768, 48, 190, 18)
SCORE = (662, 47, 26, 19)
SCORE_CAPTION = (696, 48, 48, 18)  # "問正解", always there once the sheet has painted


def choice_box(q, c):
    """Top-left of check box c of question q for the first questions of the morning column."""
    assert 1 <= q <= 10
    return 8 + 16 + 8 + 40 * (c - 1), 88 + 32 + 48 * (q - 1) + 16


def count(pixels, test):
    return sum(1 for row in pixels for p in row if test(p))


def dark(p):
    return sum(p) < 200


def red(p):
    return p[0] > 200 and p[1] < 80 and p[2] < 80


def settled(x, wid, rect):
    """The pixels of `rect` once two looks a moment apart agree: not a paint caught midway."""
    last = x.pixels(wid, *rect)
    for _ in range(100):
        time.sleep(0.3)
        now = x.pixels(wid, *rect)
        if now == last:
            return now
        last = now
    return last


def indicator(q, c):
    bx, by = choice_box(q, c)
    return bx + 3, by + 4, 9, 9  # inside the check box's square


def tick_marks(x, sheet, q, c):
    return count(x.pixels(sheet, *indicator(q, c)), dark)


def red_text(x, sheet, q, c):
    bx, by = choice_box(q, c)
    return count(x.pixels(sheet, bx + 14, by, 19, 17), red)


def check(condition, what, timeout=20.0):
    """Passes when `condition` holds; a callable is polled until it does, since the program
    repaints in its own time (slowly under valgrind)."""
    deadline = time.monotonic() + timeout
    while callable(condition) and not condition() and time.monotonic() < deadline:
        time.sleep(0.1)
    if not (condition() if callable(condition) else condition):
        raise AssertionError(what)
    print("ok -", what)


def exit_status(program):
    """Waits for the program to end; its status, with what it printed if that was not 0."""
    try:
        program.wait(60)
    except subprocess.TimeoutExpired:
        program.kill()
        raise
    if program.returncode != 0:
        program.log.seek(0)
        print(program.log.read(), file=sys.stderr)
    return program.returncode


def typical_use(x, binary, wrapper=()):
    program = x.start(*wrapper, binary)
    main = x.wait_visible(SELECTION)
    check(x.title(main) == SELECTION, "the selection window's frame reads 'Orvanel'")
    check(x.geometry(main)[2:] == (442, 310), "the selection window is 442 x 310")
    allowed = x.run("xprop", "-id", str(main), "_NET_WM_ALLOWED_ACTIONS").stdout
    motif = x.run("xprop", "-id", str(main), "_MOTIF_WM_HINTS").stdout.split("=")[1].split(",")
    decorations = int(motif[2], 16)
    check("_NET_WM_ACTION_CLOSE" in allowed and "MAXIMIZE" not in allowed
          and "RESIZE" not in allowed and not decorations & (0x20 | 0x40),
          "the selection window's frame has a close box but no minimise or maximise box")

    x.click(main, *YEAR[3])
    x.click(main, *START)
    sheet = x.wait_visible(SHEET)
    check(x.title(sheet) == SHEET, "the sheet's frame reads '回答用紙'")
    x.wait_gone(SELECTION)
    check(x.visible_window(SELECTION) is None, "starting hides the selection window")

    # The window may reach the screen in pieces; wait for the whole score line, red "0" included.
    check(lambda: count(x.pixels(sheet, *SCORE_CAPTION), dark) > 20
          and count(x.pixels(sheet, *SCORE), red) > 5, "the sheet paints its score line")
    zero = settled(x, sheet, SCORE)
    check(lambda: count(x.pixels(sheet, *PASS_HINT), dark) == 0, "no pass hint on a fresh sheet")
    before = count(settled(x, sheet, indicator(1, 1)), dark)
    for q in (1, 2, 3):
        x.click(sheet, choice_box(q, q)[0] + 6, choice_box(q, q)[1] + 8)  # right answers
    x.click(sheet, choice_box(4, 1)[0] + 6, choice_box(4, 1)[1] + 8)  # a wrong one
    check(lambda: tick_marks(x, sheet, 1, 1) > before + 4, "a click ticks a choice box")

    # Minimising and restoring is the window system's doing, not a new showing: marks stay.
    ticked = tick_marks(x, sheet, 1, 1)
    x.run("xdotool", "windowminimize", "--sync", str(sheet))
    x.run("wmctrl", "-i", "-a", hex(sheet))
    sheet = x.wait_visible(SHEET)
    check(lambda: tick_marks(x, sheet, 1, 1) == ticked, "minimising and restoring keeps the marks")

    x.click(sheet, *STANDARD)
    check(lambda: count(x.pixels(sheet, *PASS_HINT), dark) > 40, "standard scoring shows the pass hint")
    check(lambda: x.pixels(sheet, *SCORE) != zero, "standard scoring changes the score")
    standard = settled(x, sheet, SCORE)
    check(count(standard, red) > 10, "the score is red")

    x.click(sheet, *ALL)
    check(lambda: count(x.pixels(sheet, *PASS_HINT), dark) == 0, "scoring all hides the pass hint")
    check(lambda: x.pixels(sheet, *SCORE) == standard, "all-question scoring gives the same 3 here")

    check(red_text(x, sheet, 1, 1) == 0, "no answer is red before showing answers")
    x.click(sheet, *ANSWERS)
    check(lambda: red_text(x, sheet, 1, 1) > 5 and red_text(x, sheet, 2, 2) > 5,
          "showing answers turns the correct choices red")
    check(red_text(x, sheet, 4, 1) == 0, "a wrong choice stays black")

    x.click(sheet, *CLEAR)
    check(lambda: tick_marks(x, sheet, 1, 1) == before, "clearing unticks the boxes")
    check(lambda: red_text(x, sheet, 1, 1) == 0, "clearing removes the red")
    check(lambda: x.pixels(sheet, *SCORE) == zero, "clearing resets the score to 0")

    x.click(sheet, *ANSWERS)
    x.click(sheet, choice_box(5, 1)[0] + 6, choice_box(5, 1)[1] + 8)
    x.close_box(SHEET)
    x.wait_gone(SHEET)
    main = x.wait_visible(SELECTION)
    check(x.visible_window(SELECTION) == main,
          "closing the sheet by its close box brings back the selection window")
    check(program.poll() is None, "closing the sheet does not end the program")

    x.click(main, *YEAR[7])
    x.click(main, *START)
    sheet = x.wait_visible(SHEET)
    check(lambda: tick_marks(x, sheet, 5, 1) == before and red_text(x, sheet, 1, 1) == 0,
          "the sheet opens fresh for the next year")
    x.close_box(SHEET)
    main = x.wait_visible(SELECTION)

    x.click(main, *EXIT)
    code = exit_status(program)
    check(code == 0, f"'終了' ends the program with status 0 (got {code})")


def close_box_ends_program(x, binary):
    program = x.start(binary)
    x.wait_visible(SELECTION)
    x.close_box(SELECTION)
    code = exit_status(program)
    check(code == 0, f"the main window's close box ends the program with status 0 (got {code})")


def keyboard_only(x, binary):
    program = x.start(binary)
    main = x.wait_visible(SELECTION)
    # Focus starts on the start button; Tab to the years, Down to the second, back to start.
    x.keys(main, "Tab", "Down", "Tab", "Tab", "Return")
    sheet = x.wait_visible(SHEET)
    x.keys(sheet, "space")  # the first box in the keyboard order is question 5's first choice
    check(lambda: tick_marks(x, sheet, 5, 1) > 4, "space ticks the focused box")
    x.close_box(SHEET)
    main = x.wait_visible(SELECTION)
    x.keys(main, "shift+Tab", "Return")  # from the start button back to 終了
    code = exit_status(program)
    check(code == 0, f"keyboard alone reaches 終了 (got {code})")


def no_display(binary):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for name, extra in (("no display", {}), ("a stale DISPLAY", {"DISPLAY": ":9997"})):
        r = subprocess.run([binary], env=dict(env, **extra), capture_output=True, text=True,
                           timeout=30)
        check(r.returncode == 2 and "xvfb-run" in r.stderr,
              f"with {name} the program says how to get a display, without crashing")


HERE = os.path.dirname(os.path.abspath(__file__))
VALGRIND = ("valgrind", "--leak-check=full", "--errors-for-leak-kinds=definite",
            "--error-exitcode=3", "--quiet",
            "--suppressions=" + os.path.join(HERE, "..", "valgrind.supp"))


def main():
    binary = os.path.abspath(sys.argv[-1])
    if "--valgrind" in sys.argv:
        # One whole road of use in the real program, under valgrind's memory checks: any invalid
        # access or definitely lost block turns the exit status non-zero.
        with XSession() as x:
            typical_use(x, binary, VALGRIND)
        print("end-to-end under valgrind: all passed")
        return
    no_display(binary)
    with XSession() as x:
        typical_use(x, binary)
        close_box_ends_program(x, binary)
        keyboard_only(x, binary)
    print("end-to-end: all passed")


if __name__ == "__main__":
    main()
