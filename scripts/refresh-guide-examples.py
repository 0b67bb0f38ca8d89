#!/usr/bin/env python3
"""Fills the report of every worked example in the user guide (help/*.html) with what
tessaly-cli prints for it today.

Each example is a <div class="example"> holding the command (<p class="command">), the
input pane's text (<pre class="input">, optional) and the report (<pre class="report">).
The guide test (tests/help/guide_examples_test.cpp) fails while a report differs from the
program's; after a deliberate change to a method, run this script, read the differences it
makes to the guide, and commit them with the change.

Usage: scripts/refresh-guide-examples.py [path/to/tessaly-cli]   (default: build/tessaly-cli)
"""
import html
import pathlib
import re
import shlex
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
CLI = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build" / "tessaly-cli")
EXAMPLE = re.compile(r'<div class="example">(.*?)</div>', re.S)
COMMAND = re.compile(r'<p class="command">(.*?)</p>', re.S)
INPUT = re.compile(r'<pre class="input">(.*?)</pre>', re.S)
REPORT = re.compile(r'(<pre class="report">)(.*?)(</pre>)', re.S)


def run(block):
    command = shlex.split(html.unescape(COMMAND.search(block).group(1)))
    assert command[0] == "tessaly-cli", command
    found = INPUT.search(block)
    stdin = html.unescape(found.group(1)) if found else ""
    done = subprocess.run([str(CLI)] + command[1:] + ["--lf"], input=stdin.encode(),
                          capture_output=True, check=False)
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)}: exit {done.returncode}\n{done.stderr.decode()}")
    return done.stdout.decode()


def refresh(match):
    block = match.group(0)
    report = html.escape(run(block), quote=False)
    return REPORT.sub(lambda m: m.group(1) + report + m.group(3), block)


for page in sorted((ROOT / "help").glob("*.html")):
    text = page.read_text(encoding="utf-8")
    new = EXAMPLE.sub(refresh, text)
    if new != text:
        page.write_text(new, encoding="utf-8")
        print(f"updated {page.relative_to(ROOT)}")
