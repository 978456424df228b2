#!/usr/bin/env python3
# The real program driven as a user would: answers piped in or typed at a terminal, the
# results on standard output, and its window on a virtual X screen (Xvfb), looked at with
# ImageMagick's import, typed into, resized and closed with xdotool.
#
# python3 app/presek_e2e_test.py build/presek .
import math
import os
import pty
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import xml.etree.ElementTree as ElementTree

PROGRAM, SOURCE = (os.path.abspath(a) for a in sys.argv[1:3])
TITLE = "Geometrija - prikaz zadatka"
BACKGROUND, RED, BLACK, GRID = (230, 230, 204), (255, 0, 0), (0, 0, 0), (204, 204, 178)
LIMIT = int(os.environ.get("PRESEK_E2E_LIMIT", "20"))  # seconds any one wait may take
PROMPTS = "".join(f"Uneti koordinate {i}. temena (T{t}): " for t in (1, 2) for i in (1, 2, 3))
TYPICAL_INPUT = "0 0\n4 0\n0 4\n1 1\n5 1\n1 5\n"
TYPICAL = ("Broj presecnih tacaka : n = 2\nBroj temena trougla T1 u trouglu T2: p = 0\n"
           "Broj temena trougla T2 u trouglu T1: q = 1\nBroj temena presecnog poligona je : 3\n"
           "T[0]=( 3.000 , 1.000 )\nT[1]=( 1.000 , 3.000 )\nT[2]=( 1.000 , 1.000 )\n")

FOUR_CORNERS = ("Broj temena presecnog poligona je : 4\nT[0]=( 1.000 , 0.000 )\n"
                "T[1]=( 3.400 , 0.600 )\nT[2]=( 3.000 , 1.000 )\nT[3]=( 1.000 , 1.000 )\n")


def counts(n, p, q):
    return (f"Broj presecnih tacaka : n = {n}\nBroj temena trougla T1 u trouglu T2: p = {p}\n"
            f"Broj temena trougla T2 u trouglu T1: q = {q}\n")


def read_until(fd, until=None, quiet=0):
    # What fd gives until its text holds `until`, until it stays quiet for `quiet` seconds (the
    # program waits for input), or until it ends or the limit passes.
    text, deadline = b"", time.monotonic() + LIMIT
    while (until is None or until.encode() not in text) and time.monotonic() < deadline:
        if select.select([fd], [], [], quiet or 0.1)[0]:
            try:
                chunk = os.read(fd, 4096)
            except OSError:  # a terminal whose program has ended
                break
            if not chunk:
                break
            text += chunk
        elif quiet:
            break
    return text.decode(errors="replace")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True,
                          timeout=LIMIT).stdout.split()


class Shot:
    # A window's pixels, from an 8-bit PPM image.

    def __init__(self, ppm):
        magic, width, height, depth, self.data = ppm.split(maxsplit=4)
        self.width, self.height = int(width), int(height)

    @staticmethod
    def of(source):
        command = ["import", "-window", source] if source.isdigit() else ["convert", source]
        return Shot(subprocess.run(command + ["-depth", "8", "ppm:-"], capture_output=True,
                                   timeout=LIMIT).stdout)

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def near(self, x, y, colour, radius):
        return any(self.at(x + dx, y + dy) == colour for dx in range(-radius, radius + 1)
                   for dy in range(-radius, radius + 1)
                   if 0 <= x + dx < self.width and 0 <= y + dy < self.height)

    def project(self, camera, x, y):
        # The pixel of plane point (x, y) under a camera at (cx, cy, distance) that looks
        # straight down with a vertical field of view of 45 degrees.
        cx, cy, distance = camera
        f = 1 / math.tan(math.radians(22.5))
        ndc_x = (x - cx) * f * self.height / self.width / distance
        ndc_y = (y - cy) * f / distance
        return (round((ndc_x + 1) * self.width / 2 - 0.5),
                round((1 - ndc_y) * self.height / 2 - 0.5))

    def drawn_box(self):
        # Left, top, right and bottom of the pixels that are not background.
        found = [(x, y) for y in range(self.height) for x in range(self.width)
                 if self.at(x, y) != BACKGROUND]
        xs, ys = [x for x, _ in found], [y for _, y in found]
        return min(xs), min(ys), max(xs), max(ys)


def towards(pixel, colour):
    # How far a pixel goes from the background towards a colour: 1 all the way.
    d = [c - b for c, b in zip(colour, BACKGROUND)]
    return sum((p - b) * e for p, b, e in zip(pixel, BACKGROUND, d)) / sum(e * e for e in d)


def reddish(pixel):
    return pixel[0] > max(pixel[1:]) + 40


