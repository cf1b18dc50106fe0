#!/usr/bin/python3
"""What a screen reader learns of wavecalc over AT-SPI, the bus Orca uses.

Starts the program as a user does, then checks each window: it is a frame
named by its title, its logo is a link or button that can be activated,
and its results are read in chart order. Switches windows through the
accessibility interface itself, as a screen reader user would.
Usage: screen_reader_check.py <wavecalc>  (on a desktop with AT-SPI)
"""
import subprocess
import sys
import time

import pyatspi

RISING_TITLE = "Quorvane--上升5浪测算器"
FALLING_TITLE = "Quorvane --下跌3浪"
RISING_POINTS = ["浪(1) 起点", "浪(1) 终点", "浪(2) 终点", "浪(3) 终点",
                 "浪(3) 延伸终点", "浪(4) 终点", "浪(5) 终点"]
FALLING_POINTS = ["a 浪 起点", "a 浪 终点", "b 浪 终点", "c 浪 终点",
                  "c 浪 延伸终点"]

passed = 0
failed = 0


def check(condition, what):
    global passed, failed
    if condition:
        passed += 1
        print("PASS", what)
    else:
        failed += 1
        print("FAIL", what)


def wait_for(find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "wavecalc":
            return app
    return None


def showing_frame(app, title):
    for window in app:
        if window is not None and window.name == title and \
                window.getState().contains(pyatspi.STATE_SHOWING):
            return window
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def named(window, name):
    return next((n for n in descendants(window) if n.name == name), None)


def check_window(app, title, points, logo_name):
    window = wait_for(lambda: showing_frame(app, title))
    check(window is not None, f"a window named {title} shows")
    if window is None:
        return None
    check(window.getRoleName() == "frame",
          f"{title} is a frame ({window.getRoleName()})")
    logo = named(window, logo_name)
    check(logo is not None and logo.getRoleName() in ("link", "push button"),
          f"{title}: the logo is a link or button"
          f" ({logo.getRoleName() if logo else 'missing'})")
    if logo is not None:
        action = logo.queryAction()
        check(action.nActions >= 1, f"{title}: the logo can be activated")
    results = [child.name for child in window
               if any(child.name.startswith(point + " ") or child.name == point
                      for point in points)]
    read = [next(p for p in sorted(points, key=len, reverse=True)
                 if name.startswith(p)) for name in results]
    check(read == points, f"{title}: results are read in chart order: {read}")
    return window


def press(window, name):
    button = named(window, name)
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "Press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = wait_for(application)
        check(app is not None, "wavecalc is on the accessibility bus")
        if app is None:
            return 1
        rising = check_window(app, RISING_TITLE, RISING_POINTS,
                              "打开 Quorvane 网页")
        if rising is not None:
            press(rising, "切换下跌浪")
            check_window(app, FALLING_TITLE, FALLING_POINTS,
                         "打开 Quorvane 网页")
    finally:
        program.terminate()
        program.wait(timeout=10)
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
