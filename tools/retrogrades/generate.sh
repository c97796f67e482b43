#!/bin/sh
# Rebuilds the retrograde tables from the Swiss Ephemeris (Debian: apt-get install libswe-dev).
# The output is committed; the program's build never runs this.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -o "$tmp/GenerateRetrogrades" "$here/GenerateRetrogrades.cpp" -lswe -lm
"$tmp/GenerateRetrogrades" "$root/src/astro/modRetrogrades_Tables.cpp"