def inked(shot):
    # The pixels of a shot that are not background, by place.
    return {(i // 3 % shot.width, i // 3 // shot.width): tuple(shot.data[i:i + 3])
            for i in range(0, len(shot.data), 3) if shot.data[i:i + 3] != bytes(BACKGROUND)}


def near(pixels, at, test):  # within 2 pixels of at
    return any(test(pixels.get((at[0] + dx, at[1] + dy), BACKGROUND))
               for dx in range(-2, 3) for dy in range(-2, 3))


class Run:
    # The program with its window on the screen, given its input on a pipe. Each step waits for
    # the frame it expects, as long as LIMIT allows, rather than for a fixed time.
    started = []  # every run's process, ended after each test, so that no window stays behind

    def __init__(self, answers, until, args=(), **popen):
        self.process = subprocess.Popen([PROGRAM, *args], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE,
                                        **{"stderr": subprocess.DEVNULL, **popen})
        Run.started.append(self.process)
        self.process.stdin.write(answers.encode())
        self.process.stdin.close()
        self.out = read_until(self.process.stdout.fileno(), until)
        self.window = xdotool("search", "--sync", "--name", TITLE)[0]
        for _ in range(100):  # until the first frame is drawn
            if self.shot().at(3, 3) == BACKGROUND:
                break
            time.sleep(0.1)

    def shot(self):
        return Shot.of(self.window)

    def press(self, *keys):
        if keys:
            xdotool("windowfocus", "--sync", self.window, "key", *keys)

    def after(self, *keys, expect=None):
        # The first frame after the keys that is the expected one: a picture (its pixels), one
        # that satisfies a test, or, by default, one that differs from the frame before them.
        before, pixels = None if expect else self.shot().data, expect
        if not callable(expect):
            expect = lambda shot: shot.data == pixels if pixels else shot.data != before
        self.press(*keys)
        deadline = time.monotonic() + LIMIT
        while True:
            shot = self.shot()
            if expect(shot) or time.monotonic() > deadline:
                return shot
            time.sleep(0.02)

    def unchanged(self, *keys):
        # The frame after keys that change nothing: l, which hides the words, and l again are
        # answered after them, in order.
        before = self.shot().data
        self.after(*keys, "l", expect=lambda shot: shot.data != before)
        return self.after("l", expect=before)

    def settled(self, *keys):
        # The frame after keys whose last frame is not known: the first that stays the same.
        self.press(*keys)
        last, deadline = self.shot(), time.monotonic() + LIMIT
        while time.monotonic() < deadline:
            time.sleep(0.1)
            shot = self.shot()
            if shot.data == last.data:
                break
            last = shot
        return last

    def status(self):
        self.process.stdout.close()
        if self.process.stderr:
            self.process.stderr.close()
        try:
            return self.process.wait(LIMIT)
        finally:  # a program that does not end is ended, so that no window stays behind
            self.process.kill()


class Presek(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        read, write = os.pipe()
        cls.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                     "1280x1024x24", "-nolisten", "tcp"], pass_fds=[write],
                                    stderr=subprocess.DEVNULL)
        os.close(write)
        os.environ["DISPLAY"] = ":" + read_until(read, "\n").strip()

    def tearDown(self):
        xdotool("mousemove", "0", "0")  # off every window: no red point stays hovered
        for process in Run.started:
            process.kill()
            process.wait()
        Run.started.clear()

    @classmethod
    def tearDownClass(cls):
        cls.xvfb.terminate()
        cls.xvfb.wait()

    def assert_marks(self, shot, camera, marks, what):
        # Each plane point shows its colour within two pixels, or, for a point mark (4 pixels
        # wide), exactly one pixel below and right of it, where no line passes.
        for x, y, colour, *point_mark in marks:
            px, py = shot.project(camera, x, y)
            seen = shot.at(px + 1, py + 1) == colour if point_mark else shot.near(
                px, py, colour, 2)
            self.assertTrue(seen, f"{what}: ({x}, {y}) at ({px}, {py})")

    def test_results_then_the_window(self):
        runs = [  # what, answers, results, camera (over cx, cy, at distance), marks
            ("typical", TYPICAL_INPUT, TYPICAL, (2.5, 2.5, 5),
             [(2, 2, RED), (1, 2, RED), (2, 1, RED), (3, 3, BLACK), (0, 2, BLACK),
              (4.5, 1, BLACK), (1.8, 1.8, BACKGROUND)]),
            # A lone red point where the triangles touch, over the black end marks.
            ("one point", "0 0\n2 0\n0 2\n2 0\n4 0\n3 2\n", counts(1, 0, 0), (2, 1, 4),
             [(2, 0, RED, True), (4, 0, BLACK, True), (1, 1, BLACK)]),
            # Scenes beyond the first clip planes: both drawn; nothing overlaps.
            ("empty, large", "4000 4000\n6000 4000\n4000 6000\n7000 7000\n7100 7000\n7000 7100\n",
             counts(0, 0, 0), (4062, 3900, 8124), [(5000, 4000, BLACK), (4000, 5000, BLACK)]),
            ("empty, small", "0.05 0.05\n0.25 0.05\n0.05 0.25\n0.3 0.3\n0.35 0.3\n0.3 0.35\n",
             counts(0, 0, 0), (0.2, 0.2, 0.4), [(0.15, 0.05, BLACK), (0.05, 0.15, BLACK)]),
        ]
        result_lines = {}
        for what, answers, results, camera, marks in runs:
            with self.subTest(what):
                run = Run(answers, PROMPTS + "\n" + results)
                self.assertEqual(run.out, PROMPTS + "\n" + results)
                self.assertEqual(xdotool("getwindowgeometry", "--shell", run.window)[1:5],
                                 ["X=100", "Y=50", "WIDTH=1024", "HEIGHT=700"])
                shot, plain = run.shot(), run.after("l")
                self.assert_marks(plain, camera, marks, what)
                # l takes away the words and nothing else.
                words = lambda x, y: shot.at(x, y) != plain.at(x, y)
                self.assertEqual(run.after("l", expect=shot.data).data, shot.data)
                if what == "typical":  # the three pictures were checked by eye
                    self.assertEqual(shot.data, Shot.of(f"{SOURCE}/docs/window.png").data)
                    # The words stand on backings: the sides that cross them are cut there.
                    self.assertTrue(any(plain.data[i:i + 3] == bytes(BLACK) and
                                        shot.data[i:i + 3] == bytes(BACKGROUND)
                                        for i in range(0, 30 * shot.width * 3, 3)))
                    self.assertEqual(plain.data, Shot.of(
                        f"{SOURCE}/testing/typical_first_frame_without_words.png").data)
                    grid = Shot.of(f"{SOURCE}/docs/window_grid.png").data
                    self.assertEqual(run.after("g", expect=grid).data, grid)
                # The result line: in the top-left corner, its text 8 pixels and its backing at
                # least 6 from the edges; its words end where a wide gap follows.
                xs = sorted({x for x in range(shot.width) for y in range(30) if words(x, y)})
                ends = [a for a, b in zip(xs, xs[1:] + [9999]) if b - a > 20]
                self.assertTrue(xs and xs[0] >= 6 and not any(
                    words(x, y) for x in range(ends[0]) for y in range(6)))
                result_lines[what] = ends[0]
                # Closed by its key, or destroyed by another client: the run ends well.
                if what in ("typical", "empty, large"):
                    run.press("q")
                else:
                    xdotool("windowclose", run.window)
                self.assertEqual(run.status(), 0)
        # "... Presek je prazan." is shorter than "... Presek je tacka ( 2.000 , 0.000 ).", and
        # that than the polygon's line with the hint to press f.
        self.assertEqual(result_lines["empty, large"], result_lines["empty, small"])
        self.assertLess(result_lines["empty, small"], result_lines["one point"])
        self.assertLess(result_lines["one point"], result_lines["typical"])

    def test_keys_move_the_view_and_close(self):
        run = Run(TYPICAL_INPUT, "T[2]")
        first = run.after("l")  # without the words, the drawing alone
        # f: the whole task, (0, 0)-(5, 5) with its 4-pixel end marks, fills the window's
        # height, and each vertex is drawn where that box puts it.
        fitted = run.after("f")
        left, top, right, bottom = fitted.drawn_box()
        self.assertTrue(top > 0 and bottom < fitted.height - 1 and
                        bottom - top > fitted.height * 8 // 10)
        for x, y, colour in [(0, 0, BLACK), (4, 0, BLACK), (0, 4, BLACK), (1, 1, RED),
                             (5, 1, BLACK), (1, 5, BLACK)]:
            px = left + 2 + round(x / 5 * (right - left - 4))
            py = bottom - 2 - round(y / 5 * (bottom - top - 4))
            self.assertTrue(fitted.near(px, py, colour, 3), (x, y))
        # + brings the camera closer, keys other than the arrows do nothing, the arrows pan,
        # and r brings the first view back.
        closer = run.after("plus")
        self.assertGreater(closer.drawn_box()[3], bottom)
        self.assertEqual(run.unchanged("F1").data, closer.data)
        self.assertNotEqual(run.after("Left").data, closer.data)
        self.assertEqual(run.after("r", expect=first.data).data, first.data)
        # - takes the camera back: 24 steps (x200) pass the first view's far plane, and the
        # task is still drawn, a few pixels across.
        small = lambda shot: shot.drawn_box()[3] - shot.drawn_box()[1] < 20
        self.assertTrue(small(run.after(*["minus"] * 24, expect=small)))
        # g twice: the grid comes and goes.
        run.after("r", expect=first.data)
        self.assertNotEqual(run.after("g").data, first.data)
        self.assertEqual(run.after("g", expect=first.data).data, first.data)
        # A resized window keeps the camera over (2.5, 2.5), at the new size's aspect.
        xdotool("windowsize", "--sync", run.window, "600", "500")
        resized = run.after("r", expect=lambda shot: (shot.width, shot.height) == (600, 500))
        self.assertEqual((resized.width, resized.height), (600, 500))
        self.assert_marks(resized, (2.5, 2.5, 5), [(1, 2, RED), (2, 1, RED), (3, 3, BLACK)],
                          "resized")
        run.press("Escape")
        self.assertEqual(run.status(), 0)

    def test_drag_and_take_back(self):
        # T2.1 of the typical task dragged from (1, 1) to (3, 1): the frame while it is held is
        # the README's picture; the drop prints one block, whose results a piped run of its
        # twelve numbers prints too; u brings back the first frame and the typed task's block.
        run = Run(TYPICAL_INPUT, PROMPTS + "\n" + TYPICAL)
        first, camera = run.shot(), (2.5, 2.5, 5)
        printed = lambda until=None: read_until(run.process.stdout.fileno(), until,
                                                quiet=0 if until else 0.5)
        top = lambda shot: shot.data[:30 * shot.width * 3]  # the result line's rows

        def drag(button, start, end, expect, steps=4):
            (x0, y0), (x1, y1) = first.project(camera, *start), first.project(camera, *end)
            xdotool("mousemove", "--window", run.window, str(x0), str(y0), "mousedown", button)
            for k in range(1, steps + 1):
                xdotool("mousemove", "--window", run.window, str(x0 + (x1 - x0) * k // steps),
                        str(y0 + (y1 - y0) * k // steps))
            held = run.after(expect=expect)
            xdotool("mouseup", button)
            return held

        # Another button, and a press on a red point that is no triangle's vertex, move nothing.
        drag("3", (1, 1), (3, 1), lambda shot: shot.data != first.data)  # T[0] says its origin
        drag("1", (3, 1), (2, 3), first.data)
        self.assertEqual(printed(), "")
        self.assertTrue(run.after(expect=first.data).data == first.data, "nothing moved")
        dragged = Shot.of(f"{SOURCE}/docs/window_dragged.png").data
        held = drag("1", (1, 1), (3, 1), dragged)
        self.assertEqual(held.data, dragged)
        task, results = printed("q = 0\n").split("\n", 1)
        self.assertRegex(task, r"^Zadatak: (\S+ ){11}\S+$")
        piped = subprocess.run([PROGRAM], input=task[9:], capture_output=True, text=True,
                               timeout=LIMIT, env={"PATH": os.environ["PATH"]})
        self.assertEqual(piped.stdout, PROMPTS + "\n" + results)
        self.assertEqual(top(run.shot()), top(held))  # the new task's result line
        xdotool("mousemove", "0", "0")  # off the red point where the vertex was dropped
        self.assertEqual(run.after("u", expect=first.data).data, first.data)
        self.assertEqual(printed("T[2]=( 1.000 , 1.000 )\n"),
                         "Zadatak: 0 0 4 0 0 4 1 1 5 1 1 5\n" + TYPICAL)
        self.assertTrue(run.unchanged("u").data == first.data and printed() == "",
                        "u at the start")
        # The hint to press f goes once f shows the whole task: the result line is shorter.
        right_end = lambda shot: max(x for y in range(30) for x in range(shot.width)
                                     if shot.at(x, y) != BACKGROUND)
        shorter = lambda shot: right_end(shot) < right_end(first) - 100
        self.assertTrue(shorter(run.after("f", expect=shorter)))
        run.press("q")
        self.assertEqual(run.status(), 0)

    def test_grid_numbers_read_back(self):
        # With g each grid line carries its coordinate, along the bottom and the left edge, in
        # the step's decimals: read back from the window by OCR (tesseract), at a step of 1 and,
        # fitted and three steps closer, of 0.5. The task comes as a terminal's answers saved to
        # a file: the typical task, and status 0.
        run = Run("(0,0)\n4, 0\n(0, 4)\n1 1\n5 1\n1 5\n", PROMPTS + "\n" + TYPICAL)
        self.assertEqual(run.out, PROMPTS + "\n" + TYPICAL)
        height = run.shot().height

        def read(geometry, psm, scale):
            return subprocess.run(
                f"import -window {run.window} ppm:- | convert ppm:- -crop {geometry} +repage "
                f"-scale {scale} png:- | tesseract stdin stdout --psm {psm} -c "
                "tessedit_char_whitelist=0123456789.-", shell=True, capture_output=True,
                text=True, timeout=LIMIT).stdout.split()

        for keys, along_x, along_y in [(["g"], "0 1 2 3 4 5", "3 2 1"),
                                       (["f"] + ["plus"] * 3, "1 1.5 2 2.5 3 3.5 4",
                                        "3 2.5 2 1.5")]:
            run.settled(*keys)
            self.assertEqual(read(f"900x30+84+{height - 30}", "7", "200%"), along_x.split())
            self.assertEqual(read(f"40x{height - 180}+0+150", "6", "300%"), along_y.split())
        run.press("q")
        self.assertEqual(run.status(), 0)
        # A number that a name would cover is left out: T1.2 stands where 4000000 would be,
        # and no name reads as a number's digits ("T1.2000").
        run = Run("0 0 4e6 0 0 4e6 1e6 1e6 5e6 1e6 1e6 5e6\n", "T[2]")
        run.settled("f", "g")
        numbers = read(f"1024x30+0+{height - 30}", "7", "200%")
        self.assertTrue({"3000000", "5000000"} <= set(numbers), numbers)
        self.assertEqual([n for n in numbers if "000" in n and not re.fullmatch("[1-9]0{6}", n)],
                         [], numbers)
        run.press("q")
        self.assertEqual(run.status(), 0)

    def test_origins_in_the_window(self):
        # The pointer on T[0] of the typical task: T1.2-T1.3 is drawn thick in blue, T2.1-T2.2 in
        # green, and nothing else takes those colours; the line at the bottom left says it. o
        # says every origin, a line each; l hides them with the other words. (The pictures of
        # the README, looked at by eye, are these frames.)
        run = Run(TYPICAL_INPUT, PROMPTS + "\n" + TYPICAL)
        first, camera = run.shot(), (2.5, 2.5, 5)
        xdotool("mousemove", "--window", run.window, *map(str, first.project(camera, 3, 1)))
        hovered = run.after(expect=Shot.of(f"{SOURCE}/docs/window_hover.png").data)

        def off_side(x, y, a, b):  # pixels from (x, y) to the drawn side a-b
            (ax, ay), (bx, by) = first.project(camera, *a), first.project(camera, *b)
            t = max(0, min(1, ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) /
                           ((bx - ax) ** 2 + (by - ay) ** 2)))
            return math.hypot(x - ax - t * (bx - ax), y - ay - t * (by - ay))

        for colour, a, b in [((0, 0, 255), (4, 0), (0, 4)), ((0, 255, 0), (1, 1), (5, 1))]:
            seen = [(i // 3 % hovered.width, i // 3 // hovered.width)
                    for i in range(0, len(hovered.data), 3)
                    if hovered.data[i:i + 3] == bytes(colour)]
            self.assertTrue(len(seen) > 1000 and all(off_side(x, y, a, b) < 2.5
                                                     for x, y in seen), colour)
        self.assertEqual(hovered.data, Shot.of(f"{SOURCE}/docs/window_hover.png").data)
        xdotool("mousemove", "0", "0")
        for keys, picture in [("o", f"{SOURCE}/docs/window_origins.png"),
                              ("l", f"{SOURCE}/testing/typical_first_frame_without_words.png")]:
            expected = Shot.of(picture).data
            self.assertEqual(run.after(keys, expect=expected).data, expected, picture)
        self.assertEqual(run.after("l", "o", expect=first.data).data, first.data)
        run.press("q")
        self.assertEqual(run.status(), 0)
        # In the six-pointed star every corner holds some of the drawing: the list says that it
        # covers it (read back by OCR).
        run = Run("0 0 6 0 3 6 0 4 3 -2 6 4\n", "T[5]")
        run.settled("o")
        said = subprocess.run(
            f"import -window {run.window} ppm:- | convert ppm:- -crop 460x26+0+{first.height - 28} "
            "+repage -scale 200% png:- | tesseract stdin stdout --psm 7", shell=True,
            capture_output=True, text=True, timeout=LIMIT).stdout
        self.assertIn("spisak pokriva crtez", said)
        run.press("q")
        self.assertEqual(run.status(), 0)

    def assert_vector_copy(self, shot, path, camera, points):
        # The SVG has the frame's colours, no other; rendered (rsvg-convert), every line and mark
        # of the frame has its colour within 2 pixels, and every line and mark of the drawing a
        # frame's pixel of its kind (red or grey), the ink of each kind as much (to within the
        # sqrt(2) that anti-aliasing adds to a slanted line); each word starts where the frame's
        # letters do, at their height, on a backing that holds them; its red marks stand at the
        # points.
        parts = [(e.tag.split("}")[1], e.attrib) for e in ElementTree.parse(path).getroot()]
        rgb = lambda h: tuple(int(h[k:k + 2], 16) for k in (1, 3, 5))
        self.assertEqual({rgb(a[k]) for _, a in parts for k in ("fill", "stroke")
                          if a.get(k, "none") != "none"}, set(inked(shot).values()) | {BACKGROUND})
        number = lambda a, *keys: [float(a[k]) for k in keys]
        words = [(*number(a, "x", "y", "textLength"), rgb(a["fill"])) for t, a in parts
                 if t == "text"]
        backings = [number(a, "x", "y", "width", "height") for t, a in parts[1:]
                    if t == "rect" and rgb(a["fill"]) == BACKGROUND]
        apart = lambda x, y: not any(left - 3 <= x <= left + 1.5 * length + 3 and
                                     base - 20 <= y <= base + 6 for left, base, length, _ in words)
        frame, drawn = inked(shot), inked(Shot(subprocess.run(
            f"rsvg-convert {path} | convert png:- -depth 8 ppm:-", shell=True,
            capture_output=True, timeout=LIMIT).stdout))
        kind = lambda colour: lambda p: reddish(p) == reddish(colour) and towards(p, colour) >= 0.4
        self.assertEqual([p for p, c in frame.items() if apart(*p) and not near(drawn, p, kind(c))]
                         + [p for p, c in drawn.items() if apart(*p) and towards(c, GRID) >= 0.6 and
                          not near(frame, p, lambda f: f != BACKGROUND and
                                   reddish(f) == reddish(c))], [])
        mass = lambda pixels, red: sum(sum(abs(a - b) for a, b in zip(c, BACKGROUND)) for p, c
                                       in pixels.items() if apart(*p) and reddish(c) == red)
        self.assertTrue(all(0.8 < mass(drawn, red) / mass(frame, red) < 1.6 for red in (0, 1)))
        for left, base, length, colour in words:
            box = lambda p: left - 1 <= p[0] <= left + length + 1 and base - 15 <= p[1] <= base + 4
            letters = [p for p, c in frame.items() if box(p) and c == colour]
            ink = [p for p, c in drawn.items() if box(p) and kind(colour)(c)]
            rows = lambda pixels: (min(y for _, y in pixels), max(y for _, y in pixels))
            self.assertTrue(0 <= min(letters)[0] - left <= 2 and abs(min(ink)[0] - left) <= 2 and
                            all(abs(a - b) <= 2 for a, b in zip(rows(letters), rows(ink))) and
                            any(x <= min(letters)[0] and max(letters)[0] < x + w and
                                y <= rows(letters)[0] and rows(letters)[1] < y + h
                                for x, y, w, h in backings), (left, base))
        marks = {(float(a["x"]) + 2, float(a["y"]) + 2) for t, a in parts
                 if t == "rect" and a["fill"] == "#ff0000"}
        at = [(px + 0.5, py + 0.5) for px, py in (shot.project(camera, *p) for p in points)]
        self.assertEqual({min(range(len(at)), key=lambda k: math.dist(m, at[k])) for m in marks},
                         set(range(len(at))))
        self.assertTrue(all(min(math.dist(m, a) for a in at) <= 1 for m in marks), marks)

    def test_handout(self):
        # h shows the task alone: no red pixel, the triangles with their names, no result line,
        # and no origin under the pointer; h again brings the solution back. s saves the frame
        # shown: a PNG equal to it, and an SVG of the same; quick presses give as many pairs,
        # numbered past the files there. A folder that cannot be written is said, and the window
        # goes on.
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        with open(f"{folder}/presek-3.png", "w") as earlier:
            earlier.write("earlier")
        run = Run(TYPICAL_INPUT, "T[2]", cwd=folder, stderr=subprocess.PIPE)
        said = lambda until: read_until(run.process.stderr.fileno(), until)
        first, camera = run.shot(), (2.5, 2.5, 5)
        alone, bare = run.after("h"), run.after("l")
        self.assertEqual([sum(map(reddish, inked(s).values())) > 0 for s in (first, alone)],
                         [True, False])
        self.assert_marks(alone, camera, [(3, 3, BLACK), (0, 2, BLACK), (4.5, 1, BLACK),
                                          (1, 1, BLACK, True)], "h")
        names = [y for (x, y), c in inked(alone).items() if bare.at(x, y) != c]
        self.assertTrue(len(names) > 100 and min(names) > 40, "names alone")
        run.after("l", expect=alone.data)
        xdotool("mousemove", "--window", run.window, *map(str, first.project(camera, 3, 1)))
        self.assertEqual(run.unchanged().data, alone.data)
        xdotool("mousemove", "0", "0")
        self.assertEqual(run.after("h", expect=first.data).data, first.data)
        shot = run.after("g")
        run.press("s")
        self.assertIn("Sacuvano: presek-1.png i presek-1.svg\n", said("presek-1.svg\n"))
        self.assertTrue(Shot.of(f"{folder}/presek-1.png").data == run.shot().data == shot.data)
        self.assert_vector_copy(shot, f"{folder}/presek-1.svg", camera, [(3, 1), (1, 3), (1, 1)])
        handout = Shot.of(f"{SOURCE}/docs/handout.png").data  # the README's picture
        self.assertEqual(run.after("h", "f", expect=handout).data, handout)
        run.press("s", "s", "s")
        self.assertEqual(re.findall(r"Sacuvano: presek-(\d).png i presek-(\d).svg\n",
                                    said("presek-5.svg\n")), [("2", "2"), ("4", "4"), ("5", "5")])
        self.assertTrue(all(Shot.of(f"{folder}/presek-{n}.png").data == handout for n in (2, 4, 5)))
        with open(f"{folder}/presek-3.png") as earlier:
            self.assertEqual(earlier.read(), "earlier")
        run.press("q")
        self.assertEqual(run.status(), 0)
        # A folder without leave to write (root writes anywhere: the program runs as nobody).
        os.chmod(folder, 0o555)
        self.addCleanup(os.chmod, folder, 0o755)
        nobody = {"user": 65534, "group": 65534} if os.geteuid() == 0 else {}
        run = Run(TYPICAL_INPUT, "T[2]", cwd=folder, stderr=subprocess.PIPE, **nobody)
        run.press("s")
        self.assertIn("Nije sacuvano: presek-6.png i presek-6.svg (nema dozvole za pisanje)\n",
                      read_until(run.process.stderr.fileno(), ")\n"))
        self.assertNotEqual(run.after("h").data, first.data)
    def test_lesson_in_the_window(self):
        # k: the first step, T1.1-T1.2 and T2.1-T2.2 (parallel) thick, no red point yet, and its
        # words; three steps on, the crossing at (3, 1) ringed (the README's picture); End: the
        # result; Esc leaves the lesson for the frame before it, and the window goes on.
        run = Run(TYPICAL_INPUT, PROMPTS + "\n" + TYPICAL)
        fitted = run.after("f")

        def rows_of(shot, colour):
            return {i // 3 // shot.width for i in range(0, len(shot.data), 3)
                    if shot.data[i:i + 3] == bytes(colour)}

        def words(keys):
            return subprocess.run(
                f"import -window {run.window} ppm:- | convert ppm:- -crop 900x50+0+0 +repage "
                "-scale 200% png:- | tesseract stdin stdout --psm 6", shell=True,
                capture_output=True, text=True, timeout=LIMIT).stdout

        step = run.after("k")
        for colour in [(0, 0, 255), (0, 255, 0)]:  # each a horizontal side, 3 pixels thick
            self.assertEqual(len(rows_of(step, colour)), 3, colour)
        self.assertEqual(rows_of(step, RED), set())
        self.assertIn("Korak 1 od 18", words(step))
        picture = Shot.of(f"{SOURCE}/docs/window_lesson.png").data
        self.assertEqual(run.after("Right", "space", "Down", expect=picture).data, picture)
        said = words(run.after("End"))
        self.assertIn("Korak 18 od 18", said)
        self.assertIn("Presek je poligon sa 3 temena", said)
        self.assertEqual(run.after("Escape", expect=fitted.data).data, fitted.data)
        run.press("q")
        self.assertEqual(run.status(), 0)

    def test_window_options_and_axes(self):
        # -geometry sizes and places the window; with the x axis across the view, it is named at
        # the right.
        run = Run(TYPICAL_INPUT, PROMPTS + "\n" + TYPICAL, ["-geometry", "640x480+0+0"])
        self.assertEqual(xdotool("getwindowgeometry", "--shell", run.window)[1:5],
                         ["X=0", "Y=0", "WIDTH=640", "HEIGHT=480"])
        axis = (153, 153, 133)
        shot = run.after("f", "Down", "Down", "g", expect=lambda shot: any(
            shot.at(600, y) == axis for y in range(shot.height // 4, shot.height - 40)))
        row = next(y for y in range(shot.height // 4, shot.height) if shot.at(600, y) == axis)
        self.assertTrue(any(shot.at(x, y) == BLACK for x in range(shot.width - 20, shot.width - 6)
                            for y in range(row - 22, row - 2)), "x named")
        run.press("q")
        self.assertEqual(run.status(), 0)

    def test_narrow_window(self):
        # In a narrow window the result line wraps, whole, and f puts the task under it.
        run = Run(TYPICAL_INPUT, PROMPTS + "\n" + TYPICAL, ["-geometry", "360x300"])
        shot = run.shot()
        for keys in [(), ("f",)]:
            shot = run.after(*keys) if keys else shot
            plain = run.after("l")
            words = [(x, y) for y in range(80) for x in range(shot.width)
                     if shot.at(x, y) != plain.at(x, y)]
            self.assertTrue(max(x for x, _ in words) < shot.width - 6 and
                            any(30 < y < 60 for _, y in words), keys)
            if keys:  # the drawing starts below the words
                self.assertGreater(plain.drawn_box()[1], max(y for _, y in words))
            run.after("l", expect=shot.data)

    def test_far_views_keep_answering(self):
        # The grid far from the origin, and at a step far below the spacing of the view's
        # coordinates: the window still draws, answers its keys and closes.
        for answers, keys in [("1e16 1e16\n" * 6, ["f", "g"]),
                              (TYPICAL_INPUT, ["f"] + ["plus"] * 165 + ["g"])]:
            with self.subTest(answers):
                run = Run(answers, "q = ")
                self.addCleanup(run.process.kill)
                shot = run.settled(*keys)
                self.assertTrue(run.after("l").data != shot.data, "l is answered")
                run.press("q")
                self.assertEqual(run.status(), 0)

    def test_terminal_dialogue(self):
        # Typed at a terminal: a point typed three ways, refused answers explained and asked
        # again, several pairs on a line answering several prompts, each shown answered; the
        # window then opens. Input that ends early ends the program with status 1. An answer is
        # edited with the arrows, and the up arrow brings back the answers of earlier runs, kept
        # in the home folder. (What a program writes just before it ends may not reach a
        # terminal reader, so the texts are read while the window is open.)
        home = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, home)
        env = {**os.environ, "HOME": home, "TERM": "xterm"}
        up, left = "\x1b[A", "\x1b[D"
        dialogues = [  # what, lines typed, texts the terminal shows, status
            ("a decimal comma, then every vertex",
             ["1,5 1\n", "0 0 (4, 0) 0, 4\n", "(1,1)\n", "5 1 1 5 7 7\n", "5 1 1 5\n"],
             ['"1,5" - ako je zarez decimalni, pisite tacku (1.5); ako razdvaja x i y, stavite '
              'razmak posle njega (1, 5) ili zagrade ((1,5)).\r\nUneti koordinate 1. temena (T1): ',
              "Uneti koordinate 2. temena (T1): 4 0\r\nUneti koordinate 3. temena (T1): 0 4\r\n"
              "Uneti koordinate 1. temena (T2): (1,1)\r\n",
              "uneto je temena: 3, a preostalo je jos 2. Unesite najvise 2.",
              "T[2]=( 1.000 , 1.000 )"], 0),
            ("input ends after one vertex", ["0 0\n", "\x04"], [], 1),
            ("an answer edited: 15, the left arrow, a blank", ["0 0 4 0 0 4 1 1 5 1\n",
             "15" + left + " \n"], ["T[2]=( 1.000 , 1.000 )"], 0),
            ("the last run's answers brought back", [up * 2 + "\n", up * 2 + "\n"],
             ["Uneti koordinate 2. temena (T2): 5 1\r\n", "T[2]=( 1.000 , 1.000 )"], 0),
        ]
        for what, lines, texts, status in dialogues:
            with self.subTest(what):
                fd, terminal = pty.openpty()
                run = subprocess.Popen([PROGRAM], stdin=terminal, stdout=terminal,
                                       stderr=terminal, env=env)
                shown = read_until(fd, "(T1): ")
                for line in lines:  # typed as a person types: once the program waits
                    os.write(fd, line.encode())
                    shown += read_until(fd, quiet=0.5)
                if status == 0:
                    if "T[2]=( 1.000 , 1.000 )" not in shown:
                        shown += read_until(fd, "T[2]=( 1.000 , 1.000 )")
                    xdotool("search", "--sync", "--onlyvisible", "--name", TITLE,
                            "windowfocus", "--sync", "key", "q")
                for text in texts:
                    self.assertIn(text, shown)
                self.assertEqual(run.wait(LIMIT), status)
                os.close(fd)
                os.close(terminal)

    def test_without_a_window(self):
        # Piped input that cannot be read: the results are printed as always, each unread
        # vertex is explained, and the run fails with status 2 before any window opens.
        # Without a display: everything is printed, then the window cannot open; the lines a
        # student typed at a terminal replay, and a seventh pair is named. Help, and a word on
        # the command line that is not for GLUT, open no window either.
        no_display = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        prompted = lambda results: PROMPTS + "\n" + results
        for args, answers, env, stdout, why, status in [
                # T2's last vertex is (1, 0): its y is not read.
                ([], TYPICAL_INPUT[:-4] + "1,5 2\n", None,
                 prompted(counts(3, 0, 1) + FOUR_CORNERS), '"1,5" - ako je zarez decimalni', 2),
                ([], "", None, prompted(counts(0, 0, 0)), "ulaz je zavrsen", 2),
                ([], TYPICAL_INPUT, no_display, prompted(TYPICAL), "failed to open display", 1),
                ([], "(0,0)\n4, 0\n0 4\n1 1\n5 1\n1 5\n7 7\n", no_display, prompted(TYPICAL),
                 'ulaz se nastavlja posle sestog temena ("7")', 1),
                (["-h"], "", None, None, "", 0),
                (["--help"], "", None, None, "", 0),
                (["-geometry", "600x500", "-iconic"], TYPICAL_INPUT, no_display, prompted(TYPICAL),
                 "failed to open display", 1),
                (["-geometry", "600x500", "--pomoc"], "", None, "",
                 "Neispravan argument: --pomoc\nUpotreba: presek", 2)]:
            with self.subTest(args + [answers]):
                done = subprocess.run([PROGRAM, *args], input=answers, env=env,
                                      capture_output=True, text=True, timeout=LIMIT)
                if stdout is None:  # the help
                    self.assertTrue(done.stdout.startswith("presek - presek dva trougla") and
                                    "Upotreba: presek" in done.stdout and not done.stderr)
                else:
                    self.assertEqual(done.stdout, stdout)
                self.assertIn(why, done.stderr)
                self.assertEqual(done.returncode, status)
                self.assertEqual(xdotool("search", "--name", TITLE), [])

    def test_steps_after_the_results(self):
        # --koraci: the results as always, then the steps in words, numbered, then the window
        # (here, without a display, it cannot open).
        no_display = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        done = subprocess.run([PROGRAM, "--koraci"], input=TYPICAL_INPUT, env=no_display,
                              capture_output=True, text=True, timeout=LIMIT)
        results, steps = done.stdout.split("Koraci:\n")
        self.assertEqual(results, PROMPTS + "\n" + TYPICAL)
        numbers = [line.split(". ")[0] for line in steps.splitlines()]
        self.assertEqual(numbers, [str(k) for k in range(1, 19)])
        self.assertIn("failed to open display", done.stderr)
        self.assertEqual(done.returncode, 1)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
