#!/usr/bin/env bash
# Holds the code to its layers. The top CMakeLists.txt lists the modules bottom
# to top (TILEWRIGHT_MODULES); one folder under src/ is one module and one
# library, tw_<module>. Fails, naming file and line, when
#   - a folder under src/ is not a listed module;
#   - src/<module> or tests/<module> includes "<other>/..." of a module above it;
#   - a CMakeLists.txt links tw_<other> of a module above its own, or adds
#     sources or links to a library outside that library's own folder;
#   - a fuzz target names a library it does not include, or not the highest
#     module it includes (fuzz/CMakeLists.txt, tw_fuzz_libs).
# bench/ may use every module; tests/support none.
set -euo pipefail
cd "$(dirname "$0")/.."
exec python3 - <<'EOF'
import pathlib
import re
import sys

root = pathlib.Path(".")
errors = []


def fail(where, message):
    errors.append(f"{where}: {message}")


def strip_cmake_comments(text):
    return "\n".join(line.split("#", 1)[0] for line in text.splitlines())


top = strip_cmake_comments((root / "CMakeLists.txt").read_text())
match = re.search(r"set\(\s*TILEWRIGHT_MODULES\s+([^)]*)\)", top)
if not match:
    sys.exit("check-layers: CMakeLists.txt declares no set(TILEWRIGHT_MODULES ...)")
order = match.group(1).split()
rank = {module: index for index, module in enumerate(order)}


def below(module):
    lower = order[: rank[module]]
    return ", ".join(lower) if lower else "no other module"


for folder in sorted(p for p in (root / "src").iterdir() if p.is_dir()):
    if folder.name not in rank:
        fail(folder, "a folder under src/ that TILEWRIGHT_MODULES in CMakeLists.txt does not list")

include = re.compile(r'^\s*#\s*include\s*["<]([A-Za-z_]+)/')


def included_modules(path):
    """(line number, module) of every include of one of our modules."""
    found = []
    for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
        m = include.match(line)
        if m and m.group(1) in rank:
            found.append((number, m.group(1)))
    return found


def check_includes(folder, module):
    for path in sorted(folder.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        for number, used in included_modules(path):
            if module is None:
                fail(f"{path}:{number}", f'includes "{used}/...": tests/support uses no module')
            elif rank[used] > rank[module]:
                fail(f"{path}:{number}",
                     f'includes "{used}/...", a layer above {module}; '
                     f"{module} may use only itself and {below(module)}")


def check_cmake(path, module, own_library):
    text = strip_cmake_comments(path.read_text())
    for number, line in enumerate(text.splitlines(), 1):
        for used in re.findall(r"\btw_([a-z]+)\b", line):
            if used not in rank:
                continue
            if module is not None and rank[used] > rank[module]:
                fail(f"{path}:{number}",
                     f"links tw_{used}, a layer above {module}; "
                     f"{module} may link only {below(module)}")
        for command, target in re.findall(
                r"\b(target_link_libraries|target_sources|tw_add_library)\(\s*tw_([a-z]+)\b", line):
            if target in rank and (target != own_library or command != "tw_add_library"):
                fail(f"{path}:{number}",
                     f"{command}(tw_{target} ...): declare a library's sources and links "
                     f"once, in tw_add_library in src/{target}/CMakeLists.txt")


for module in order:
    for base in ("src", "tests"):
        folder = root / base / module
        if not folder.is_dir():
            continue
        check_includes(folder, module)
        cmake = folder / "CMakeLists.txt"
        if cmake.exists():
            check_cmake(cmake, module, module if base == "src" else None)

if (root / "tests/support").is_dir():
    check_includes(root / "tests/support", None)
    check_cmake(root / "tests/support/CMakeLists.txt", None, None)
for tool in ("bench", "fuzz"):
    if (root / tool / "CMakeLists.txt").exists():
        check_cmake(root / tool / "CMakeLists.txt", None, None)

# Each fuzz target links the highest module it includes, and no module it
# does not include (what that library links comes with it).
fuzz_cmake = root / "fuzz/CMakeLists.txt"
if fuzz_cmake.exists():
    text = strip_cmake_comments(fuzz_cmake.read_text())
    m = re.search(r"set\(\s*tw_fuzz_libs\s+([^)]*)\)", text)
    declared = {}
    for entry in (m.group(1).split() if m else []):
        name, _, libs = entry.partition(":")
        declared[name] = [lib.removeprefix("tw_") for lib in libs.split(":") if lib]
    for source in sorted((root / "fuzz").glob("*_fuzz.cpp")):
        name = source.stem
        uses = {used for _, used in included_modules(source)}
        local = re.findall(r'^\s*#\s*include\s*"([^/"]+\.h)"', source.read_text(), re.M)
        for header in local:
            if (root / "fuzz" / header).exists():
                uses |= {used for _, used in included_modules(root / "fuzz" / header)}
        libs = declared.get(name)
        if libs is None:
            fail(source, "no entry in tw_fuzz_libs in fuzz/CMakeLists.txt")
            continue
        for lib in libs:
            if lib not in uses:
                fail(source, f"links tw_{lib} but includes nothing of {lib}")
        if uses:
            highest = max(uses, key=lambda used: rank[used])
            if highest not in libs:
                fail(source, f"includes {highest}/ but does not link tw_{highest}")

if errors:
    print("Layer check failed (order, bottom to top: " + " ".join(order) + "):")
    for error in errors:
        print("  " + error)
    sys.exit(1)
print("Layers hold: " + " < ".join(order))
EOF
