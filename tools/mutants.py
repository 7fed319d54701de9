#!/usr/bin/env python3
"""Mutation testing of the platform-free code (src/core, src/format, src/validate, src/engine, and
the files of src/win32 and src/ui that CMakeLists.txt names in PLATFORM_FREE_FILES).

Makes small faults in the sources with a handful of generic operators, draws a sample with a fixed
seed, builds the host tests against each fault and runs them. A fault the tests notice (a failed
test, a crash or a hang) is killed; one they do not notice survives. A fault that does not compile
does not count. Prints the survivors and the score.

    tools/mutants.py [--sample N | --all] [--seed S] [--only REGEX] [--list] [--jobs N]
                     [--timeout SECONDS]

Operators:
  compare   a comparison turned: < <= > >= moved across the boundary or turned round, == and !=
  logical   && and || exchanged, a ! left out
  arith     + and -, ++ and --, += and -= exchanged
  offset    a number one more or one less
  number    a number set to 0, true and false exchanged
  text      one character of a string or character literal changed

The build lives in build/mutants (no sanitizers, -O0): the mutated file (with the files that
include it) is compiled into a scratch folder and linked there, so the build folder itself never
holds a fault. The source file is written back after each mutant, also on Ctrl-C; a copy kept in
build/mutants/restore puts it back even after a hard kill, on the next start. Written-back files
get a new time stamp, so other builds compile them again; build nothing else in this tree while
the mutants run.
"""

import argparse
import json
import os
import random
import re
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FOLDERS = ["src/core", "src/format", "src/validate", "src/engine"]


def platform_free_files():
    """The files of src/win32 and src/ui that the host builds, as CMakeLists.txt names them."""
    listed = re.search(r"^set\(PLATFORM_FREE_FILES (.*)\)$", (ROOT / "CMakeLists.txt").read_text(),
                       re.M)
    return [ROOT / "src" / f"{name}{suffix}" for name in listed.group(1).split()
            for suffix in (".h", ".cpp")]
BUILD = ROOT / "build" / "mutants"
RESTORE = BUILD / "restore"
TEST_TARGET = "core_tests"

TOKEN = re.compile(
    r"""
    (?P<ws>\s+)
  | (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<string>"(?:\\.|[^"\\\n])*")
  | (?P<char>'(?:\\.|[^'\\\n])+')
  | (?P<number>(?:0[xX][0-9a-fA-F]+|\d+(?:\.\d+)?)[uUlLfF]*)
  | (?P<ident>[A-Za-z_]\w*)
  | (?P<op>->|::|<<=|>>=|<=|>=|==|!=|&&|\|\||\+\+|--|\+=|-=|\*=|/=|%=|&=|\|=|\^=|<<|>>
           |[-+*/%<>=!&|^~?:;,.(){}\[\]\#])
""",
    re.S | re.X,
)

# Names after which "<" opens a template argument list.
TEMPLATE_NAMES = {
    "template", "vector", "set", "map", "array", "function", "optional", "pair", "unique_ptr",
    "static_cast", "reinterpret_cast", "const_cast", "dynamic_cast", "numeric_limits",
    "basic_string", "tuple", "initializer_list", "is_same",
}
class Token:
    __slots__ = ("kind", "text", "start", "end")

    def __init__(self, kind, text, start, end):
        self.kind, self.text, self.start, self.end = kind, text, start, end


def tokenize(source):
    """The tokens of a source file, without blanks, comments and preprocessor lines."""
    tokens = []
    pos = 0
    line_start = True
    while pos < len(source):
        if line_start:
            # A preprocessor line (with its continuations) is skipped whole.
            stripped = re.match(r"[ \t]*#", source[pos:pos + 200])
            if stripped:
                end = pos
                while True:
                    newline = source.find("\n", end)
                    if newline == -1:
                        end = len(source)
                        break
                    if source[newline - 1] == "\\":
                        end = newline + 1
                        continue
                    end = newline
                    break
                pos = end
                continue
        m = TOKEN.match(source, pos)
        if not m:
            pos += 1  # a stray byte: skip it
            continue
        kind = m.lastgroup
        text = m.group(kind)
        if kind == "ws":
            if "\n" in text:
                line_start = True
        elif kind != "comment":
            tokens.append(Token(kind, text, m.start(), m.end()))
            line_start = False
        pos = m.end()
    return tokens


