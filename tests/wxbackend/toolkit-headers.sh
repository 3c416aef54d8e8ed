#!/bin/sh
# Only the window backend includes toolkit headers; the floor program of the start-up benchmark and the tests' X
# helper are the two other places that talk to the toolkit directly. Prints every other file that does.
cd "$1" || exit 2
found=$(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](wx|gtk|gdk)/' \
  --include='*.h' --include='*.cpp' --include='*.cc' --include='*.hpp' . |
  grep -vE '^\./(wxbackend|bench/wxbackend|tests/wxbackend|build[^/]*)/')
if [ -n "$found" ]; then
  echo "toolkit headers outside wxbackend/:"
  echo "$found"
  exit 1
fi
exit 0
