#!/usr/bin/env python3
# The real program under faults and hostile input: output that cannot be written, input that
# keeps coming, history files that are not what they should be, and two runs at once.
#
# python3 app/faults_e2e_test.py build/presek
import os
import pty
import select
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = os.path.abspath(sys.argv[1])
TASK = "0 0 4 0 0 4 1 1 5 1 1 5\n"
LAST_LINE = "T[2]=( 1.000 , 1.000 )\n"
NO_DISPLAY = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
HEADER = b"_HiStOrY_V2_\n"


def write(path, data):
    with open(path, "wb") as file:
        file.write(data)


def read(path):
    with open(path, "rb") as file:
        return file.read()


class Terminal:
    # The program at a terminal of its own, with HOME in the given folder.

    def __init__(self, home):
        self.fd, terminal = pty.openpty()
        self.process = subprocess.Popen([PROGRAM], stdin=terminal, stdout=terminal,
                                        stderr=terminal, env={**NO_DISPLAY, "HOME": home,
                                                              "TERM": "xterm"})
        os.close(terminal)
        self.shown = self.read_until("(T1): ")

    def read_until(self, text):
        shown, deadline = b"", time.monotonic() + 20
        while text.encode() not in shown and time.monotonic() < deadline:
            if select.select([self.fd], [], [], 0.1)[0]:
                try:
                    shown += os.read(self.fd, 4096)
                except OSError:
                    break
        return shown.decode(errors="replace")

    def type(self, keys):
        time.sleep(0.3)  # as a person types: once the program waits at its prompt
        os.write(self.fd, keys)

    def answer(self, line, prompt):
        self.type(line.encode())
        self.shown += self.read_until(prompt)

    def end(self):
        # Ctrl-D at an empty prompt ends the input before the sixth vertex: status 1.
        self.type(b"\x04")
        self.shown += self.read_until("program se zavrsava")
        try:
            return self.process.wait(20)
        finally:  # a run that hangs is ended, so that it fails rather than stays
            self.process.kill()
            os.close(self.fd)


class Faults(unittest.TestCase):
    def test_lost_output_fails_the_run(self):
        # Help on a full device, and results on a pipe whose reader has gone while SIGPIPE is
        # ignored: said once, and status 3.
        with open("/dev/full", "w") as full:
            done = subprocess.run([PROGRAM, "--help"], stdout=full, stderr=subprocess.PIPE,
                                  text=True, timeout=20)
        self.assertEqual((done.returncode, done.stderr.count("ne prima ispis (nema mesta)")),
                         (3, 1))
        read, write = os.pipe()
        os.close(read)
        done = subprocess.run([PROGRAM], input=TASK, stdout=write, stderr=subprocess.PIPE,
                              text=True, env=NO_DISPLAY, timeout=20,
                              preexec_fn=lambda: signal.signal(signal.SIGPIPE, signal.SIG_IGN))
        os.close(write)
        self.assertEqual(done.returncode, 3)
        self.assertEqual(done.stderr.count("citalac je zatvorio cev"), 1)

    def test_results_follow_the_task_at_once(self):
        # Blanks that never end after the task: the results come, and the run goes on to the
        # window (which cannot open here: status 1).
        done = subprocess.run(["bash", "-c", f"(printf '{TASK}'; yes '') | timeout 15 {PROGRAM}"],
                              env=NO_DISPLAY, capture_output=True, text=True, timeout=20)
        self.assertTrue(done.stdout.endswith(LAST_LINE))
        self.assertEqual(done.returncode, 1)

    def test_history_files_that_are_not_ours(self):
        # A pipe, a device, a headerless text and a huge line: the dialogue goes on, says once
        # why it keeps no history where it keeps none, and leaves others' files as they are.
        home = tempfile.mkdtemp()
        history = os.path.join(home, ".presek_history")
        huge = HEADER + b"7" * (8 << 20) + b"\n"
        for what, make, why in [
                ("a pipe", lambda: os.mkfifo(history), "nije obicna datoteka"),
                ("a device", lambda: os.symlink("/dev/zero", history), "nije obicna datoteka"),
                ("text of another", lambda: write(history, b"moj tekst\n"),
                 "nije istorija ovog programa"),
                ("a huge line", lambda: write(history, huge), None),
                ("a damaged line", lambda: write(history, HEADER + b"\\\326\n"),
                 None)]:
            with self.subTest(what):
                make()
                run = Terminal(home)
                run.answer("0 0\n", "(T1): ")
                self.assertEqual(run.end(), 1)
                self.assertEqual(run.shown.count("Istorija unosa se ne koristi"), bool(why))
                if why:
                    self.assertIn(why, run.shown)
                if what == "text of another":
                    self.assertEqual(read(history), b"moj tekst\n")
                if why is None:  # the file is the program's: the answer is kept
                    self.assertTrue(read(history).endswith(b"\n0\\0400\n"))
                os.remove(history)

    def test_a_tab_is_a_blank(self):
        # A tab at a prompt completes no file name: "4<Tab>0" is two numbers.
        run = Terminal(tempfile.mkdtemp())
        run.answer("0 0 4\t0 0 4 1 1 5 1 1 5\n", "T[2]=( 1.000 , 1.000 )")
        self.assertIn("T[2]=( 1.000 , 1.000 )", run.shown)
        self.assertEqual(run.process.wait(20), 1)  # no display here
        os.close(run.fd)

    def test_two_runs_keep_both_answers(self):
        # Answers are added as they are given: two runs at once lose none of them.
        home = tempfile.mkdtemp()
        first, second = Terminal(home), Terminal(home)
        first.answer("1 1\n", "2. temena (T1): ")
        second.answer("2 2\n", "2. temena (T1): ")
        first.answer("3 3\n", "3. temena (T1): ")
        self.assertEqual((first.end(), second.end()), (1, 1))
        self.assertEqual(read(os.path.join(home, ".presek_history")),
                         HEADER + b"1\\0401\n2\\0402\n3\\0403\n")


