#!/usr/bin/env python3
"""Runs the native benchmarks of the URL coding and splitting rules and, in
the same run, Python's urllib.parse.quote / unquote_to_bytes and str.split /
str.splitlines on exactly the same texts, and prints a Markdown table.

  scripts/bench-compare.py            1 KiB, 1 MiB and 64 MiB (a few minutes:
                                      Python needs seconds per 64 MiB pass)
  scripts/bench-compare.py --quick    1 KiB only, one short pass (CI)
  scripts/bench-compare.py --bench PATH   use an existing qpu_bench

The texts are a short unit repeated and cut to size, built from the same
units as tests/bench/BenchData.h. No unit holds "~", the one byte Python's
quote leaves alone and the plug-in escapes, so both sides produce the same
encodings.
"""
import argparse
import json
import os
import subprocess
import sys
import time
import urllib.parse

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The units of tests/bench/BenchData.h, byte for byte.
SAFE_UNIT = b"Lorem-ipsum_dolor.sit-amet_consectetur.adipiscing-elit_0123456 "
MIXED_UNIT = b"name=J\xe9r\xf4me & Zo\xeb; path=/a b/c?d#e+f (100%) "
LIST_UNIT = b"item-00000042ab,"
LINES_UNIT = b'SetVar "Score" "100" "Global" ""\r\n'

KIB, MIB = 1 << 10, 1 << 20


def repeat(unit, size):
    return (unit * (size // len(unit) + 1))[:size]


def python_cases(size):
    """(benchmark name, input bytes counted, callable) for one size."""
    safe = repeat(SAFE_UNIT, size)
    mixed = repeat(MIXED_UNIT, size)
    encoded = urllib.parse.quote(mixed, safe="")
    items = repeat(LIST_UNIT, size).decode("latin-1")
    lines = repeat(LINES_UNIT, size).decode("latin-1")
    return [
        ("BM_UrlEncodeText_Safe", "UrlEncodeText, mostly safe text", "urllib.parse.quote", len(safe),
         lambda: urllib.parse.quote(safe, safe="")),
        ("BM_UrlEncodeText_Mixed", "UrlEncodeText, mixed text", "urllib.parse.quote", len(mixed),
         lambda: urllib.parse.quote(mixed, safe="")),
        ("BM_UrlDecodeText", "UrlDecodeText, encoded mixed text", "urllib.parse.unquote_to_bytes", len(encoded),
         lambda: urllib.parse.unquote_to_bytes(encoded)),
        ("BM_SplitText", "SplitText at \",\"", "str.split(\",\")", len(items), lambda: items.split(",")),
        ("BM_SplitLines", "line splitting, CR LF lines", "str.splitlines()", len(lines), lambda: lines.splitlines()),
    ]


def time_python(work, min_seconds):
    work()  # warm up, as the native side does
    runs, start = 0, time.perf_counter()
    while True:
        work()
        runs += 1
        elapsed = time.perf_counter() - start
        if elapsed >= min_seconds:
            return elapsed / runs


def run_native(bench, sizes, min_time):
    names = "|".join(["BM_UrlEncodeText_Safe", "BM_UrlEncodeText_Mixed", "BM_UrlDecodeText", "BM_SplitText",
                      "BM_SplitLines"])
    size_re = "|".join(str(s) for s in sizes)
    out = subprocess.run([bench, f"--benchmark_filter=^({names})/({size_re})$", f"--benchmark_min_time={min_time}",
                          "--benchmark_format=json"], check=True, capture_output=True, text=True).stdout
    results = {}
    for b in json.loads(out)["benchmarks"]:
        results[b["name"]] = (b["bytes_per_second"], b["real_time"] * {"us": 1e-6, "ms": 1e-3, "ns": 1e-9, "s": 1}[b["time_unit"]])
    return results


def rate(bps):
    return f"{bps / 1e9:.2f} GB/s" if bps >= 1e9 else f"{bps / 1e6:.1f} MB/s"


def size_text(size):
    return f"{size // MIB} MiB" if size >= MIB else f"{size // KIB} KiB"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--quick", action="store_true", help="1 KiB only, short passes")
    parser.add_argument("--bench", help="path of qpu_bench (default: build it in build/bench)")
    args = parser.parse_args()

    bench = args.bench
    if not bench:
        build = os.path.join(ROOT, os.environ.get("QPU_BUILD", "build"), "bench")
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release"], check=True,
                       stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", build, "--target", "qpu_bench", "-j", "2"], check=True,
                       stdout=subprocess.DEVNULL)
        bench = os.path.join(build, "qpu_bench")

    sizes = [KIB] if args.quick else [KIB, MIB, 64 * MIB]
    native = run_native(bench, sizes, 0.01 if args.quick else 0.5)

    rows, seconds = [], {}
    for size in sizes:
        for name, rule, pyname, nbytes, work in python_cases(size):
            bps, secs = native[f"{name}/{size}"]
            py = time_python(work, 0.01 if args.quick else 0.5)
            seconds[(name, size)] = secs
            rows.append((rule, size, bps, pyname, nbytes / py, bps / (nbytes / py)))

    print("| Rule | Size | qpUtilR | Python | Python rate | qpUtilR / Python |")
    print("|---|---|---|---|---|---|")
    for rule, size, bps, pyname, pybps, ratio in rows:
        print(f"| {rule} | {size_text(size)} | {rate(bps)} | `{pyname}` | {rate(pybps)} | {ratio:.0f}x |")
    if 64 * MIB in sizes:
        print()
        print("| Rule | time 64 MiB / time 1 MiB |")
        print("|---|---|")
        for name, rule, *_ in python_cases(KIB):
            print(f"| {rule} | {seconds[(name, 64 * MIB)] / seconds[(name, MIB)]:.1f}x |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
