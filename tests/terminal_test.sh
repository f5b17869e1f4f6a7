#!/usr/bin/env bash
# Runs tessaroll-host interactively in a detached tmux pane on a demo disk,
# presses keys there and checks what the screen shows, what was saved and
# how the program ended.
#
# usage: terminal_test.sh TESSAROLL_HOST MAKE_DEMO_ROOT
set -euo pipefail

host=$1
make_root=$2
command -v tmux > /dev/null || { echo "tmux is not installed"; exit 77; }

work=$(mktemp -d)
# A server of our own, so that nothing else's tmux sessions are touched; its
# socket goes with the work directory.
tmx() { tmux -S "$work/tmux.sock" "$@"; }
cleanup() {
  tmx kill-server 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export TERM=xterm-256color
failures=0
screen() { tmx capture-pane -p -t demo 2> /dev/null || true; }
fail() {
  echo "FAIL: $*"
  echo "--- screen:"
  screen
  echo "---"
  failures=$((failures + 1))
}

# Waits until the screen shows `text` (a fixed string), for up to 10 s.
wait_for() {
  local text=$1
  for _ in $(seq 100); do
    screen | grep -qF -- "$text" && return 0
    sleep 0.1
  done
  fail "the screen never showed \"$text\""
  return 1
}

wait_for_gone() {
  local text=$1
  for _ in $(seq 100); do
    screen | grep -qF -- "$text" || return 0
    sleep 0.1
  done
  fail "the screen still shows \"$text\""
  return 1
}

# Waits until the program has ended and prints its exit status.
wait_for_exit() {
  for _ in $(seq 100); do
    [ -s "$work/status" ] && { cat "$work/status"; return 0; }
    sleep 0.1
  done
  echo "none"
}

# Starts the host on a fresh demo disk in a 100 x 40 pane. The shell around
# it outlives a hangup to write down the exit status.
start() {
  python3 "$make_root" "$work/root" > /dev/null
  rm -f "$work/status"
  tmx new-session -d -s demo -x 100 -y 40 \
    "trap '' HUP; env -u LC_ALL LC_CTYPE=C.UTF-8 '$host' --root '$work/root' \
       --transcript '$work/transcript' 2> '$work/stderr'; echo \$? > '$work/status'"
}

echo "== main window, a check box, cancel, the About box"
start
wait_for "Tessaroll Builder"
for text in "/hdd/movie/serien" "cancel" "OK" "sort by Name" "eit1" \
            "F1/r red" "F2/g green"; do
  wait_for "$text"
done
wait_for ">[x]  [ ]   /hdd/movie "      # the focus starts on row 0's use box
tmx send-keys -t demo Down
wait_for ">[x]  [x]   /hdd/movie/serien"
tmx send-keys -t demo Enter
wait_for ">[ ]  [x]   /hdd/movie/serien"
# The directory field of row 0: typing edits it, "r" and "b" included.
tmx send-keys -t demo Up Right Right
wait_for "type to edit, Backspace deletes"
tmx send-keys -t demo BSpace BSpace BSpace BSpace BSpace
wait_for ">/hdd/ "
tmx send-keys -t demo -l "usb/archiv"
wait_for ">/hdd/usb/archiv "
tmx send-keys -t demo F1
wait_for "(i) About"
wait_for "Tessaroll rebuilds the recordings list"
wait_for ">      OK"
wait_for_gone "Tessaroll Builder"
tmx send-keys -t demo Enter
status=$(wait_for_exit)
[ "$status" = 0 ] || fail "exit status $status, expected 0: $(cat "$work/stderr")"
tail -n 1 "$work/transcript" | grep -qF '{"event":"return","result":-1}' ||
  fail "transcript: $(cat "$work/transcript")"
grep -qx "use.1=0" "$work/root/var/etc/tsr.conf" || fail "row 1 is still in use"
grep -qx "name.0=/hdd/usb/archiv" "$work/root/var/etc/tsr.conf" ||
  fail "row 0's directory was not typed: $(grep name.0 "$work/root/var/etc/tsr.conf")"

echo "== a directory chosen in the browser shows in the names dialog"
start
wait_for "Tessaroll Builder"
# Row 2's directory field, then the browser from /hdd/movie/filme up to
# /hdd, where "usb" comes after ".." and "movie".
tmx send-keys -t demo Down Down Right Right Enter
wait_for "/hdd/movie/filme"
tmx send-keys -t demo Enter
wait_for "serien"
tmx send-keys -t demo Enter
wait_for "usb"
tmx send-keys -t demo Down Down F2
wait_for ">/hdd/usb "
# The dialog covers the main window's rows, so the path is its own label.
tmx send-keys -t demo F4
wait_for "Additional Directory Description"
wait_for "/hdd/usb"
tmx send-keys -t demo Escape
wait_for_gone "Additional Directory Description"
tmx send-keys -t demo F1
wait_for "(i) About"
tmx send-keys -t demo Enter
status=$(wait_for_exit)
[ "$status" = 0 ] || fail "exit status $status, expected 0: $(cat "$work/stderr")"
grep -qx "name.2=/hdd/usb" "$work/root/var/etc/tsr.conf" ||
  fail "row 2's directory: $(grep name.2 "$work/root/var/etc/tsr.conf")"

echo "== the terminal goes away while a window waits"
start
wait_for "Tessaroll Builder"
tmx kill-server
status=$(wait_for_exit)
[ "$status" = 3 ] || fail "exit status $status after a hangup, expected 3"
grep -qF '"Tessaroll Builder" waits for a key' "$work/stderr" ||
  fail "standard error: $(cat "$work/stderr")"

echo "== Ctrl-C while a window waits"
start
wait_for "Tessaroll Builder"
tmx send-keys -t demo C-c
status=$(wait_for_exit)
[ "$status" = 3 ] || fail "exit status $status after Ctrl-C, expected 3"

[ "$failures" = 0 ] && echo "all passed"
exit $((failures > 0))
