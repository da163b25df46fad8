#!/usr/bin/env python3
"""Checks every relative link and anchor in README.md and docs/: the file or folder a link
names exists, and an anchor (#section) names a heading of that file, as GitHub makes anchors.
Links to web addresses are not followed. Prints each broken link and exits 1 when there is one.

    scripts/check-links.py [repository root]
"""
import re
import sys
from pathlib import Path

LINK = re.compile(r"!?\[(?:[^\[\]]|\[[^\]]*\])*\]\(([^)\s]+)(?:\s+\"[^\"]*\")?\)")
FENCE = re.compile(r"^\s*(```|~~~)")
INLINE_CODE = re.compile(r"`[^`]*`")


def prose_lines(text, keep_code=False):
    """The lines outside fenced code blocks, with inline code taken out unless kept."""
    fenced = False
    for number, line in enumerate(text.splitlines(), 1):
        if FENCE.match(line):
            fenced = not fenced
            continue
        if not fenced:
            yield number, line if keep_code else INLINE_CODE.sub("", line)


def slug(heading):
    """GitHub's anchor for a heading: lower case, punctuation dropped, spaces made hyphens."""
    text = re.sub(r"`([^`]*)`", r"\1", heading.strip().lower())
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)
    text = re.sub(r"[^\w\- ]", "", text)
    return text.replace(" ", "-")


def anchors(path):
    found = set()
    seen = {}
    for _, line in prose_lines(path.read_text(encoding="utf-8"), keep_code=True):
        match = re.match(r"^#{1,6}\s+(.*?)\s*#*\s*$", line)
        if not match:
            continue
        base = slug(match.group(1))
        count = seen.get(base, 0)
        seen[base] = count + 1
        found.add(base if count == 0 else f"{base}-{count}")
    return found


def broken_links(document, root):
    for number, line in prose_lines(document.read_text(encoding="utf-8")):
        for target in LINK.findall(line):
            if re.match(r"^[a-z][a-z0-9+.-]*:", target, re.IGNORECASE):
                continue  # a web address or another scheme
            path_part, _, anchor = target.partition("#")
            linked = (document.parent / path_part).resolve() if path_part else document
            where = f"{document.relative_to(root)}:{number}: {target}"
            if not linked.exists():
                yield f"{where}: no such file"
            elif anchor and linked.is_file() and linked.suffix == ".md" and anchor not in anchors(linked):
                yield f"{where}: no heading with the anchor #{anchor}"


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent).resolve()
    documents = [root / "README.md"] + sorted((root / "docs").rglob("*.md"))
    problems = [problem for document in documents for problem in broken_links(document, root)]
    for problem in problems:
        print(problem)
    print(f"{len(documents)} documents checked, {len(problems)} broken links")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