def virtual_screen():
    # A virtual X screen of its own (Xvfb), and the environment that shows on it.
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        number += os.read(read, 16)
    os.close(read)
    display = ":" + number.decode().strip()
    return xvfb, {**os.environ, "DISPLAY": display}


class WindowFaults(unittest.TestCase):
    # The window on a virtual screen, closed by another client during a drag, its output on a
    # pipe that nobody reads, and its screen's death.

    @classmethod
    def setUpClass(cls):
        cls.xvfb, cls.env = virtual_screen()

    @classmethod
    def tearDownClass(cls):
        cls.xvfb.terminate()
        cls.xvfb.wait()

    def test_the_screen_dies(self):
        # The X server killed while the program connects, makes its window or shows it: every
        # run ends with status 1 and says why, never a hang or a crash.
        for delay in [k * 0.025 for k in range(24)]:
            xvfb, env = virtual_screen()
            run = subprocess.Popen([PROGRAM], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE, env=env)
            self.addCleanup(run.kill)
            run.stdin.write(TASK.encode())
            run.stdin.close()
            run.stdin = None
            time.sleep(delay)
            xvfb.kill()
            xvfb.wait()
            _, err = run.communicate(timeout=20)
            self.assertEqual(run.returncode, 1, f"killed after {delay} s")
            self.assertRegex(err.decode(), "failed to open display|Veza sa ekranom je prekinuta")

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=20).stdout.split()

    def start(self, stdout):
        run = subprocess.Popen([PROGRAM], stdin=subprocess.PIPE, stdout=stdout,
                               stderr=subprocess.PIPE, env=self.env)
        self.addCleanup(run.kill)
        run.stdin.write(TASK.encode())
        run.stdin.close()
        run.stdin = None
        window = self.xdotool("search", "--sync", "--onlyvisible", "--name",
                              "Geometrija - prikaz zadatka")[0]
        time.sleep(0.5)  # the first frame
        return run, window

    def hold_t21_at_3_1(self, window):
        # T2.1 of the typical task, (1, 1), taken and moved to (3, 1) in the first view.
        self.xdotool("mousemove", "--window", window, "258", "603", "mousedown", "1")
        for x in (350, 450, 596):
            self.xdotool("mousemove", "--window", window, str(x), "603")
        time.sleep(0.3)

    def test_closed_by_another_client_during_a_drag(self):
        run, window = self.start(subprocess.PIPE)
        self.hold_t21_at_3_1(window)
        self.xdotool("windowclose", window)
        out, _ = run.communicate(timeout=20)
        self.assertTrue(out.decode().endswith("Zadatak: 0 0 4 0 0 4 3 1 5 1 1 5\n" +
                                              "Broj presecnih tacaka : n = 1\n" +
                                              "Broj temena trougla T1 u trouglu T2: p = 0\n" +
                                              "Broj temena trougla T2 u trouglu T1: q = 0\n"))
        self.assertEqual(run.returncode, 0)

    def test_a_pipe_nobody_reads(self):
        # The pipe is filled up behind the program's back: a dropped task waits, q still closes
        # the window, and the task that could not be written is named.
        read, write = os.pipe()
        run, window = self.start(write)
        os.set_blocking(write, False)
        try:
            while True:
                os.write(write, b"x" * 4096)
        except BlockingIOError:
            pass
        self.hold_t21_at_3_1(window)
        self.xdotool("mouseup", "1", "key", "--window", window, "q")
        _, err = run.communicate(timeout=20)
        os.close(read)
        os.close(write)
        self.assertEqual(run.returncode, 3)
        self.assertIn("Nije ispisano: Zadatak: 0 0 4 0 0 4 3 1 5 1 1 5", err.decode())


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[2:])
