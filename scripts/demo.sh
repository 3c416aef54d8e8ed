#!/usr/bin/env bash
# Runs the program's main job on the shipped sample drawing with every object kind (SAMPLE=<file> for another, e.g.
# samples/drawings/gross.xml) as the drawing tool would:
# with the drawing-tool stand-in serving DDE, it starts morv9274 for "new", "save", "open" (which evaluates the
# drawing) and "save" again in a program directory of its own under /tmp, then shows the message boxes, the files left
# behind, the evaluation's protocol and what the stand-in received. Then the main job as a person sees it: on the
# display, or under an Xvfb of its own when there is none, "open" of the sample and a window command ("param" on the
# drawing's first function object) show the main frame with the function's parameter form; the frame is
# photographed, closed with its close box through wnddrive, and the picture's path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
home=$(mktemp -d /tmp/morv9274-demo.XXXXXX)
cp "${SAMPLE:-samples/drawings/alle_objekte.xml}" "$home/VORNA.xml"
mkdir -p "$home/para"
drawing="$home/plant.evl"

"$BUILD_DIR/tools/vorna-standin" --record "$home/standin-record.txt" --ready-file "$home/standin-ready" \
  --run-for 300000 > /dev/null &
standin=$!
trap 'kill $standin 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -f "$home/standin-ready" ] && break; sleep 0.05; done

run() {
  printf -- '-cmd\r\n%s\r\n-engpath\r\n"%s"\r\n-xmlpath\r\n"%s"\r\n' "$1" "$drawing" "$home/VORNA.xml" \
    > "$home/command.txt"
  echo "== morv9274 $1"
  MORV9274_HOME="$home" MORV9274_HEADLESS=1 "$BUILD_DIR/shell/morv9274" -cmdfile "\"$home/command.txt\"" 2>&1 |
    sed 's/^/   box: /'
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

echo "== The main frame as a person sees it"
xvfb=""
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec 3> "$home/xvfb-display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp > "$home/xvfb.log" 2>&1 &
  xvfb=$!
  exec 3>&-
  # The server writes its display number with a line end once it accepts clients.
  for _ in $(seq 200); do [ "$(tail -c1 "$home/xvfb-display" | od -An -c | tr -d ' ')" = '\n' ] && break; sleep 0.05; done
  export DISPLAY=":$(head -1 "$home/xvfb-display")"
  trap 'kill $standin $xvfb 2>/dev/null || true' EXIT
  echo "   (no display: Xvfb on $DISPLAY)"
fi
export NO_AT_BRIDGE=1
wnddrive="$BUILD_DIR/tools/wnddrive"
# Starts a command on the display; message boxes wait for a person, so each one is answered with its OK through
# wnddrive and printed, until the program ends.
show() {
  printf -- '-cmd\r\n%s\r\n-engpath\r\n"%s"\r\n-xmlpath\r\n"%s"\r\n%s' "$1" "$drawing" "$home/VORNA.xml" "${2:-}" \
    > "$home/command.txt"
  echo "   morv9274 $1 ${object:-}"
  MORV9274_HOME="$home" "$BUILD_DIR/shell/morv9274" -cmdfile "\"$home/command.txt\"" 2> "$home/stderr.txt" &
  program=$!
}
show open
boxes=""
while kill -0 $program 2>/dev/null; do
  boxes=$("$wnddrive" --wait 200 boxes 2>/dev/null) || true
  "$wnddrive" --wait 200 answer OK > /dev/null 2>&1 || true
  sleep 0.2
done
wait $program || true
[ -z "$boxes" ] || printf '%s\n' "$boxes" | sed 's/^/   box: /'
# The drawing's first function object (a heating-circuit controller): its name and the id before it, as the drawing
# tool names a clicked object.
object=$(grep -B1 -m1 '<name>Heizkreisregler\$[0-9]*</name>' "$home/VORNA.xml" | sed 's/ *<[^>]*>//g' | tr '\n' ' ')
set -- $object
show param "$(printf -- '-name\r\n%s\r\n-id\r\n%s\r\n' "$2" "$1")"
"$wnddrive" --wait 60000 --window frame tree > /dev/null
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Vorna - morv9274$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "   no frame on $DISPLAY: $(cat "$home/stderr.txt")"; "$wnddrive" --window frame close; exit 1; }
# The function's parameter form is the start form; its controls as the window channel lists them.
"$wnddrive" --window frame tree | sed 's/^/   /'
# wnddrive returns once the program's queue is empty; the toolkit draws the form a moment later.
sleep 0.5
picture="$home/frame.png"
"$BUILD_DIR/tests/wxbackend/xtool" shot "$window" "$picture" > /dev/null
"$wnddrive" --window frame close
wait $program
echo "   The frame was closed with its close box (WINDOW.ini: $(tr -s ' \r\n' ' ' < "$home/WINDOW.ini"))."
echo "== Picture of the main frame: $picture"
