#!/usr/bin/python3
"""The committed sounds are exactly what the sound generator makes.

    sound_rebuild_test.py SOURCE_DIR

Runs tools/soundgen/soundgen.py into a temporary folder and compares every
file byte for byte with data/Sounds and data/Music: a file that differs, one
the generator makes that is not committed, and one committed that the
generator no longer makes all fail, each named on its own line.
"""

import filecmp
import os
import subprocess
import sys
import tempfile

FOLDERS = ("Sounds", "Music")


def first_difference(a, b):
    """Offset of the first byte where two files differ."""
    with open(a, "rb") as fa, open(b, "rb") as fb:
        x, y = fa.read(), fb.read()
    for i, (p, q) in enumerate(zip(x, y)):
        if p != q:
            return i
    return min(len(x), len(y))


def compare(made_root, committed_root):
    """Messages naming every file that does not match."""
    problems = []
    for folder in FOLDERS:
        made_dir = os.path.join(made_root, folder)
        committed_dir = os.path.join(committed_root, folder)
        made = set(os.listdir(made_dir)) if os.path.isdir(made_dir) else set()
        committed = set(os.listdir(committed_dir)) if os.path.isdir(committed_dir) else set()
        for name in sorted(made - committed):
            problems.append("data/%s/%s: made by the generator but not committed" % (folder, name))
        for name in sorted(committed - made):
            problems.append("data/%s/%s: committed but the generator no longer makes it"
                            % (folder, name))
        for name in sorted(made & committed):
            a, b = os.path.join(made_dir, name), os.path.join(committed_dir, name)
            if not filecmp.cmp(a, b, shallow=False):
                problems.append("data/%s/%s: differs from the generator's output "
                                "(%d bytes made, %d committed, first difference at byte %d)"
                                % (folder, name, os.path.getsize(a), os.path.getsize(b),
                                   first_difference(a, b)))
    return problems


def main():
    source = sys.argv[1]
    generator = os.path.join(source, "tools", "soundgen", "soundgen.py")
    with tempfile.TemporaryDirectory(prefix="soundgen-") as out:
        run = subprocess.run([sys.executable, generator, "--out", out],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print("the sound generator failed:\n" + run.stdout + run.stderr)
            return 1
        made = sum(len(os.listdir(os.path.join(out, f))) for f in FOLDERS)
        if made == 0:
            print("the sound generator made no files")
            return 1
        problems = compare(out, os.path.join(source, "data"))
    if problems:
        print("\n".join(problems))
        print("Regenerate with: /usr/bin/python3 tools/soundgen/soundgen.py "
              "and commit data/Sounds and data/Music with the generator change.")
        return 1
    print("all %d generated sound files match the committed ones" % made)
    return 0


if __name__ == "__main__":
    sys.exit(main())
