#!/usr/bin/env bash
# The editor under a real X server: started on a sample installation in English, it shows a
# window whose title ends in " - Database"; Ctrl+Q asks whether to leave, Enter answers Yes
# (the default button), and the program ends with status 1.
#   editor_under_x_test.sh TALLO_EDITOR TALLO_DB
set -u
editor=$1
tool=$2
for program in Xvfb xdotool; do
  if ! command -v "$program" >/dev/null; then
    echo "SKIP: $program is not installed (scripts/bootstrap installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
cleanup() {
  [ -n "${editor_pid:-}" ] && kill "$editor_pid" 2>/dev/null
  [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

"$tool" sample "$work/game" --scale small --seed 2 >/dev/null || { echo "sample failed"; exit 1; }

# A display of our own: the server picks a free number itself and writes it once it takes
# connections. (A number chosen here by looking for its lock and socket files could be taken
# meanwhile, or still be held by a server shutting down: under a full parallel test run the
# editor then found no server behind the number, now and then.)
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" >"$work/x.log" 2>&1 &
x_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$x_pid" 2>/dev/null || break
  sleep 0.1
done
number=$(head -n 1 "$work/display" 2>/dev/null)
if ! [[ "$number" =~ ^[0-9]+$ ]]; then
  echo "the X server did not start"
  cat "$work/x.log"
  exit 1
fi
export DISPLAY=":$number"
for _ in $(seq 50); do
  xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done

unset QT_QPA_PLATFORM
env TALLO_INSTALL_DIR="$work/game" TALLO_UI_LANGUAGE=en XDG_CONFIG_HOME="$work/config" \
  XDG_RUNTIME_DIR="$work" TALLO_DOCUMENTS_DIR="$work/documents" "$editor" >"$work/out.log" 2>&1 &
editor_pid=$!

window=""
for _ in $(seq 300); do
  window=$(xdotool search --name ' - Database$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  kill -0 "$editor_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "no window whose title ends in ' - Database'"
  cat "$work/out.log"
  exit 1
fi
echo "window: $(xdotool getwindowname "$window")"

# Ctrl+Q asks whether to leave, in a window under the message caption "Editor"; the start
# window may still hold the focus for a moment, so the key is sent again until it does.
question=""
for _ in $(seq 10); do
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --window "$window" ctrl+q
  for _ in $(seq 30); do
    question=$(xdotool search --onlyvisible --name '^Editor$' 2>/dev/null | head -n 1)
    [ -n "$question" ] && break
    sleep 0.1
  done
  [ -n "$question" ] && break
done
if [ -z "$question" ]; then
  echo "Ctrl+Q brought no question"
  cat "$work/out.log"
  exit 1
fi
# Enter takes the question's default button, Yes.
xdotool windowfocus --sync "$question" 2>/dev/null
sleep 0.3
xdotool key --window "$question" Return

status=""
for _ in $(seq 100); do
  if ! kill -0 "$editor_pid" 2>/dev/null; then
    wait "$editor_pid"
    status=$?
    break
  fi
  sleep 0.1
done
editor_pid=""
if [ "$status" != "1" ]; then
  echo "the editor did not end with status 1 (status: '${status:-still running}')"
  cat "$work/out.log"
  exit 1
fi
echo "ended with status 1"
