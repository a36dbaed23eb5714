"""A burst of random real input: thousands of clicks at random points of whichever window is up,
key presses on the sheet, and now and then closing the sheet by its close box. The program must
still be running and answering at the end, and leave through 終了 with status 0.

usage: burst.py [--actions N] [--seconds S] [--seed K] PATH-TO-ORVANEL
"""

import argparse
import random
import time

from drive import EXIT, SELECTION, SHEET, START, check, exit_status
from xsession import XSession

# Keys a user might hit on the sheet. No modifiers: those belong to the window manager.
KEYS = ["Tab", "space", "Return", "Up", "Down", "Left", "Right", "1", "a", "Escape", "BackSpace"]
BATCH = 40  # actions a single xdotool call carries


def inside(rect, x, y):
    rx, ry, rw, rh = rect
    return rx <= x < rx + rw and ry <= y < ry + rh


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--actions", type=int, default=2000)
    parser.add_argument("--seconds", type=float, default=150.0)
    parser.add_argument("--seed", type=int, default=11)
    parser.add_argument("binary")
    args = parser.parse_args()
    rng = random.Random(args.seed)

    # The exit button is the only point whose click ends the run early; it is left out of the
    # burst and pressed on purpose at the end.
    exit_button = (EXIT[0] - 84, EXIT[1] - 24, 169, 49)

    with XSession() as x:
        program = x.start(args.binary)
        x.wait_visible(SELECTION)
        done, started = 0, time.monotonic()
        while done < args.actions and time.monotonic() - started < args.seconds:
            if done % 600 == 0:
                check(program.poll() is None, f"alive after {done} actions")
            sheet = x.visible_window(SHEET)
            main_window = x.visible_window(SELECTION)
            if sheet is None and main_window is None:
                time.sleep(0.05)  # between one window hiding and the other showing
                continue
            command = ["xdotool"]
            if sheet is not None:
                for _ in range(BATCH):
                    if rng.random() < 0.6:
                        command += ["mousemove", "--window", str(sheet),
                                    str(rng.randrange(1070)), str(rng.randrange(651)), "click", "1"]
                    else:
                        command += ["key", rng.choice(KEYS)]
            else:
                for _ in range(BATCH):
                    px, py = rng.randrange(442), rng.randrange(310)
                    if not inside(exit_button, px, py):
                        command += ["mousemove", "--window", str(main_window), str(px), str(py),
                                    "click", "1"]
            x.run(*command, check=False)
            done += BATCH
            if sheet is not None and rng.random() < 0.15:
                x.close_box(SHEET)
        elapsed = time.monotonic() - started
        check(program.poll() is None, f"alive after {done} random actions in {elapsed:.0f} s")

        # Still answering: the sheet closes on request and the selection window comes back.
        if x.visible_window(SHEET) is not None:
            x.close_box(SHEET)
        main_window = x.wait_visible(SELECTION)
        x.click(main_window, *START)
        x.wait_visible(SHEET)
        x.close_box(SHEET)
        main_window = x.wait_visible(SELECTION)
        check(x.visible_window(SELECTION) == main_window, "the program still answers after the burst")
        x.click(main_window, *EXIT)
        code = exit_status(program)
        check(code == 0, f"'終了' ends it with status 0 (got {code})")


if __name__ == "__main__":
    main()
