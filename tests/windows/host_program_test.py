"""kestrune-host.exe under Wine, as a user runs it: the sample folder written, a
recursive bulk update with the progress window captured, and what it left behind: the
same outcomes as on Linux, subfolders logged with backslashes, the summary, and one
24-bit bitmap per repaint."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

PROGRAM = None

EXPECTED_LOG = {
    ("damaged.ai", "", "Error: Could not open document."),
    ("flyer.ai", "flyer[CP_updated_Ai28.1.0](1).ai", "Save as operation completed"),
    ("legacy-text.ai", "", "Error: This file includes text that was created in Version 10 or earlier Illustrator."),
    ("missing-fonts.ai", "", "Error: The file contains fonts not installed on this computer."),
    ("no-text.ai", "", "Error: No text objects found in file"),
    ("subfolder\\brochure.ai", "brochure[CP_updated_Ai28.1.0].ai", "Save as operation completed"),
    ("subfolder\\パンフレット.ai", "パンフレット[CP_updated_Ai28.1.0].ai", "Save as operation completed"),
    ("trim-area-edge.ai", "", "Error: The file includes a trim area."),
    ("trim-area.ai", "", "Error: The file includes a trim area."),
    ("チラシ.ai", "チラシ[CP_updated_Ai28.1.0].ai", "Save as operation completed"),
}

SUMMARY = ("[message] Bulk update completed.\nFont error : 1 files\nOpen error : 4 files\n"
           "Update unnecessary : 1 files\nUpdate successful : 4 files\n-> ok")


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def run(*arguments):
    done = subprocess.run(["wine", PROGRAM, *arguments], stdin=subprocess.DEVNULL, capture_output=True, timeout=300)
    # msvcrt ends lines with CR LF.
    return done.returncode, done.stdout.decode("utf-8").replace("\r\n", "\n"), done.stderr.decode("utf-8", "replace")


class HostProgramTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="kestrune-wine-")
        self.samples = os.path.join(self.folder, "samples")
        self.captures = os.path.join(self.folder, "captures")
        os.mkdir(self.samples)
        os.mkdir(self.captures)

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def test_recursive_bulk_update_of_the_samples(self):
        status, _, err = run("make-samples", windows_path(self.samples))
        self.assertEqual(status, 0, err)
        status, out, err = run("--yes", "--fast-timer", "--capture-progress", windows_path(self.captures),
                               "bulk-update", "--recursive", windows_path(self.samples))
        self.assertEqual(status, 0, err)
        self.assertIn(SUMMARY, out)

        with open(os.path.join(self.samples, "Kestrune.log"), "rb") as log:
            lines = log.read().decode("utf-8").split("\r\n")
        self.assertEqual(lines[-1], "", "every line ends with CR LF")
        logged = set()
        for line in lines[:-1]:
            fields = line[1:-1].split('","')
            self.assertEqual(len(fields), 4, line)
            logged.add(tuple(fields[1:]))
        self.assertEqual(logged, EXPECTED_LOG)
        self.assertTrue(os.path.exists(os.path.join(self.samples, "subfolder", "パンフレット[CP_updated_Ai28.1.0].ai")))

        shots = sorted(os.listdir(self.captures))
        # At least the opening at 0 percent and one step after it.
        self.assertGreaterEqual(len(shots), 2)
        self.assertEqual(shots[0], "progress-0001.bmp")
        for shot in shots:
            with open(os.path.join(self.captures, shot), "rb") as bitmap:
                head = bitmap.read(30)
            self.assertEqual(head[:2], b"BM")
            self.assertEqual(int.from_bytes(head[28:30], "little"), 24, shot)

    def test_capture_into_a_missing_folder_is_refused(self):
        status, _, err = run("--capture-progress", windows_path(os.path.join(self.folder, "none")), "menus")
        self.assertNotEqual(status, 0)
        self.assertIn("cannot capture the progress window", err)


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main()
