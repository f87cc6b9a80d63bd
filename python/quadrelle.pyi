"""Quadrelle's Sudoku engine: count, solve, rate, explain and generate puzzles."""

import os
from typing import Iterable, Optional, Sequence, Tuple, Union

__version__: str

# A str or bytes of 81 cells ('1'-'9', '0' or '.'), or 81 integers 0-9.
Puzzle = Union[str, bytes, bytearray, Sequence[int]]
# The bulk calls also take a NumPy array of shape (n, 81) of integers.
Puzzles = Iterable[Puzzle]

class Count:
    verdict: str
    solution: Optional[str]
    second_solution: Optional[str]

class Solution:
    status: str
    placements: int
    grid: str

class Rating:
    verdict: str
    score: Optional[float]
    lower_bound: bool
    technique: Optional[str]
    solution: Optional[str]

class Step:
    technique: str
    score: float
    placements: list[Tuple[int, int, int]]
    eliminations: list[Tuple[int, int, int]]
    text: str

class FoundPuzzle:
    puzzle: Optional[str]
    line: int
    column: int
    error: Optional[str]
    label: str

def count(puzzle: Puzzle) -> Count: ...
def solve(puzzle: Puzzle) -> Solution: ...
def rate(puzzle: Puzzle, scale: str = "se") -> Rating: ...
def explain(puzzle: Puzzle, scale: str = "se") -> list[Step]: ...
def generate(
    n: int,
    seed: Optional[int] = None,
    symmetry: Optional[str] = None,
    rating: Union[str, Tuple[float, float], None] = None,
    minimal: bool = True,
    jobs: Optional[int] = None,
) -> list[str]: ...
def read(source: Union[str, bytes, os.PathLike[str]]) -> list[FoundPuzzle]: ...
def count_many(puzzles: Puzzles, jobs: Optional[int] = None) -> list[Count]: ...
def solve_many(puzzles: Puzzles, jobs: Optional[int] = None) -> list[Solution]: ...
def rate_many(puzzles: Puzzles, scale: str = "se", jobs: Optional[int] = None) -> list[Rating]: ...
