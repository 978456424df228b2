#!/usr/bin/env python3
# The Windows program (scripts/windows.sh tests) under Wine against the Linux one: its unit
# tests, what it prints for generated pairs and for odd and bad input, and its window on a
# virtual X screen.
#
# python3 app/presek_windows_test.py build/presek . build/testing/report_driver
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import presek_e2e_test as e2e  # noqa: E402  (its helpers: screenshots, xdotool, the texts)

LINUX, SOURCE, DRIVER = (os.path.abspath(a) for a in sys.argv[1:4])
BUILT = f"{SOURCE}/build-windows"
WINE = shutil.which("wine64") or "/usr/lib/wine/wine64"
PAIRS = 4000  # of each kind
NUMBERS = e2e.TYPICAL_INPUT.split()
TYPED = "".join(f"{x} {y}\n" for x, y in zip(NUMBERS[::2], NUMBERS[1::2]))


def run(command, args=(), stdin="", env=None):
    done = subprocess.run(command + list(args), input=stdin.encode("latin-1"), env=env,
                          capture_output=True, timeout=600)
    return text(done.stdout), text(done.stderr), done.returncode


def text(output):  # Windows' line ends made Linux's
    return output.decode("latin-1").replace("\r\n", "\n")


def windows(program):
    return [WINE, f"{BUILT}/{program}.exe"]


def own_lines(err):  # what the program itself says on stderr, GLUT's complaints aside
    return [line for line in err.split("\n")
            if line and not line.startswith(("freeglut", "This is quite", "Prozor:"))]


def shot_when(window, ready):
    # The window's first frame that is ready, or its last within the limit.
    deadline = time.monotonic() + e2e.LIMIT
    while True:
        try:
            shot = e2e.Shot.of(window)
            if ready(shot) or time.monotonic() > deadline:
                return shot
        except ValueError:  # not on the screen yet
            if time.monotonic() > deadline:
                raise
        time.sleep(0.1)


