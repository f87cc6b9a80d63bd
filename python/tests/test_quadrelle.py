import os
import random
import re
import signal
import threading
import time

import pytest

import quadrelle

try:
    import numpy
except ImportError:
    numpy = None

needs_numpy = pytest.mark.skipif(numpy is None, reason="NumPy (python3-numpy) is not installed")

EASY = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"


def as_array(lines):
    return numpy.array([[0 if c == "." else int(c) for c in line[:81]] for line in lines], dtype=numpy.uint8)


@pytest.mark.parametrize("name", ["top50000.txt", "serg_benchmark_multisolution.txt"])
def test_count_many_is_the_command_lines_count(dataset, solve_command, name):
    lines = dataset(name)
    assert [str(r) for r in quadrelle.count_many(lines)] == solve_command(lines, "--count")


@pytest.mark.parametrize("form", ["list", "generator", "one job", "numpy"])
def test_bulk_calls_keep_input_order_for_any_iterable(dataset, form):
    lines = dataset("serg_benchmark_multisolution.txt", 3000)
    expected = [quadrelle.count(line) for line in lines]
    if form == "numpy":
        if numpy is None:
            pytest.skip("NumPy (python3-numpy) is not installed")
        found = quadrelle.count_many(as_array(lines))
    elif form == "generator":
        found = quadrelle.count_many(line for line in lines)
    else:
        found = quadrelle.count_many(lines, jobs=1 if form == "one job" else None)
    assert [(r.verdict, r.solution, r.second_solution) for r in found] == \
        [(r.verdict, r.solution, r.second_solution) for r in expected]


def test_solve_many_is_the_command_lines_solve(dataset, solve_command):
    lines = dataset("top50000.txt", 2000) + dataset("serg_benchmark_multisolution.txt", 200)
    assert [str(r) for r in quadrelle.solve_many(lines)] == solve_command(lines)
    assert str(quadrelle.solve(lines[0])) == solve_command(lines[:1])[0]


@pytest.mark.parametrize("scale", ["se", "sukaku"])
def test_rate_is_the_command_lines_rate(dataset, solve_command, scale):
    lines = dataset("norvig_easy50.txt") + dataset("top50000.txt", 12) + dataset("serg_benchmark_multisolution.txt", 5)
    expected = solve_command(lines, "--rate", "--scale", scale)
    assert [str(r) for r in quadrelle.rate_many(lines, scale=scale)] == expected
    single = quadrelle.rate(lines[-13], scale=scale)
    assert str(single) == expected[-13]
    assert single.verdict == "unique" and f"{single.score:.1f}" in str(single)


