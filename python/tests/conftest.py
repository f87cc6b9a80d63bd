import os
import pathlib
import subprocess

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]


@pytest.fixture(scope="session")
def solve_command():
    """Runs quadrelle-solve with the arguments on the input lines; its result lines."""
    program = os.environ.get("QUADRELLE_SOLVE", str(ROOT / "build/src/quadrelle-solve"))
    if not os.access(program, os.X_OK):
        pytest.skip(f"quadrelle-solve not found at {program}; QUADRELLE_SOLVE names it")

    def run(lines, *arguments):
        done = subprocess.run([program, *arguments], input="".join(line + "\n" for line in lines),
                              capture_output=True, text=True, timeout=300)
        assert done.returncode in (0, 1), done.stderr
        return done.stdout.splitlines()

    return run


@pytest.fixture(scope="session")
def dataset():
    """The lines of a puzzle collection, skipping the test when the collections are absent."""
    folder = pathlib.Path(os.environ.get("QUADRELLE_DATASETS", ROOT.parent / "shared/datasets"))

    def lines(name, count=None):
        path = folder / name
        if not path.is_file():
            pytest.skip(f"puzzle collection {path} is absent; QUADRELLE_DATASETS names their folder")
        with open(path, encoding="utf-8") as file:
            found = [line.rstrip("\n") for line in file if line.strip() and not line.startswith("#")]
        return found[:count]

    return lines
