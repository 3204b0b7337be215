#!/usr/bin/python3
"""What a support engineer writes without qarel-launch: each line of a file
of launch links split with urllib.parse, nothing more."""
import sys
from urllib.parse import parse_qsl, urlsplit

links = with_query = 0
with open(sys.argv[1], encoding="utf-8", errors="surrogateescape") as f:
    for line in f:
        parts = urlsplit(line.rstrip("\n"))
        pairs = parse_qsl(parts.query, keep_blank_values=True)
        links += 1
        with_query += bool(pairs)
print(f"{links} links, {with_query} with a query")