def template_brackets(tokens):
    """Indexes of tokens that are angle brackets of template argument lists."""
    marked = set()
    for i, tok in enumerate(tokens):
        if tok.text != "<" or i == 0 or tokens[i - 1].text not in TEMPLATE_NAMES:
            continue
        depth = 0
        for j in range(i, len(tokens)):
            t = tokens[j].text
            if t == "<":
                depth += 1
                marked.add(j)
            elif t in (">", ">>"):
                depth -= len(t)
                marked.add(j)
                if depth <= 0:
                    break
            elif t in (";", "{", "}"):
                break
    return marked


def changed_character(text, rng):
    """One character of a literal's contents changed, or None when it has none to change."""
    quote = text[0]
    body = text[1:-1]
    positions = []
    k = 0
    while k < len(body):
        if body[k] == "\\":
            k += 2 if k + 1 < len(body) and body[k + 1] != "x" else 4
            continue
        positions.append(k)
        k += 1
    if not positions:
        return None
    letters = [p for p in positions if body[p].isalpha()]
    at = rng.choice(letters or positions)
    c = body[at]
    if c.isalpha():
        new = "b" if c.lower() == "a" else ("a" if c.islower() else "A")
        if c.isupper():
            new = new.upper()
    elif c.isdigit():
        new = "1" if c == "0" else "0"
    elif c == " ":
        new = "_"
    else:
        new = "x"
    return quote + body[:at] + new + body[at + 1:] + quote


def mutants_of(path, source):
    """Every mutant of one file: (start, end, replacement, operator, description)."""
    tokens = tokenize(source)
    templates = template_brackets(tokens)
    rng = random.Random(str(path.relative_to(ROOT)))
    found = []

    def add(tok_or_span, replacement, operator):
        start, end = (tok_or_span.start, tok_or_span.end) if isinstance(tok_or_span, Token) \
            else tok_or_span
        found.append((start, end, replacement, operator, f"{source[start:end]!r} -> {replacement!r}"))

    for i, tok in enumerate(tokens):
        t = tok.text
        prev = tokens[i - 1] if i > 0 else None
        if tok.kind == "op":
            if i in templates:
                pass
            elif t in ("<", "<=", ">", ">="):
                boundary = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}[t]
                turned = {"<": ">", "<=": ">=", ">": "<", ">=": "<="}[t]
                add(tok, boundary, "compare")
                add(tok, turned, "compare")
            elif t in ("==", "!="):
                add(tok, "!=" if t == "==" else "==", "compare")
            elif t in ("&&", "||"):
                add(tok, "||" if t == "&&" else "&&", "logical")
            elif t == "!":
                add(tok, "", "logical")
            elif t in ("++", "--"):
                add(tok, "--" if t == "++" else "++", "arith")
            elif t in ("+=", "-="):
                add(tok, "-=" if t == "+=" else "+=", "arith")
            elif t in ("+", "-") and prev is not None and (
                    prev.kind in ("ident", "number", "char") or prev.text in (")", "]")):
                add(tok, "-" if t == "+" else "+", "arith")
        elif tok.kind == "number":
            pure_virtual = (t == "0" and prev is not None and prev.text == "=" and i >= 2
                            and tokens[i - 2].text in (")", "const", "override"))
            if "." in t or pure_virtual:
                continue
            digits = re.match(r"(0[xX][0-9a-fA-F]+|\d+)(.*)", t)
            value = int(digits.group(1), 0)
            suffix = digits.group(2)
            add(tok, f"{value + 1}{suffix}", "offset")
            if value > 0:
                add(tok, f"{value - 1}{suffix}", "offset")
            if value > 1:
                add(tok, f"0{suffix}", "number")
        elif tok.kind == "ident" and t in ("true", "false"):
            add(tok, "false" if t == "true" else "true", "number")
        elif tok.kind in ("string", "char"):
            if prev is not None and prev.text == "extern":
                continue
            replacement = changed_character(t, rng)
            if replacement is not None:
                add(tok, replacement, "text")
    return found