class Windows(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        e2e.Presek.setUpClass()  # Xvfb, whose DISPLAY the prefix's Wine server takes
        os.environ.update(WINEPREFIX=f"{BUILT}/wine", WINEDEBUG="-all")
        # The prefix's server kept up, and its services started with no pipe of a test's run
        # (a run's output ends only when every process that holds it has).
        for command in (["wineserver", "-k"], ["wineserver", "-p"], [WINE, "wineboot"]):
            subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL)
        e2e.Presek.tearDownClass()

    def test_one_file_with_the_exit_aware_glut(self):
        dlls = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", f"{BUILT}/presek.exe"],
                              capture_output=True, text=True).stdout
        names = {line.split()[-1].upper() for line in dlls.splitlines() if "DLL Name" in line}
        self.assertLessEqual(names, {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL",
                                     "MSVCRT.DLL", "OPENGL32.DLL", "GLU32.DLL", "WINMM.DLL"})
        calls = subprocess.run(["x86_64-w64-mingw32-nm", "-u", f"{BUILT}/viewer/libviewer.a"],
                               capture_output=True, text=True).stdout.split()
        self.assertTrue({"__glutInitWithExit", "__glutCreateWindowWithExit"} <= set(calls))

    def test_unit_tests(self):
        tests = [f"{d}/{f}"[len(BUILT) + 1:-4] for d, _, files in os.walk(BUILT) for f in files
                 if f.endswith("_test.exe")]
        self.assertGreaterEqual(len(tests), 11)
        for test in tests:
            out, _, status = run(windows(test))
            self.assertTrue(status == 0 and "[  PASSED  ]" in out, test + out[-2000:])

    def test_generated_pairs(self):
        linux = run([DRIVER, str(PAIRS)])
        self.assertEqual(run(windows("testing/report_driver") + [str(PAIRS)]), linux)
        self.assertGreaterEqual(linux[0].count("Zadatak"), 12 * PAIRS)  # every kind

    def test_odd_and_bad_input(self):
        # Every answer cut short, odd words in three places, Ctrl-Z, and the command line: the
        # same texts and status. (Input the Linux program takes opens the window.)
        inputs = [([], " ".join(NUMBERS[:k])) for k in range(12)] + [
            ([], " ".join(NUMBERS[:i] + [word] + NUMBERS[i + 1:])) for i in (0, 5, 11)
            for word in ("1,5", "x", "nan", "-inf", "1e39", "0x1p3", "1e", "+-1", ".", "\x1a")]
        inputs += [(["-h"], ""), (["--help"], ""), (["--pomoc"], ""), (["-iconic", "x"], TYPED),
                   ([], TYPED.replace("\n", "\x1a\n", 3)), ([], TYPED + "7 7\n")]
        for args, stdin in inputs:
            linux = run([LINUX], args, stdin, env={})
            if linux[2] == 1:  # opened no window for want of a display
                out, err, status = self.in_window(args, stdin, linux[0], ["q"])
                self.assertEqual((out, own_lines(err), status),
                                 (linux[0], own_lines(linux[1]), 0), stdin)
            else:
                self.assertEqual(run(windows("presek"), args, stdin), linux, (args, stdin))
        self.assertGreater(len(inputs), 40)

    def in_window(self, args, stdin, printed, keys, then=None, cwd=None):
        # The program with its window on the screen: what it printed first, then keys.
        program = subprocess.Popen(windows("presek") + args, stdin=subprocess.PIPE,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, cwd=cwd)
        program.stdin.write(stdin.encode("latin-1"))
        program.stdin.close()
        out = text(e2e.read_until(program.stdout.fileno(), printed.rstrip()[-8:]).encode("latin-1"))
        window = e2e.xdotool("search", "--sync", "--onlyvisible", "--name", e2e.TITLE)[0]
        shot_when(window, lambda shot: shot.at(3, 3) == e2e.BACKGROUND)
        if then:
            then(window, program)
        e2e.xdotool("windowfocus", "--sync", window, "key", *keys)
        try:
            return out, text(program.stderr.read()), program.wait(e2e.LIMIT)
        finally:
            program.kill()
            program.stdout.close()
            program.stderr.close()

    def test_window(self):
        # The first frame, pixel for pixel; T2.1 dragged from (1, 1) to (3, 1): the frame while
        # it is held and the block printed at the drop, whose task the Linux program solves
        # alike; q, or Alt+F4 (the title bar's close: both send SC_CLOSE), ends with status 0.
        def drag(window, program):
            expected = e2e.Shot.of(f"{SOURCE}/docs/window.png").data
            first = shot_when(window, lambda shot: shot.data == expected)
            self.assertEqual(first.data, expected)
            (x0, y0), (x1, y1) = (first.project((2.5, 2.5, 5), x, 1) for x in (1, 3))
            e2e.xdotool("mousemove", "--window", window, str(x0), str(y0), "mousedown", "1")
            for k in range(1, 5):
                e2e.xdotool("mousemove", "--window", window, str(x0 + (x1 - x0) * k // 4),
                            str(y0))
            expected = e2e.Shot.of(f"{SOURCE}/docs/window_dragged.png").data
            held = shot_when(window, lambda shot: shot.data == expected)
            e2e.xdotool("mouseup", "1")
            self.assertEqual(held.data, expected)
            block = e2e.read_until(program.stdout.fileno(), quiet=1).replace("\r", "")
            task, results = block.split("\n", 1)
            self.assertEqual(run([LINUX], stdin=task[9:], env={})[0],
                             e2e.PROMPTS + "\n" + results)

        for keys, then in [(["q"], drag), (["alt+F4"], None)]:
            out, _, status = self.in_window([], e2e.TYPICAL_INPUT, e2e.TYPICAL, keys, then)
            self.assertEqual((out, status), (e2e.PROMPTS + "\n" + e2e.TYPICAL, 0))

    def test_lesson_and_handout(self):
        # f, k and three steps on: the Linux program's frame; s saves it as a PNG equal to it,
        # and its vector copy, in the current folder.
        expected = e2e.Shot.of(f"{SOURCE}/docs/window_lesson.png").data
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)

        def lesson(window, program):
            e2e.xdotool("windowfocus", "--sync", window, "key", "f", "k", "Right", "Right", "Right")
            self.assertEqual(shot_when(window, lambda shot: shot.data == expected).data, expected)

        _, err, status = self.in_window([], e2e.TYPICAL_INPUT, e2e.TYPICAL, ["s", "q"], lesson,
                                        folder)
        self.assertEqual((own_lines(err), status), (["Sacuvano: presek-1.png i presek-1.svg"], 0))
        self.assertEqual(e2e.Shot.of(f"{folder}/presek-1.png").data, expected)
        with open(f"{folder}/presek-1.svg") as svg:
            self.assertIn('<svg xmlns="http://www.w3.org/2000/svg"', svg.read())


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[4:])  # and the names of tests to run, if any
