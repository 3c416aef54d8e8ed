#!/usr/bin/env bash
# Runs the program's main job on the shipped sample drawing, as the drawing tool would start it, in a program
# directory of its own under /tmp, and shows what it left behind.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
home=$(mktemp -d /tmp/morv9274-demo.XXXXXX)
cp -r samples/. "$home/"
printf -- '-cmd\r\nnew\r\n-xmlpath\r\n%s/VORNA.xml\r\n' "$home" > "$home/command.txt"
MORV9274_HOME="$home" build/shell/morv9274 -cmdfile "\"$home/command.txt\""
echo "Program directory: $home"
find "$home" -type f | sort
