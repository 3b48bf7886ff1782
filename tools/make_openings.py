#!/usr/bin/env python3
"""Makes and checks the match openings (book/openings.txt) with tarvenn-engine.

make:  short random lines from the initial position, 2 to 6 plies, the first moves taken in
       turn so that every first move is played, each kept when its position is new, quiet (no
       capture for the side to move) and a fixed-depth search scores it within --margin of
       equal. Prints the file.
check: scores every opening of FILE again and lists those outside --margin.

The engine is named by its level (--engine), so the same openings can be checked again with
another evaluation; without it the search command's default engine scores them. Run it where
tarvenn-engine finds the end-game database (a folder holding enddb1.bin .. enddb4.bin, or the
data folder after `tarvenn -e 4`): scores of small end-games then come from the database.
"""
import argparse
import random
import subprocess
import sys


class Tool:
    def __init__(self, path, engine):
        self.path = path
        self.engine = engine

    def run(self, *arguments):
        done = subprocess.run([self.path, *arguments], capture_output=True, text=True)
        if done.returncode != 0:
            sys.exit(f"{self.path} {' '.join(arguments)}: {done.stderr.strip()}")
        return done.stdout

    def moves(self, fen):
        """The legal moves as (name, fen after), in the generator's order."""
        arguments = ["moves"] + (["--fen", fen] if fen else [])
        return [tuple(line.split(" ", 1)) for line in self.run(*arguments).splitlines()]

    def score(self, fen, depth):
        arguments = ["search", "--fen", fen, "--depth", str(depth)]
        if self.engine:
            arguments += ["--engine", self.engine]
        words = self.run(*arguments).split()
        return int(words[words.index("score") + 1])


def make(tool, args):
    rng = random.Random(args.seed)
    first_moves = tool.moves(None)
    seen = set()
    kept = []
    tries = 0
    while len(kept) < args.count:
        tries += 1
        if tries > 50 * args.count:
            sys.exit(f"only {len(kept)} openings found in {tries} tries")
        plies = 2 + tries % 5
        name, fen = first_moves[tries % len(first_moves)]
        line = [name]
        for _ in range(plies - 1):
            replies = tool.moves(fen)
            if not replies:
                break
            name, fen = rng.choice(replies)
            line.append(name)
        if len(line) < plies or fen in seen:
            continue
        replies = tool.moves(fen)
        # A game starts from a quiet position, not halfway through an exchange.
        if not replies or any("x" in name.lower() for name, _ in replies):
            continue
        seen.add(fen)
        score = tool.score(fen, args.depth)
        if abs(score) > args.margin:
            print(f"# dropped ({score:+d}): {' '.join(line).lower()}", file=sys.stderr)
            continue
        kept.append(" ".join(line).lower())
    print("# Openings for tarvenn-engine match: moves from the initial position, one opening a line.")
    print("# Each scored within %d of equal by a %d-ply search%s with the 4-piece database." %
          (args.margin, args.depth, f" of the {args.engine} engine" if args.engine else ""))
    print("# Made by: python3 tools/make_openings.py make --tool build/tools/tarvenn-engine "
          f"--depth {args.depth} --count {args.count} --seed {args.seed} --margin {args.margin}"
          + (f" --engine {args.engine}" if args.engine else "") + " > book/openings.txt")
    print("# Run it from the source tree, where the tool finds enddb1.bin .. enddb4.bin (tarvenn -e 4 makes them).")
    print("# Check again: python3 tools/make_openings.py check book/openings.txt --tool build/tools/tarvenn-engine"
          " [--engine LEVEL --margin M].")
    for line in kept:
        print(line)


def position_of(tool, line):
    fen = None
    for word in line.split():
        after = dict((name.lower(), position) for name, position in tool.moves(fen)).get(word.lower())
        if after is None:
            sys.exit(f"illegal move {word} in: {line}")
        fen = after
    return fen


def check(tool, args):
    outside = 0
    with open(args.file) as lines:
        for number, text in enumerate(lines, 1):
            line = text.split("#", 1)[0].strip()
            if not line:
                continue
            fen = line if ":" in line else position_of(tool, line)
            score = tool.score(fen, args.depth)
            if abs(score) > args.margin:
                outside += 1
                print(f"{args.file}:{number}: score {score:+d}: {line}")
    print(f"{outside} openings outside {args.margin} of equal at depth {args.depth}")
    return 1 if outside else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("mode", choices=["make", "check"])
    parser.add_argument("file", nargs="?", help="the openings to check")
    parser.add_argument("--tool", default="tarvenn-engine", help="the tarvenn-engine program")
    parser.add_argument("--engine", help="the level whose engine scores: beginner .. expert")
    parser.add_argument("--depth", type=int, default=16)
    parser.add_argument("--margin", type=int, default=0, help="largest score still equal, in the engine's units")
    parser.add_argument("--count", type=int, default=160)
    parser.add_argument("--seed", type=int, default=12)
    args = parser.parse_args()
    tool = Tool(args.tool, args.engine)
    if args.mode == "make":
        make(tool, args)
        return 0
    if not args.file:
        parser.error("check needs the openings FILE")
    return check(tool, args)


if __name__ == "__main__":
    sys.exit(main())
