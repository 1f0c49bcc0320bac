#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# clang-tidy over a build tree's sources, each file on its own core, skipping
# the files it found clean before. A clean result is kept under a key made of
# all that decides it: the file as its compiler preprocesses it (every header
# it reaches and the macros they define; comments kept, so a NOLINT counts; the
# checkout's and the tree's folders given fixed names, so another clone of the
# same code hits), the compile command, the .clang-tidy files that apply, the
# clang-tidy release and its extra arguments. A file with findings is checked
# again on every run.
# The compiler handles the directives only, leaving macros to clang-tidy's
# own reading: it is a tenth of the time of expanding them, and with comments
# kept in expansions (-CC) the JSON reader's namespace macros do not even
# paste. A NOLINT on a #define line does not reach the key: adding one is seen
# anyway (a file with findings is never kept), taking one away from a clean
# file is not. A file that reaches a directive the compiler cannot handle
# alone (an #if on __COUNTER__, as in the benchmark library's header) is
# expanded whole.
# With --cross, the code is read as the tree's cross compiler compiles it:
# for MinGW-w64, clang takes the Windows target and the C++ library's headers
# from the build's own compiler, whose folders clang does not find by itself;
# for Emscripten, the options that em++ hands its clang.
# Each folder named must hold a file of the tree's compile commands: one that
# holds none, because its code is no longer built there, fails the check.
# Usage: clang_tidy_cached.py [--cross] CLANG_TIDY TREE FOLDER... (of the checkout)
import argparse
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys
import threading
from pathlib import Path

SOURCE = Path(os.path.abspath(__file__)).parents[2]
# Compile options that name an output; preprocessing must not write the
# build's object or dependency files.
OUTPUT_OPTIONS = {"-o", "-MF", "-MT", "-MQ"}
OUTPUT_FLAGS = {"-c", "-MD", "-MMD"}


def cache_folder():
    base = os.environ.get("XDG_CACHE_HOME") or Path.home() / ".cache"
    folder = Path(base) / "quorvel" / "clang-tidy"
    folder.mkdir(parents=True, exist_ok=True)
    return folder


def command_of(entry):
    return list(entry["arguments"]) if "arguments" in entry else shlex.split(entry["command"])


def cross_arguments(compiler):
    """The cross compiler's target and its C++ library's headers."""
    if Path(compiler).name.startswith("em++"):
        return shlex.split(subprocess.run([compiler, "--cflags"], capture_output=True, text=True,
                                          check=True).stdout)
    target = re.match(r"[a-z0-9_]*-w64-mingw32", Path(compiler).name).group(0)
    search = subprocess.run([compiler, "-E", "-v", "-x", "c++", os.devnull],
                            capture_output=True, text=True, check=True).stderr
    listed = search.split("#include <...> search starts here:")[1].split("End of search list.")[0]
    folders = [line.strip() for line in listed.splitlines() if "/c++" in line]
    return [f"--target={target}"] + [f"-isystem{folder}" for folder in folders]


def preprocessed(command, folder):
    """The file with every header it reaches, directives handled, comments kept."""
    kept = []
    skip = False
    for argument in command:
        if skip:
            skip = False
        elif argument in OUTPUT_OPTIONS:
            skip = True
        elif argument not in OUTPUT_FLAGS and not argument.startswith("-o"):
            kept.append(argument)
    text = subprocess.run(kept + ["-E", "-C", "-fdirectives-only"], cwd=folder, capture_output=True)
    if text.returncode != 0:
        text = subprocess.run(kept + ["-E", "-C"], cwd=folder, capture_output=True)
    return text


def configs(source_file):
    """The .clang-tidy files from the file's folder up to the checkout's."""
    texts = []
    for folder in source_file.parents:
        config = folder / ".clang-tidy"
        if config.is_file():
            texts.append(config.read_bytes())
        if folder == SOURCE:
            break
    return texts


def key(parts, tree):
    """A digest of PARTS, with the tree's and the checkout's folders renamed."""
    digest = hashlib.sha256()
    for part in parts:
        part = part.replace(bytes(tree), b"/tree").replace(bytes(SOURCE), b"/source")
        digest.update(len(part).to_bytes(8, "little"))
        digest.update(part)
    return digest.hexdigest()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cross", action="store_true")
    parser.add_argument("clang_tidy")
    parser.add_argument("tree", type=Path)
    parser.add_argument("folders", nargs="+")
    options = parser.parse_args()
    tree = Path(os.path.abspath(options.tree))
    database = json.loads((tree / "compile_commands.json").read_text())
    folders = [SOURCE / folder for folder in options.folders]
    entries = {}
    for entry in database:
        name = Path(os.path.normpath(Path(entry["directory"], entry["file"])))
        if any(name.is_relative_to(folder) for folder in folders):
            entries.setdefault(name, []).append(entry)
    empty = [folder for folder in folders if not any(n.is_relative_to(folder) for n in entries)]
    extra = cross_arguments(command_of(database[0])[0]) if options.cross else []
    version = subprocess.run([options.clang_tidy, "--version"], capture_output=True,
                             check=True).stdout
    common = [version, "\0".join(extra).encode()]
    tidy = [options.clang_tidy, "-p", str(tree), "--quiet"]
    tidy += [f"--extra-arg={argument}" for argument in extra]
    cache = cache_folder()
    printing = threading.Lock()

    def check(name):
        """True when NAME is clean, from the cache or from clang-tidy."""
        parts = common + configs(name)
        for entry in entries[name]:
            command = command_of(entry)
            parts.append("\0".join(command).encode())
            text = preprocessed(command, entry["directory"])
            if text.returncode != 0:
                with printing:
                    print(text.stderr.decode(), end="", flush=True)
                return False, True
            parts.append(text.stdout)
        clean = cache / key(parts, tree)
        if clean.exists():
            return True, False
        run = subprocess.run(tidy + [str(name)], capture_output=True, text=True)
        if run.returncode == 0 and "warning:" not in run.stdout:
            clean.touch()
            return True, True
        with printing:
            print(run.stdout + run.stderr, end="", flush=True)
        return False, True

    with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
        results = list(pool.map(check, sorted(entries)))
    failed = results.count((False, True))
    checked = failed + results.count((True, True))
    print(f"clang-tidy: {len(results)} files, {len(results) - checked} clean before,"
          f" {checked} checked, {failed} with findings")
    for folder in empty:
        print(f"clang-tidy: no file of {folder} in {tree}'s compile commands")
    return 1 if failed or empty else 0


if __name__ == "__main__":
    sys.exit(main())
