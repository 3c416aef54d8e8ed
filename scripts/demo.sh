#!/usr/bin/env bash
# Runs the program's main job on the shipped sample drawing (SAMPLE=<file> for another) as the drawing tool would:
# with the drawing-tool stand-in serving DDE, it starts morv9274 for "new", "save", "open" (which evaluates the drawing) and "save" again in
# a program directory of its own under /tmp, then shows the message boxes, the files left behind, the evaluation's
# protocol and what the stand-in received.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
home=$(mktemp -d /tmp/morv9274-demo.XXXXXX)
cp "${SAMPLE:-samples/drawings/gross.xml}" "$home/VORNA.xml"
mkdir -p "$home/para"
drawing="$home/plant.evl"

"$BUILD_DIR/tools/vorna-standin" --record "$home/standin-record.txt" --ready-file "$home/standin-ready" \
  --run-for 60000 > /dev/null &
standin=$!
trap 'kill $standin 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -f "$home/standin-ready" ] && break; sleep 0.05; done

run() {
  printf -- '-cmd\r\n%s\r\n-engpath\r\n"%s"\r\n-xmlpath\r\n"%s"\r\n' "$1" "$drawing" "$home/VORNA.xml" \
    > "$home/command.txt"
  echo "== morv9274 $1"
  MORV9274_HOME="$home" "$BUILD_DIR/shell/morv9274" -cmdfile "\"$home/command.txt\"" 2>&1 | sed 's/^/   box: /'
}
run new
run save
run open
run save

echo "== Program directory $home"
find "$home" -type f ! -name standin-ready | sort | while read -r f; do
  printf '   %8d  %s\n' "$(stat -c %s "$f")" "${f#$home/}"
done
echo "== Protocol of the drawing evaluation (para/Protokoll.tmp)"
if [ -s "$home/para/Protokoll.tmp" ]; then iconv -f CP1252 -t UTF-8 "$home/para/Protokoll.tmp" | sed 's/^/   /'; fi
echo "== Commands the drawing tool received"
if [ -s "$home/standin-record.txt" ]; then iconv -f CP1252 -t UTF-8 "$home/standin-record.txt" | sed "s/^/   /"; else echo "   (none)"; fi