def test_explain_is_the_command_lines_steps_and_places_the_solution(dataset, solve_command):
    for line in dataset("top50000.txt", 3) + [EASY]:
        steps = quadrelle.explain(line)
        cli = solve_command([line], "--explain")
        assert "\n".join(step.text for step in steps) == "\n".join(cli[:-2])
        solution = quadrelle.rate(line).solution
        placed = {(r, c): d for step in steps for (r, c, d) in step.placements}
        empty = {(i // 9 + 1, i % 9 + 1) for i, ch in enumerate(line) if ch in ".0"}
        assert set(placed) == empty
        assert all(solution[(r - 1) * 9 + c - 1] == str(d) for (r, c), d in placed.items())


@pytest.mark.parametrize("options, arguments", [
    ([], {}),
    (["--symmetry", "central"], {"symmetry": "central"}),
    (["--no-minimal"], {"minimal": False}),
    (["--rating", "2.0-3.0"], {"rating": (2.0, 3.0)}),
])
def test_generate_is_the_command_lines_for_a_seed(solve_command, options, arguments):
    made = quadrelle.generate(6, seed=1234, **arguments)
    assert made == solve_command([], "--generate", "6", "--seed", "1234", *options)
    assert quadrelle.generate(6, seed=1234, jobs=1, **arguments) == made


BAD = [
    EASY[:80], EASY + "9", EASY[:40] + "x" + EASY[41:], EASY[:10] + "\x00" + EASY[11:],
    "é" + EASY[1:], "", "# a comment", EASY[:9], EASY[:8] + "5" + EASY[9:], "55" + EASY[2:],
    EASY[:9] + "5" + EASY[10:], EASY.replace("6..195", "6..196"), EASY[:80] + "5",
]


def test_every_bad_puzzle_raises_the_command_lines_reason(solve_command):
    for bad in BAD:
        # The command line reads other forms too; a line alone is what the module takes.
        reasons = solve_command([bad], "--count", "--strict")
        reason = reasons[0].split()[1] if reasons else "bad-length"
        for call in (quadrelle.count, quadrelle.solve, quadrelle.rate, quadrelle.explain):
            with pytest.raises(ValueError, match=f"^{reason}"):
                call(bad)
        with pytest.raises(ValueError, match=f"^puzzle 2: {reason}"):
            quadrelle.count_many([EASY, EASY, bad, EASY])
    with pytest.raises(ValueError, match="repeated-digit: 5 at r1c1 and r1c2"):
        quadrelle.count("55" + EASY[2:])
    with pytest.raises(ValueError, match="bad-character: 'x' at column 41"):
        quadrelle.count(BAD[2])


def test_wrong_kinds_of_argument_raise_type_or_value_error():
    for wrong in [None, 5, 1.5, {}, object(), [None] * 81, [1.5] * 81]:
        with pytest.raises(TypeError):
            quadrelle.count(wrong)
    for wrong in [None, 5, EASY, b"123"]:
        with pytest.raises(TypeError):
            quadrelle.count_many(wrong)
    with pytest.raises(ValueError):
        quadrelle.rate(EASY, scale="hardest")
    with pytest.raises(ValueError):
        quadrelle.generate(1, rating="9.9-1.0")
    with pytest.raises(ValueError):
        quadrelle.generate(1, symmetry="round")
    with pytest.raises(TypeError):
        quadrelle.generate(1, rating=5)

    def failing():
        yield EASY
        raise RuntimeError("the source failed")
    with pytest.raises(RuntimeError, match="the source failed"):
        quadrelle.count_many(failing())


def random_argument(rng):
    kind = rng.randrange(6)
    if kind == 0:
        return bytes(rng.randrange(256) for _ in range(rng.choice([0, 80, 81, 82, rng.randrange(300)])))
    if kind == 1:
        return "".join(rng.choice("0123456789.x #\té\x00\ud800") for _ in range(rng.choice([81, 82, rng.randrange(200)])))
    if kind == 2:
        return [rng.randrange(-3, 13) for _ in range(rng.choice([81, rng.randrange(100)]))]
    if kind == 3 and numpy is not None:
        shape = tuple(rng.choice([0, 1, 2, 80, 81, 82]) for _ in range(rng.randrange(4)))
        dtype = rng.choice(["uint8", "int8", ">i4", "int64", "float32", "U2", "object"])
        return numpy.zeros(shape, dtype=dtype)
    if kind == 4:
        return rng.choice([None, 0, -1, 2**70, {}, set(), (), object(), "0" * 81, b"." * 81])
    return [random_argument(rng) for _ in range(rng.randrange(3))]


def test_random_arguments_never_crash_the_interpreter():
    rng = random.Random(32)
    calls = [quadrelle.count, quadrelle.solve, quadrelle.rate, quadrelle.count_many, quadrelle.solve_many,
             quadrelle.rate_many, quadrelle.read]
    for _ in range(20000):
        argument = random_argument(rng)
        try:
            rng.choice(calls)(argument)
        except (ValueError, TypeError, OSError):
            pass


def test_bulk_calls_let_other_python_threads_run(dataset):
    lines = dataset("top50000.txt", 8)
    for jobs in (1, 2):
        read_all = threading.Event()

        def puzzles():
            yield from lines
            read_all.set()
        bulk = threading.Thread(target=quadrelle.rate_many, args=(puzzles(),), kwargs={"jobs": jobs})
        bulk.start()
        read_all.wait()
        turns = 0
        while bulk.is_alive():
            turns += 1
        bulk.join()
        # Held throughout, the lock would leave this thread one switch interval (5 ms): about 20,000 turns.
        assert turns > 100_000, f"jobs={jobs}: {turns} turns; the rating kept the interpreter's lock"


@needs_numpy
def test_numpy_rows_of_any_integer_type_are_read_alike():
    cells = as_array([EASY] * 4)
    expected = str(quadrelle.count(EASY))
    for dtype in ["uint8", "int16", ">i4", "int64"]:
        assert {str(r) for r in quadrelle.count_many(cells.astype(dtype))} == {expected}
    assert {str(r) for r in quadrelle.count_many(numpy.asfortranarray(cells))} == {expected}
    assert str(quadrelle.count(cells[0])) == expected
    bad = cells.astype("int16")
    bad[2, 5] = 10
    with pytest.raises(ValueError, match="^puzzle 2: bad-character: 10 at cell 6"):
        quadrelle.count_many(bad)


def test_read_finds_puzzles_in_any_form_with_their_place(tmp_path):
    grid = "\n".join(EASY[r * 9:r * 9 + 9] for r in range(9))
    text = f"{EASY}\n\nGrid 01\n{grid}\n{EASY[:70]}\n"
    found = quadrelle.read(text)
    assert [(f.puzzle, f.line, f.column, f.error, f.label) for f in found] == [
        (EASY.replace(".", "0"), 1, 1, None, ""),
        (EASY.replace(".", "0"), 4, 1, None, "Grid 01"),
        (None, 13, 1, "bad-length", ""),
    ]
    path = tmp_path / "puzzles.sdk"
    path.write_text(text)
    assert [f.puzzle for f in quadrelle.read(path)] == [f.puzzle for f in found]
    assert [f.puzzle for f in quadrelle.read(str(path))] == [f.puzzle for f in found]


def test_module_reads_well_in_help(solve_command):
    assert solve_command([], "--version")[0] == f"quadrelle-solve {quadrelle.__version__}"
    public = [name for name in dir(quadrelle) if not name.startswith("_")]
    assert set(public) >= {"count", "solve", "rate", "explain", "generate", "read",
                           "count_many", "solve_many", "rate_many"}
    for name in public:
        assert getattr(quadrelle, name).__doc__, name
    assert re.search(r"count_many\(puzzles, jobs=None\)", quadrelle.count_many.__doc__)


def test_ctrl_c_stops_a_generator_that_would_run_long():
    # Puzzles rated 12 and over are so rare that the search would go on for hours.
    timer = threading.Timer(0.5, lambda: os.kill(os.getpid(), signal.SIGINT))
    started = time.monotonic()
    timer.start()
    with pytest.raises(KeyboardInterrupt):
        quadrelle.generate(1, seed=1, rating="12.0-13.0", jobs=2)
    timer.join()
    assert time.monotonic() - started < 10
