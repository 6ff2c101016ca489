#!/usr/bin/env python3
"""Runs every benchmark briefly and fails when one is far over its limit.

usage: scripts/check-benchmarks.py [BUILD_DIR]   (default: build)

bench/limits.txt holds each benchmark's limit. A time's median over a short run may reach
three times its limit: the factor absorbs a busy machine, while the limit stays the figure the
benchmark is held to. A counter such as the memory 100 undo steps hold does not depend on the
machine's load: its highest value is held to the limit itself. A benchmark without a limit, a
limit without its benchmark and a benchmark that fails all fail the check.
"""
import json
import pathlib
import statistics
import subprocess
import sys

TIME_FACTOR = 3
RUN_ARGS = ["--benchmark_min_time=0.05", "--benchmark_repetitions=5", "--benchmark_format=json"]
MILLISECONDS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def read_limits(path):
    """{program: {benchmark: (limit, measure)}}; measure is "ms" or a counter's name."""
    limits = {}
    for number, line in enumerate(path.read_text().splitlines(), 1):
        fields = line.split("#", 1)[0].split()
        if not fields:
            continue
        if len(fields) != 4:
            sys.exit(f"{path}:{number}: want PROGRAM BENCHMARK LIMIT MEASURE")
        program, benchmark, limit, measure = fields
        limits.setdefault(program, {})[benchmark] = (float(limit), measure)
    return limits


def run(binary):
    """Each benchmark's repetitions, and the messages of those that failed."""
    out = subprocess.run([binary, *RUN_ARGS], capture_output=True, text=True, check=True).stdout
    runs, errors = {}, []
    for result in json.loads(out)["benchmarks"]:
        if result.get("error_occurred"):
            errors.append(f"{result['name']}: {result.get('error_message', 'failed')}")
        elif result.get("run_type") == "iteration":
            runs.setdefault(result["run_name"], []).append(result)
    return runs, errors


def judge(results, limit, measure):
    """The median time or the highest count as text, and whether it holds."""
    if measure == "ms":
        value = statistics.median(r["real_time"] * MILLISECONDS[r["time_unit"]] for r in results)
        return f"{value:10.3f} ms  limit {limit:g} ms", value <= TIME_FACTOR * limit
    value = max(r[measure] for r in results)
    return f"{value:10.3f} {measure}  limit {limit:g}", value <= limit


def main():
    top = pathlib.Path(__file__).resolve().parent.parent
    build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else top / "build")
    limits = read_limits(top / "bench" / "limits.txt")
    failures = []
    programs = {p.name.removeprefix("bench_") for p in (build / "bench").glob("bench_*")
                if p.is_file()}
    failures += [f"bench_{p}: no limits" for p in sorted(programs - limits.keys())]
    for program, table in sorted(limits.items()):
        binary = build / "bench" / f"bench_{program}"
        if not binary.exists():
            failures.append(f"{binary}: not built")
            continue
        runs, errors = run(binary)
        failures += errors
        for name in sorted(runs.keys() - table.keys()):
            failures.append(f"{program} {name}: no limit")
        for name, (limit, measure) in table.items():
            if name not in runs:
                failures.append(f"{program} {name}: not run")
                continue
            text, holds = judge(runs[name], limit, measure)
            print(f"{program:16} {name:32} {text}  {'ok' if holds else 'OVER'}")
            if not holds:
                failures.append(f"{program} {name}: {' '.join(text.split())}, too far over")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