class Build:
    """The compile and link commands of the host tests in build/mutants."""

    def __init__(self):
        if not (BUILD / "build.ninja").exists():
            print("Configuring build/mutants ...", flush=True)
            run([
                "cmake", "-S", str(ROOT), "-B", str(BUILD), "-G", "Ninja",
                "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0",
                "-DTARNWICK_SANITIZE=OFF", "-DTARNWICK_WERROR=OFF", "-DTARNWICK_FUZZ=OFF",
                "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON",
            ], quiet=True)
        print("Building the host tests in build/mutants ...", flush=True)
        run(["cmake", "--build", str(BUILD), "--target", TEST_TARGET, "--", "--quiet"], quiet=True)

        self.compile = {}  # object (relative to BUILD) -> argument list
        for entry in json.loads((BUILD / "compile_commands.json").read_text()):
            args = shlex.split(entry["command"])
            obj = args[args.index("-o") + 1]
            self.compile[obj] = args

        commands = subprocess.run(["ninja", "-C", str(BUILD), "-t", "commands", TEST_TARGET],
                                  check=True, capture_output=True, text=True).stdout
        link_line = [line for line in commands.splitlines() if f"-o {TEST_TARGET}" in line][-1]
        link_line = link_line.strip()
        link_line = re.sub(r"^:\s*&&\s*", "", link_line)
        link_line = re.sub(r"\s*&&\s*:$", "", link_line)
        self.link = shlex.split(link_line)
        # The library of the code under test is linked as its objects, so one can be exchanged.
        library = [a for a in self.link if a.endswith("libtarnwick_core.a")][0]
        self.core_objects = sorted(o for o in self.compile if "/tarnwick_core.dir/" in o)
        position = self.link.index(library)
        self.link[position:position + 1] = self.core_objects
        self.test_objects = [a for a in self.link if "/core_tests.dir/" in a]

        # Which objects depend on each source or header.
        self.dependents = {}
        deps = subprocess.run(["ninja", "-C", str(BUILD), "-t", "deps"], check=True,
                              capture_output=True, text=True).stdout
        current = None
        for line in deps.splitlines():
            if line and not line.startswith(" "):
                current = line.split(":")[0]
            elif line.strip() and current in self.compile:
                path = (BUILD / line.strip()).resolve()
                self.dependents.setdefault(path, set()).add(current)

    def objects_for(self, path):
        return sorted(self.dependents.get(path.resolve(), ()))

    def build_mutant(self, objects, scratch, jobs):
        """Compiles the given objects into scratch, side by side, and links the tests there; the
        test program, or None when the mutant does not build."""
        replaced = {obj: str(scratch / obj.replace("/", "_")) for obj in objects}

        def compile_one(obj):
            args = list(self.compile[obj])
            args[args.index("-o") + 1] = replaced[obj]
            return subprocess.run(args, cwd=BUILD, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL).returncode == 0

        with ThreadPoolExecutor(max_workers=jobs) as pool:
            if not all(pool.map(compile_one, objects)):
                return None
        binary = scratch / TEST_TARGET
        args = [replaced.get(a, a) for a in self.link]
        args[args.index("-o") + 1] = str(binary)
        if subprocess.run(args, cwd=BUILD, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode != 0:
            return None
        return binary


def run(args, quiet=False):
    result = subprocess.run(args, capture_output=quiet, text=True)
    if result.returncode != 0:
        if quiet:
            sys.stderr.write(result.stdout + result.stderr)
        sys.exit(f"failed: {' '.join(args)}")


def run_tests(binary, timeout):
    """'killed' when the tests fail, crash or hang; 'survived' when they pass."""
    env = dict(os.environ, LC_ALL="C.UTF-8")
    try:
        result = subprocess.run([str(binary), "--gtest_fail_fast", "--gtest_brief=1"],
                                cwd=BUILD, env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, timeout=timeout)
    except subprocess.TimeoutExpired:
        return "killed"
    return "survived" if result.returncode == 0 else "killed"


class Restorer:
    """Puts a mutated source file back, keeping a copy on disk until it is back."""

    def __init__(self):
        RESTORE.mkdir(parents=True, exist_ok=True)
        for saved in RESTORE.glob("*.json"):
            info = json.loads(saved.read_text())
            data = Path(info["copy"]).read_bytes()
            Path(info["path"]).write_bytes(data)
            Path(info["copy"]).unlink()
            saved.unlink()
            print(f"Restored {info['path']} from an interrupted run.")

    def mutate(self, path, original, mutated):
        name = str(path.relative_to(ROOT)).replace("/", "_")
        copy = RESTORE / (name + ".orig")
        copy.write_bytes(original)
        self.pending = (path, original, copy, RESTORE / (name + ".json"))
        self.pending[3].write_text(json.dumps({"path": str(path), "copy": str(copy)}))
        path.write_bytes(mutated)

    def restore(self):
        if getattr(self, "pending", None) is None:
            return
        path, original, copy, info = self.pending
        # Written back with a new time stamp: a build that compiled the fault in the meantime
        # compiles the file again.
        path.write_bytes(original)
        copy.unlink(missing_ok=True)
        info.unlink(missing_ok=True)
        self.pending = None


def line_of(source, offset):
    return source.count("\n", 0, offset) + 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sample", type=int, default=300, help="mutants drawn (default 300)")
    parser.add_argument("--all", action="store_true", help="run every mutant")
    parser.add_argument("--seed", type=int, default=2024, help="seed of the sample (default 2024)")
    parser.add_argument("--only", help="only files whose path matches this regular expression")
    parser.add_argument("--list", action="store_true", help="list the mutants drawn; run none")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1,
                        help="compilers run side by side (default: one per processor)")
    parser.add_argument("--timeout", type=float, default=20.0,
                        help="seconds before a test run counts as hanging (default 20)")
    options = parser.parse_args()

    def interrupted(signum, frame):
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, interrupted)
    restorer = Restorer()

    files = sorted([p for folder in FOLDERS for p in (ROOT / folder).iterdir()
                    if p.suffix in (".h", ".cpp")] + platform_free_files())
    if options.only:
        files = [p for p in files if re.search(options.only, str(p.relative_to(ROOT)))]
    candidates = []
    sources = {}
    for path in files:
        source = path.read_bytes().decode("latin-1")
        sources[path] = source
        for start, end, replacement, operator, description in mutants_of(path, source):
            candidates.append((path, start, end, replacement, operator, description))
    if options.all or options.sample >= len(candidates):
        sample = candidates
    else:
        sample = random.Random(options.seed).sample(candidates, options.sample)
        sample.sort(key=lambda m: (str(m[0]), m[1], m[4], m[3]))

    def where(m):
        return f"{m[0].relative_to(ROOT)}:{line_of(sources[m[0]], m[1])}"

    print(f"{len(candidates)} mutants in {len(files)} files; {len(sample)} drawn "
          f"(seed {options.seed}).", flush=True)
    if options.list:
        for m in sample:
            print(f"{where(m)}: {m[4]}: {m[5]}")
        return 0

    build = Build()
    scratch = Path(tempfile.mkdtemp(prefix="mutants-", dir=BUILD))
    began = time.monotonic()
    try:
        binary = build.build_mutant([], scratch, options.jobs)
        if binary is None or run_tests(binary, options.timeout) != "survived":
            sys.exit("The host tests do not pass on the unchanged code: fix them first.")
        results = []
        for number, m in enumerate(sample, 1):
            path, start, end, replacement = m[0], m[1], m[2], m[3]
            source = sources[path]
            original = source.encode("latin-1")
            mutated = (source[:start] + replacement + source[end:]).encode("latin-1")
            objects = build.objects_for(path)
            try:
                restorer.mutate(path, original, mutated)
                binary = build.build_mutant(objects, scratch, options.jobs)
            finally:
                restorer.restore()
            outcome = "no build" if binary is None else run_tests(binary, options.timeout)
            results.append((m, outcome))
            print(f"[{number}/{len(sample)}] {outcome:8} {where(m)} {m[4]}: {m[5]}", flush=True)
    except KeyboardInterrupt:
        restorer.restore()
        print("\nInterrupted; the sources are as they were.")
        return 130
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    survivors = [m for m, outcome in results if outcome == "survived"]
    killed = sum(1 for _, outcome in results if outcome == "killed")
    built = killed + len(survivors)
    print(f"\nSurvivors ({len(survivors)}):")
    for m in survivors:
        source = sources[m[0]]
        number = line_of(source, m[1])
        mutated = source[:m[1]] + m[3] + source[m[2]:]
        before = source.splitlines()[number - 1].strip()
        after = mutated.splitlines()[number - 1].strip()
        print(f"  {where(m)} {m[4]}\n      - {before}\n      + {after}")
    by_operator = {}
    for m, outcome in results:
        if outcome != "no build":
            total = by_operator.setdefault(m[4], [0, 0])
            total[1] += 1
            total[0] += outcome == "killed"
    print("\nBy operator: " + ", ".join(f"{op} {k}/{n}" for op, (k, n) in sorted(by_operator.items())))
    minutes = (time.monotonic() - began) / 60
    score = 100.0 * killed / built if built else 100.0
    print(f"Score: {killed} of {built} mutants killed ({score:.1f} %); "
          f"{len(results) - built} did not build; {minutes:.1f} minutes.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
