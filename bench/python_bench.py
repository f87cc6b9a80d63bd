#!/usr/bin/python3
"""The Python module's cost beside the engine's and the command line's.

    PYTHONPATH=build/python bench/python_bench.py [--solver build/src/quadrelle-solve]
        [--datasets ../shared/datasets] [--puzzles 1000000] [--jobs N]

1. Per-call overhead of quadrelle.count: microseconds a call on a solved grid, where the
   counter has next to nothing to do, and on top50000's puzzles less the command line's CPU
   time a puzzle on the same puzzles with one job.
2. count_many against quadrelle-solve --count over the same puzzles (top50000 over and over up
   to --puzzles): CPU seconds of each (all threads; the list is read before the clock starts) and
   their ratio.
"""

import argparse
import os
import pathlib
import resource
import subprocess
import sys
import tempfile
import time

import quadrelle


def child_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def command_cpu(solver, path, *arguments):
    """CPU seconds of quadrelle-solve over the file, its output thrown away."""
    before = child_cpu()
    subprocess.run([solver, *arguments, str(path)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return child_cpu() - before


def best_of(runs, measure):
    return min(measure() for _ in range(runs))


def per_call_overhead(solver, lines, runs):
    solved = quadrelle.count(lines[0]).solution
    calls = 200_000

    def on_solved():
        start = time.perf_counter()
        for _ in range(calls):
            quadrelle.count(solved)
        return (time.perf_counter() - start) / calls

    def on_puzzles():
        start = time.process_time()
        for line in lines:
            quadrelle.count(line)
        return (time.process_time() - start) / len(lines)

    with tempfile.NamedTemporaryFile("w", suffix=".txt") as file:
        file.write("".join(line + "\n" for line in lines))
        file.flush()
        command = best_of(runs, lambda: command_cpu(solver, file.name, "--count", "--jobs", "1")) / len(lines)
    python = best_of(runs, on_puzzles)
    print(f"count() on a solved grid:           {best_of(runs, on_solved) * 1e6:6.2f} µs a call")
    print(f"count() on top50000, one at a time: {python * 1e6:6.2f} µs a puzzle (CPU)")
    print(f"quadrelle-solve --count --jobs 1:   {command * 1e6:6.2f} µs a puzzle (CPU)")
    print(f"overhead beyond the command line:   {(python - command) * 1e6:6.2f} µs a call")


def bulk_against_command(solver, lines, total, jobs, runs):
    repeats = max(1, total // len(lines))
    many = lines * repeats
    with tempfile.NamedTemporaryFile("w", suffix=".txt") as file:
        file.write("".join(line + "\n" for line in many))
        file.flush()
        job_arguments = ["--jobs", str(jobs)] if jobs else []
        command = best_of(runs, lambda: command_cpu(solver, file.name, "--count", *job_arguments))

    def bulk():
        start = time.process_time()
        quadrelle.count_many(many, jobs=jobs)
        return time.process_time() - start

    python = best_of(runs, bulk)
    print(f"{len(many)} puzzles, jobs {jobs or 'one per core'}:")
    print(f"  quadrelle-solve --count: {command:7.2f} s CPU")
    print(f"  quadrelle.count_many:    {python:7.2f} s CPU  ({python / command:.2f} x the command line's)")


def main():
    root = pathlib.Path(__file__).resolve().parents[1]
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--solver", default=str(root / "build/src/quadrelle-solve"))
    parser.add_argument("--datasets", default=os.environ.get("QUADRELLE_DATASETS", str(root.parent / "shared/datasets")))
    parser.add_argument("--puzzles", type=int, default=1_000_000)
    parser.add_argument("--jobs", type=int, default=None)
    parser.add_argument("--runs", type=int, default=3)
    options = parser.parse_args()
    path = pathlib.Path(options.datasets) / "top50000.txt"
    if not path.is_file():
        sys.exit(f"python_bench.py: {path} is absent (--datasets names the folder)")
    lines = [line.rstrip("\n") for line in open(path, encoding="utf-8") if line.strip()]
    print(f"quadrelle {quadrelle.__version__} from {quadrelle.__file__}")
    per_call_overhead(options.solver, lines, options.runs)
    bulk_against_command(options.solver, lines, options.puzzles, options.jobs, options.runs)


if __name__ == "__main__":
    main()
