#!/usr/bin/env bash
# drifter.exe on a console: Wine's console in a tmux window stands in for
# conhost. The game shows its title and the street in code page 437 glyphs,
# takes Escape, Enter and the arrows from the console's key records, and
# quits from the pause menu with status 0.
# Usage: console_under_wine.sh DRIFTER_EXE (run in the folder with maps/)
set -euo pipefail
exe=$1
socket=drifter-wine-$$
trap 'tmux -L "$socket" kill-server 2> /dev/null || true' EXIT
tmux -L "$socket" new-session -d -x 80 -y 25 "wine '$exe'; echo \"exit status \$?\"; sleep 60"

screen() { tmux -L "$socket" capture-pane -p; }
keys() { tmux -L "$socket" send-keys "$@"; }
# Waits up to 60 s (Wine starts slowly) for the text, pressing the keys
# given (if any) every 2 s meanwhile.
waitFor() {
  local text=$1
  shift
  for i in $(seq 600); do
    screen | grep -qF -- "$text" && return 0
    [[ $# -gt 0 && $((i % 20)) -eq 0 ]] && keys "$@"
    sleep 0.1
  done
  echo "The console never showed \"$text\"; it shows:"
  screen
  return 1
}

# Bounty Hunters roam the streets: a fight that breaks in is fled, and any
# message after it passed, until the street shows again.
toTheStreet() {
  for _ in $(seq 30); do
    if screen | grep -qF 'Battle!'; then keys Down Down Down Enter
    elif screen | grep -qF 'Current Money' && screen | grep -qF '☻'; then return 0
    else keys Enter
    fi
    sleep 1
  done
  echo "The street never came back; the console shows:"
  screen
  return 1
}

waitFor 'presents'
waitFor 'New Game' Escape  # skips the fades
keys Enter
waitFor 'Abbott Gates'
keys Escape
waitFor 'HP: 500/500'
toTheStreet
before=$(screen)
keys Right
for _ in $(seq 50); do [[ "$(screen)" != "$before" ]] && break; sleep 0.1; done
[[ "$(screen)" != "$before" ]] || { echo "Right did not walk"; exit 1; }
toTheStreet
keys Escape
waitFor 'PAUSED'
keys Down Down Down Down
sleep 0.5
keys Enter
waitFor 'exit status 0'
