#!/usr/bin/env bash
# Drives the real program in an X server with xdotool and reads what it shows from
# screenshots: board squares by their colours, log lines by comparing them with the same
# lines drawn by log_reference, history rows by the selection colour. What the window decides
# without drawing (commands, status texts, questions, the log's lines) is tested on the
# controller in tests/controller/; this script keeps what needs real pixels and clicks.
#   window_test.sh first_start|basics|thinking|quitting|players|levels|features|damaged_database|layout|analysis|board_look|languages|clocks <tarvenn> <log_reference> <close_window> <window_probe> <layout_boxes>
# Exits 77 (skipped) without an X server. Screenshots are left in the current folder.
# The program runs in an empty folder with a scratch data folder: first_start begins with
# it empty and leaves the database it computed in window-data/ for the other parts.
set -u
part=$1
program=$2
reference=$3
closer=$4
probe=$5
boxes=$6
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  echo "no X display"
  exit 77
fi

work=$(mktemp -d)
shots=$PWD
# English whatever the machine's language; the languages part sets its own.
export LC_ALL=C
unset LANGUAGE
export XDG_DATA_HOME=$work/data XDG_DATA_DIRS=$work/installed XDG_CONFIG_HOME=$work/config
prepared=$shots/window-data
# The board's plain look, without animation and sound, which the pixels read below expect.
Settings=$XDG_CONFIG_HOME/tarvenn/new-game
plain_board() {
  mkdir -p "$XDG_CONFIG_HOME/tarvenn"
  sed -i '/^board\./d' "$Settings" 2>/dev/null
  printf 'board.style = classic\nboard.pieces = flat\nboard.animation = off\nboard.sound = off\n' >>"$Settings"
}
plain_board
app=""
helper=""
clip=""
cleanup() {
  [ -n "$helper" ] && kill "$helper" 2>/dev/null
  [ -n "$clip" ] && kill "$clip" 2>/dev/null
  [ -n "$app" ] && kill "$app" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A busy X server now and then turns a connection away: run X clients again when it did.
x11() {
  local out status
  for _ in $(seq 30); do
    out=$("$@" 2>"$work/x11-errors")
    status=$?
    if ! grep -qi "open display" "$work/x11-errors"; then
      cat "$work/x11-errors" >&2
      [ -n "$out" ] && echo "$out"
      return $status
    fi
    sleep 0.1
  done
  return 1
}
xdotool() { x11 command xdotool "$@"; }
xwd() { x11 command xwd "$@"; }

# The first visible window whose name matches, waiting up to 20 seconds.
find_window() {
  local found
  for _ in $(seq 200); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$found" ] && echo "$found" && return 0
    sleep 0.1
  done
  return 1
}

Title='Tarvenn v0.8 author: Odrowen'
NewGameTitle='New game\.\.\.'
# Where the boards, the status line and the log are at a window size (BoardX, BoardY,
# BoardSize, SmallX..., StatusY, LogTop...), as the window's layout puts them.
use_layout() {
  eval "$("$boxes" "$@")"
  Board="$BoardX $BoardY $BoardSize"
  Small="$SmallX $SmallY $SmallSize"
}
use_layout 600 500  # the size the program opens at
Frame=FFFF66 Dark=414141 LastMove=6E6E3C WhiteFace=CCCCCC BlackFace=FF6666 Selected=000080
W=""

fail() {
  echo "FAIL: $*"
  [ -n "$W" ] && save_shot "window-$part-failure.png"
  exit 1
}

shot() { xwd -id "$W" -silent -out "$work/now.xwd" && convert "xwd:$work/now.xwd" "$work/now.png"; }
save_shot() { shot && cp "$work/now.png" "$shots/$1"; }
# Hex colours of the listed "x,y" points of the last screenshot.
pixels() {
  local format=""
  for p in "$@"; do format+="%[hex:p{$p}] "; done
  convert "$work/now.png" -format "${format% }" info:
}

# Square k's top left on a board at (x0, y0) of `size` pixels: rank k/4, column from k.
square_corner() {
  local k=$1 x0=$2 y0=$3 size=$4 rank=$(($1 >> 2))
  local column=$((2 * (k & 3) + (rank & 1)))
  echo $((x0 + column * size / 8)) $((y0 + (7 - rank) * size / 8))
}
# The 32 dark squares as w (white man), b (black man), . (empty) or ? (anything else),
# read from the face of the piece, off the diagonals a cross would take.
board_state() {
  local x0=$1 y0=$2 size=$3 dx=$4 dy=$5 points=() state="" c
  for k in $(seq 0 31); do
    read -r x y < <(square_corner "$k" "$x0" "$y0" "$size")
    points+=("$((x + dx)),$((y + dy))")
  done
  for c in $(pixels "${points[@]}"); do
    case $c in $WhiteFace) state+=w ;; $BlackFace) state+=b ;; $Dark | $LastMove) state+=. ;; *) state+='?' ;; esac
  done
  echo "$state"
}
# A piece's face is read half a square across, two thirds of a square down.
main_board() { board_state $Board $((BoardSize / 16)) $((BoardSize * 8 / 100)); }
small_board() { board_state $Small $((SmallSize / 16)) $((SmallSize * 8 / 100)); }
# Number of squares of the main (or small) board that carry one frame.
framed_count() {
  local x0=$1 y0=$2 size=$3 points=() n=0 c
  for k in $(seq 0 31); do
    read -r x y < <(square_corner "$k" "$x0" "$y0" "$size")
    points+=("$((x + 1)),$((y + size / 16))")
  done
  for c in $(pixels "${points[@]}"); do [ "$c" = "$Frame" ] && n=$((n + 1)); done
  echo $n
}
framed() {  # square k of the main board has a frame
  read -r x y < <(square_corner "$1" $Board)
  [ "$(pixels "$((x + 1)),$((y + BoardSize / 16))")" = "$Frame" ]
}

# The region (WxH+X+Y) of the last screenshot equals a saved picture.
region_is() {
  convert "$work/now.png" -crop "$1" +repage "$work/region.png"
  [ "$(compare -metric AE "$2" "$work/region.png" null: 2>&1)" = "0" ]
}

# Polls a condition (a shell command run on a fresh screenshot) for up to $1 seconds.
wait_for() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  while [ $SECONDS -le $end ]; do
    shot
    eval "$@" && return 0
    sleep 0.2
  done
  return 1
}

# Log line i (from the top, 0 first) equals `text` as the program's log draws it: the same
# line is drawn by log_reference and the two rows are compared pixel by pixel.
# With "symbol" only the piece symbol at the start of the line is compared.
log_line_is() {
  local index=$1 text=$2 width=${3:-340} lines=()
  for ((i = 0; i < index; i++)); do lines+=("."); done
  lines+=("$text")
  reference_matches "$width" $((LogTop)) "$index" "${lines[@]}"
}

# The status line shows `text` as the window draws it (the first $2 pixels, default 290).
status_line_is() { reference_matches "${2:-290}" "$StatusY" 0 --status "$1"; }

# log_reference draws its arguments; row `index` of it, `width` pixels wide, equals the same
# row of the window `offset` pixels lower.
reference_matches() {
  local width=$1 offset=$2 index=$3
  shift 3
  local R=""
  for _ in $(seq 5); do
    "$reference" "$@" >"$work/geometry" 2>/dev/null &
    helper=$!
    for _ in $(seq 50); do
      R=$(xdotool search --onlyvisible --name '^log reference$' 2>/dev/null | head -1)
      [ -n "$R" ] && [ -s "$work/geometry" ] && break 2
      kill -0 "$helper" 2>/dev/null || break  # it could not connect: start it again
      sleep 0.1
    done
  done
  [ -n "$R" ] || fail "log reference window did not open"
  sleep 0.2
  read -r top height <"$work/geometry"
  local y=$((top + index * height))
  xwd -id "$R" -silent -out "$work/expected.xwd"
  convert "xwd:$work/expected.xwd" -crop "${width}x${height}+2+${y}" +repage "$work/expected.png"
  kill "$helper" 2>/dev/null
  wait "$helper" 2>/dev/null
  helper=""
  shot
  convert "$work/now.png" -crop "${width}x${height}+2+$((offset + y))" +repage "$work/actual.png"
  [ "$(compare -metric AE "$work/expected.png" "$work/actual.png" null: 2>&1)" = "0" ]
}

# Starts the program and waits for its main window; with "any", for its first window.
start_program() {
  local which=${1:-main}
  # A game kept by an earlier Quit would be offered for resuming first.
  [ -n "${keep_game_in_play:-}" ] || rm -f "$XDG_DATA_HOME/tarvenn/game-in-play.pdn"
  for _ in $(seq 5); do
    (cd "$work" && exec "$program") &
    app=$!
    for _ in $(seq 600); do
      if [ "$which" = any ]; then
        W=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -1)
      else
        W=$(xdotool search --onlyvisible --name "${TitleSearch:-^$Title\$}" 2>/dev/null | head -1)
      fi
      [ -n "$W" ] && break 2
      kill -0 "$app" 2>/dev/null || break  # it could not connect: start it again
      sleep 0.1
    done
  done
  [ -n "$W" ] || fail "the program opened no window"
  [ "$which" = any ] && return
  [ "$(xdotool getwindowname "$W")" = "$Title" ] || fail "window title is '$(xdotool getwindowname "$W")'"
  [ -n "${keep_game_in_play:-}" ] && return  # the question to resume it covers the board
  wait_for 10 board_drawn || fail "the board is not drawn"
}

# The top left square (light) of the main board shows.
board_drawn() { [ "$(pixels "$((BoardX + BoardSize / 16)),$((BoardY + BoardSize / 16))")" = FFFFFF ]; }

# The data folder with the database that first_start computed, so no progress window shows.
use_prepared_data() {
  [ -s "$prepared/tarvenn/enddb4.bin" ] || fail "no $prepared/tarvenn/enddb4.bin: run window_first_start first"
  mkdir -p "$XDG_DATA_HOME"
  cp -r "$prepared/tarvenn" "$XDG_DATA_HOME/"
}

key() {
  xdotool windowfocus --sync "$W" 2>/dev/null
  xdotool key "$@"
}

# A box of the program (untitled, such as "Abandon this game?") answered with the key $1
# (Return: the default answer); with $2, gives up as soon as the window named $2 shows;
# with $3, first saves the box's message as that picture.
answer_box() {
  local B="" dialog=${2:-} picture=${3:-} w
  for _ in $(seq 50); do
    [ -n "$dialog" ] && xdotool search --onlyvisible --name "$dialog" >/dev/null 2>&1 && return 1
    for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
      [ -z "$(xdotool getwindowname "$w" 2>/dev/null)" ] && B=$w && break 2
    done
    sleep 0.1
  done
  [ -n "$B" ] || return 1
  if [ -n "$picture" ]; then
    sleep 0.3
    xwd -id "$B" -silent -out "$work/box.xwd" && convert "xwd:$work/box.xwd" -crop 300x40+70+10 +repage "$picture"
  fi
  xdotool windowfocus --sync "$B" 2>/dev/null
  xdotool key "$1"
  for _ in $(seq 50); do
    xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qx "$B" || return 0
    sleep 0.1
  done
  return 1
}

# The place of each level in the level choice, counted from classic, which the dialog starts with.
level_offset() {
  case $1 in beginner) echo -2 ;; casual) echo -1 ;; classic) echo 0 ;; strong) echo 1 ;; expert) echo 2 ;; esac
}

# New game: each side "human" or a computer's seconds as "0.01" (the slider's left end) or "30" (its right end),
# optionally with a level after a colon ("0.01:strong").
new_game() {
  # The dialog then shows its defaults, two people; only the board's look stays.
  sed -i '/^\(white\|black\|files\)\./d' "$Settings" 2>/dev/null
  key ctrl+n
  answer_box Return "^$NewGameTitle\$"  # "Abandon this game?" when the game in play has moves
  local D
  D=$(find_window "^$NewGameTitle\$") || fail "the new-game dialog did not open"
  [ -z "${NewGameName:-}" ] || [ "$(xdotool getwindowname "$D")" = "$NewGameName" ] ||
    fail "the new-game dialog is named '$(xdotool getwindowname "$D")'"
  local WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$D")"
  local side=0
  for kind in "$1" "$2"; do
    if [ "$kind" != human ]; then
      # The choice pops up with "human" under the pointer and "computer" below it.
      xdotool mousemove --window "$D" 130 $((18 + 100 * side)) click 1
      sleep 0.3
      xdotool mousemove --window "$D" 130 $((37 + 100 * side)) click 1
      sleep 0.2
      local end=38 level=${kind#*:}
      # The slider ends where the typed time begins, left of the 180-pixel column of the clocks.
      [ "${kind%:*}" = 30 ] && end=$((WIDTH - 180 - 53))
      xdotool mousemove --window "$D" $end $((39 + 100 * side)) click 1
      if [ "$level" != "$kind" ]; then
        # The level choice pops up with the level shown under the pointer, the others 19 pixels apart.
        xdotool mousemove --window "$D" 130 $((80 + 100 * side)) click 1
        sleep 0.3
        xdotool mousemove --window "$D" 130 $((80 + 100 * side + 19 * $(level_offset "$level"))) click 1
        sleep 0.2
      fi
    fi
    side=1
  done
  # With dialog_shot set, the dialog as chosen is kept in that picture.
  [ -n "${dialog_shot:-}" ] && sleep 0.3 && xwd -id "$D" -silent -out "$work/dialog.xwd" &&
    convert "xwd:$work/dialog.xwd" "$shots/$dialog_shot"
  accept_window "^$NewGameTitle\$"
}

# Enter in the window named $1 (a pattern), which must then close.
accept_window() {
  local D
  D=$(find_window "$1") || fail "the window '$1' did not open"
  xdotool windowfocus --sync "$D" 2>/dev/null
  sleep 0.3
  xdotool key Return
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window '$1' did not close"
}

click_square() {  # button 1 (or $2) on the centre of square k of the main board
  read -r x y < <(square_corner "$1" $Board)
  xdotool mousemove --window "$W" $((x + BoardSize / 16)) $((y + BoardSize / 16)) click "${2:-1}"
}

# Quit from the menu's shortcut, or with "close" as the window manager's close request;
# the program must be gone within $2 tenths of a second (default 100).
quit_with_status_zero() {
  if [ "${1:-}" = close ]; then
    "$closer" "$W"
  else
    key alt+F4
  fi
  for _ in $(seq "${2:-100}"); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && fail "Quit did not end the program"
  wait "$app"
  local status=$?
  app=""
  [ $status -eq 0 ] || fail "Quit ended with status $status"
}

Initial=wwwwwwwwwwww........bbbbbbbbbbbb

first_start() {
  # A data folder that cannot be made: a message box, and after OK the game with 3 pieces.
  : >"$work/blocker"
  XDG_DATA_HOME=$work/blocker start_program any
  [ "$(xdotool getwindowname "$W")" != "$Title" ] || fail "the game opened without a message box"
  sleep 0.5
  save_shot window-first-start-failure.png
  key Return
  W=$(find_window "^$Title\$") || fail "the game did not start after the message box"
  wait_for 10 board_drawn || fail "the board is not drawn"
  [ -e "$work/blocker/tarvenn" ] && fail "a data folder was made behind a file"
  quit_with_status_zero

  # An empty data folder: the progress window, then the game; the folder holds enddb1-4.
  start_program any
  [ "$(xdotool getwindowname "$W")" = "Tarvenn: first start" ] ||
    fail "the first window is '$(xdotool getwindowname "$W")', not the progress window"
  sleep 1
  save_shot window-first-start.png
  local end=$((SECONDS + 600))
  W=""
  while [ -z "$W" ] && [ $SECONDS -le $end ]; do
    kill -0 "$app" 2>/dev/null || fail "the program ended during its first start"
    W=$(xdotool search --onlyvisible --name "^$Title\$" 2>/dev/null | head -1)
    sleep 0.2
  done
  [ -n "$W" ] || fail "the main window did not follow the progress window"
  wait_for 10 board_drawn || fail "the board is not drawn"
  [ -z "$(xdotool search --onlyvisible --name '^Tarvenn: first start$' 2>/dev/null)" ] ||
    fail "the progress window stays open beside the game"
  local sizes=""
  for n in 1 2 3 4; do sizes+="$(stat -c %s "$XDG_DATA_HOME/tarvenn/enddb$n.bin" 2>/dev/null) "; done
  [ "$sizes" = "128 7936 317440 9205760 " ] || fail "the data folder holds database files of sizes: $sizes"
  quit_with_status_zero
  rm -rf "$prepared"
  cp -r "$XDG_DATA_HOME" "$prepared"
}

# A database file with one byte changed: a box names it before the game starts; without
# a rebuild the log says so and the file stays; with Rebuild it is written sound again.
damaged_database() {
  use_prepared_data
  local file=$XDG_DATA_HOME/tarvenn/enddb4.bin
  printf '\001' | dd of="$file" bs=1 seek=4600000 conv=notrunc 2>/dev/null
  cmp -s "$file" "$prepared/tarvenn/enddb4.bin" && fail "the byte was not changed"
  start_program any
  answer_box Escape "^$Title\$" "$shots/window-damaged-database.png" || fail "no box names the damaged file"
  W=$(find_window "^$Title\$") || fail "the game did not start after the box"
  wait_for 10 '[ "$(pixels 23,43)" = FFFFFF ]' || fail "the board is not drawn"
  log_line_is 0 "@b;The end-game database file enddb4.bin is damaged (its checksum does not match); positions of 4 pieces are searched instead." ||
    fail "the log does not name the damaged file"
  cmp -s "$file" "$prepared/tarvenn/enddb4.bin" && fail "the file was rebuilt without being asked"
  quit_with_status_zero

  start_program any
  answer_box Return "^$Title\$" || fail "no box offers the rebuild"
  # The rebuild computes the database again: minutes in a sanitized build on a busy machine.
  W=""
  for _ in $(seq 15); do W=$(find_window "^$Title\$") && break; done
  [ -n "$W" ] || fail "the game did not start after the rebuild"
  wait_for 10 '[ "$(pixels 23,43)" = FFFFFF ]' || fail "the board is not drawn"
  log_line_is 0 "@b;The end-game database file enddb4.bin was damaged (its checksum does not match) and has been rebuilt." ||
    fail "the log does not say the file was rebuilt"
  cmp -s "$file" "$prepared/tarvenn/enddb4.bin" || fail "the rebuilt file differs from the computed one"
  quit_with_status_zero
}

basics() {
  use_prepared_data
  start_program
  [ "$(main_board)" = "$(printf '.%.0s' $(seq 32))" ] || fail "the board is not empty before the first game"
  # The desktop finds the menu entry's icon by the window's class.
  xprop -id "$W" WM_CLASS | grep -q '"tarvenn"' || fail "the window's class is not tarvenn: $(xprop -id "$W" WM_CLASS)"

  # Square names: on, then off again, leaving the board as it was.
  local area=${BoardSize}x$BoardSize+$BoardX+$BoardY
  convert "$work/now.png" -crop "$area" +repage "$work/before.png"
  key s
  wait_for 5 '! region_is "$area" "$work/before.png"' ||
    fail "square names did not appear"
  key s
  wait_for 5 'region_is "$area" "$work/before.png"' ||
    fail "square names did not go away"

  # Human against the computer at 0.01 s.
  new_game human 0.01
  wait_for 5 '[ "$(main_board)" = $Initial ]' || fail "new game does not show the initial position: $(main_board)"
  shot
  [ "$(framed_count $Board)" = 4 ] || fail "not exactly the four movable men are framed"
  framed 9 || fail "C3 is not framed"
  click_square 26  # D2 cannot move: nothing happens
  click_square 9
  wait_for 5 'framed 13 && framed 12 && ! framed 9' || fail "selecting C3 does not frame B4 and D4 only"
  click_square 13
  wait_for 10 '[ "$(main_board | cut -c10,14)" = ".w" ] && [ "$(main_board | tr -cd b | wc -c)" = 12 ] &&
               [ "$(main_board | cut -c21-32)" != bbbbbbbbbbbb ] && [ "$(framed_count $Board)" -gt 0 ]' ||
    fail "the computer did not answer C3-D4: $(main_board)"
  # The history selects its newest (second) row, and the small board shows that position.
  [ "$(pixels 560,33 560,48)" = "FFFFFF $Selected" ] || fail "the newest history row is not selected"
  [ "$(small_board)" = "$(main_board)" ] || fail "small board $(small_board) differs from $(main_board)"
  [ "$(framed_count $Small)" = 2 ] || fail "the small board does not frame the last move"
  save_shot window-game-600x500.png

  # Full screen and back. Without a window manager the full-screen window is made anew
  # (and unnamed), so it is found by the program's process.
  key f
  sleep 1
  W=$(xdotool search --onlyvisible --pid "$app" | head -1)
  [ -n "$W" ] || fail "no window in full screen"
  eval "$(xdotool getwindowgeometry --shell "$W")"
  [ "$WIDTH" -gt 600 ] || fail "full screen did not enlarge the window"
  sleep 0.5
  save_shot window-game-full-screen.png
  key f
  sleep 1
  W=$(find_window "^$Title\$") || fail "the window lost its title after full screen"
  eval "$(xdotool getwindowgeometry --shell "$W")"
  [ "$WIDTH.$HEIGHT" = 600.500 ] || fail "leaving full screen did not restore 600x500 but gave ${WIDTH}x$HEIGHT"

  # Two people: a new game, a move, then the analysis commands of the history's pop-up menu.
  new_game human human
  click_square 9
  sleep 0.2
  click_square 13
  wait_for 5 '[ "$(pixels 560,33)" = $Selected ]' || fail "the history does not show the move"
  convert "$work/now.png" -crop 190x15+405+26 +repage "$work/row.png"
  xdotool mousemove --window "$W" 470 33 click 3
  sleep 0.5
  xdotool mousemove --window "$W" 520 43 click 1
  wait_for 120 '! region_is 190x15+405+26 "$work/row.png"' ||
    fail "evaluating the entry did not change its row"
  xdotool mousemove --window "$W" 470 33 click 3
  sleep 0.5
  xdotool mousemove --window "$W" 520 62 click 1
  # The best reply opens below the entry (seven rows) and becomes the selected row.
  wait_for 300 '[ "$(pixels 560,33)" != $Selected ] && pixels 560,48 560,63 560,78 560,93 560,108 560,123 560,138 | grep -q $Selected' ||
    fail "the best reply was not selected"
  [ "$(small_board | cut -c14)" = w ] && [ "$(small_board | tr -cd b | wc -c)" = 12 ] ||
    fail "the small board does not show a reply to C3-D4: $(small_board)"
  save_shot window-analysis.png
  quit_with_status_zero
}

# Milliseconds the window takes to answer, measured by the probe; fails above `limit`.
answers_within() {
  local limit=$1 what=$2 ms
  shift 2
  xdotool windowfocus --sync "$W" 2>/dev/null
  ms=$("$probe" "$@") || fail "$what: no answer within 5 s"
  echo "$what: ${ms} ms"
  [ "$ms" -le "$limit" ] || fail "$what took $ms ms, more than $limit"
}

# Human against the computer at 30 s a move: the window keeps answering while it thinks.
thinking() {
  start_program
  new_game human 30
  wait_for 5 '[ "$(main_board)" = $Initial ]' || fail "new game does not show the initial position"
  click_square 9
  sleep 0.3
  click_square 13
  wait_for 5 '[ "$(main_board | cut -c10,14)" = ".w" ]' || fail "C3-D4 was not played"
  sleep 1
  shot
  local thinking_board
  thinking_board=$(main_board)
  answers_within 200 "repaint of a covered area during the think" repaint "$W" 40 60 200 200
  answers_within 200 "Game menu opened during the think" click "$W" 20 10
  xdotool key Escape
  sleep 0.3
  [ "$(main_board)" = "$thinking_board" ] || fail "the computer moved before Move now"
  answers_within 500 "Move now" key "$W" $Board $BoardSize Control_L m
  wait_for 5 '[ "$(main_board | tr -cd b | wc -c)" = 12 ] && [ "$(main_board | cut -c21-32)" != bbbbbbbbbbbb ]' ||
    fail "Move now did not play a black move: $(main_board)"
  save_shot window-thinking.png
  quit_with_status_zero
}

# Milliseconds from a Quit ("quit": its shortcut) or a close request ("close") until the
# process is gone; fails above $2 ms. The time is printed.
quit_time() {
  local how=$1 limit=$2 what=$3 start ms
  xdotool windowfocus --sync "$W" 2>/dev/null
  start=$(date +%s%N)
  if [ "$how" = close ]; then "$closer" "$W"; else xdotool key alt+F4; fi
  for _ in $(seq 500); do kill -0 "$app" 2>/dev/null || break; sleep 0.005; done
  ms=$((($(date +%s%N) - start) / 1000000))
  kill -0 "$app" 2>/dev/null && fail "$how $what did not end the program"
  wait "$app"
  local status=$?
  app=""
  [ $status -eq 0 ] || fail "$how $what ended with status $status"
  echo "$how $what: process gone after ${ms} ms"
  [ "$ms" -le "$limit" ] || fail "$how $what took $ms ms, more than $limit"
}

# Quit and closing end the process at once: during a 30 s think, while a person is to move,
# and without a game.
quitting() {
  use_prepared_data
  local how
  for how in quit close; do
    start_program
    new_game human "${THINK_KIND:-30}"
    click_square 9
    sleep 0.3
    click_square 13
    sleep 1.5
    quit_time "$how" "${QUIT_LIMIT_MS:-300}" "during a think"
    start_program
    new_game human 0.01
    play_c3_d4_and_await_reply
    quit_time "$how" "${QUIT_LIMIT_MS:-300}" "while White is to move"
    start_program
    quit_time "$how" "${QUIT_LIMIT_MS:-300}" "without a game"
  done
}

# The board turned round: square k of the main board shows in the cell of square 31 - k.
main_board_turned() { main_board | rev; }
click_turned() {
  read -r x y < <(square_corner "$((31 - $1))" $Board)
  xdotool mousemove --window "$W" $((x + BoardSize / 16)) $((y + BoardSize / 16)) click 1
}
# The players dialog of an opened, pasted or set-up game: two people, accepted with Enter.
accept_players() { accept_window '^Players for this game$'; }
# FLTK's own file chooser (the desktop's is switched off in $HOME), accepted with Enter as
# it comes: the first save offers the players and the date in $HOME (there is no documents
# folder here), Open the file last saved.
choose_file() { accept_window "^$1\$"; }

# FLTK's own file chooser, switched on in a scratch $HOME: the desktop's cannot be driven here.
use_fltk_file_chooser() {
  export HOME=$work/home
  mkdir -p "$HOME/.fltk/fltk.org"
  printf '; FLTK preferences file format 1.0\n; vendor: fltk.org\n; application: fltk\n\n[./options]\nFNFCUsesGTK:0\n' \
    >"$HOME/.fltk/fltk.org/fltk.prefs"
}

players() {
  use_prepared_data
  use_fltk_file_chooser
  start_program
  # The empty board says how to begin.
  shot
  [ "$(pixels 190,205)" != "$Dark" ] && [ "$(pixels 190,205)" != FFFFFF ] || fail "the empty board shows no text"

  # Take back after the computer's reply: the position before the human's move, then Replay.
  new_game human 0.01
  click_square 9
  sleep 0.3
  click_square 13
  wait_for 10 '[ "$(main_board | tr -cd b | wc -c)" = 12 ] && [ "$(main_board | cut -c21-32)" != bbbbbbbbbbbb ]' ||
    fail "the computer did not answer C3-D4: $(main_board)"
  local replied
  replied=$(main_board)
  key ctrl+z
  wait_for 5 '[ "$(main_board)" = $Initial ]' || fail "Take back did not restore the initial position: $(main_board)"
  key ctrl+y
  wait_for 5 '[ "$(main_board)" = "$replied" ]' || fail "Replay did not bring the moves back: $(main_board)"
  save_shot window-take-back.png

  # Save, a new game, open: the history shows the same moves.
  click_square 8
  sleep 0.3
  click_square 12
  wait_for 10 '[ "$(pixels 560,78)" = $Selected ]' || fail "the fourth move is not in the history"
  convert "$work/now.png" -crop 190x70+405+26 +repage "$work/history.png"
  key ctrl+s
  choose_file "Save game"
  local saved_file
  saved_file=$HOME/human-computer-$(date +%Y-%m-%d).pdn
  [ -s "$saved_file" ] || fail "Save game wrote no file $saved_file: $(ls "$HOME")"
  grep -q '^\[GameType "26,W,8,8,A0,0"\]' "$saved_file" || fail "the saved game has no GameType tag"
  grep -q '^\[BlackType "computer"\]' "$saved_file" && grep -q '^\[BlackTime "0.01"\]' "$saved_file" ||
    fail "the saved game does not name the computer and its time: $(cat "$saved_file")"
  grep -qx "files.folder = $HOME" "$XDG_CONFIG_HOME/tarvenn/new-game" ||
    fail "the folder of the saved file is not remembered: $(cat "$XDG_CONFIG_HOME/tarvenn/new-game")"
  # Without a window manager the keyboard comes back to the window after a dialog only when
  # the pointer rests where the dialogs open (top left): the history then shows its focus as it
  # did when the game was saved.
  xdotool mousemove --window "$W" 70 231
  new_game human human  # it answers "Abandon this game?"
  wait_for 5 '[ "$(main_board)" = $Initial ] && [ "$(pixels 560,33)" = FFFFFF ]' ||
    fail "New did not start a new game: $(main_board)"
  key ctrl+o
  choose_file "Open game"
  accept_players
  wait_for 5 'region_is 190x70+405+26 "$work/history.png"' || fail "the opened game's history differs from the saved one"

  # A pasted FEN shows its position.
  # xclip serves the clipboard until it is killed; in the foreground, so that it is ours to end.
  printf 'B:W18,K30:B3,10' | xclip -selection clipboard -quiet >/dev/null 2>&1 &
  clip=$!
  key ctrl+v
  answer_box Return || fail "Paste did not ask before abandoning the game"
  # Wide enough for its title beside a window manager's icon and buttons.
  local P WIDTH HEIGHT X Y SCREEN WINDOW
  P=$(find_window '^Players for this game$') || fail "Paste did not ask for the players"
  eval "$(xdotool getwindowgeometry --shell "$P")"
  [ "$WIDTH" -ge 300 ] || fail "the players dialog is $WIDTH pixels wide, too narrow for its title"
  accept_players
  wait_for 5 '[ "$(main_board | cut -c2,14,22,31)" = wwbb ] && [ "$(main_board | tr -cd wb | wc -c)" = 4 ]' || fail "the pasted position is not shown: $(main_board)"
  kill "$clip" 2>/dev/null
  clip=""

  # Flip, then clicks on the turned board play the intended move.
  new_game human human
  key ctrl+r
  wait_for 5 '[ "$(main_board_turned)" = $Initial ]' || fail "the turned board does not show the initial position"
  click_turned 9
  sleep 0.3
  click_turned 13
  wait_for 5 '[ "$(main_board_turned | cut -c10,14)" = ".w" ]' || fail "C3-D4 on the turned board was not played"
  save_shot window-flipped.png
  key ctrl+r

  # Quit keeps the game in play; the next start offers to resume it.
  quit_with_status_zero
  [ -s "$XDG_DATA_HOME/tarvenn/game-in-play.pdn" ] || fail "Quit did not keep the game in play"
  keep_game_in_play=1 start_program
  answer_box Return || fail "the start did not offer to resume the game"
  accept_players
  wait_for 5 '[ "$(main_board | cut -c10,14)" = ".w" ]' || fail "the resumed game does not show C3-D4"
  quit_with_status_zero
}

# The computer's level: chosen in the dialog, named in the log and remembered by the dialog
# (a kept game resumed at its level is a controller test). A person plays White, the
# computer Black at 0.01 s.
# Black has moved and White's men are framed for the person's next move (an exchange may
# have taken men on both sides).
black_replied() { [ "$(main_board | cut -c21-32)" != bbbbbbbbbbbb ] && [ "$(framed_count $Board)" -gt 0 ]; }
# White plays C3-D4 by clicks, and the computer's answer is awaited.
play_c3_d4_and_await_reply() {
  click_square 9
  sleep 0.3
  click_square 13
  wait_for 10 black_replied || fail "the computer did not answer C3-D4: $(main_board)"
}
# One of the three newest log lines is the computer's decision at that level (an exchange it
# chose puts a forced capture and its own capture above it). The width stops before the move.
level_named() { log_line_is 0 "@bc ($1)" 70 || log_line_is 1 "@bc ($1)" 70 || log_line_is 2 "@bc ($1)" 70; }
levels() {
  use_prepared_data
  start_program
  new_game human 0.01:strong
  click_square 9
  sleep 0.3
  click_square 13
  wait_for 15 'black_replied && level_named strong' ||
    fail "the computer did not answer C3-D4 with a line naming its level: $(main_board)"
  save_shot window-levels.png
  local saved=$XDG_CONFIG_HOME/tarvenn/new-game
  grep -qx 'black.level = strong' "$saved" && grep -qx 'white.level = classic' "$saved" &&
    grep -qx 'black.seconds = 0.01' "$saved" || fail "the dialog did not remember the level: $(cat "$saved")"

  # A new game shows the remembered choices: Enter starts it with the computer at its level.
  key ctrl+n
  answer_box Return '^New game\.\.\.$'
  accept_window '^New game\.\.\.$'
  wait_for 5 '[ "$(main_board)" = $Initial ]' || fail "the new game does not show the initial position"
  click_square 9
  sleep 0.3
  click_square 13
  wait_for 15 'black_replied && level_named strong' ||
    fail "the remembered computer did not answer C3-D4 with a line naming its level: $(main_board)"
  quit_with_status_zero
}

# A menu command without a shortcut: Alt and the menu's letter open it, the item's letter picks it.
menu_command() {
  key "alt+$1"
  local M="" w
  for _ in $(seq 50); do
    for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
      [ "$w" != "$W" ] && M=$w && break 2
    done
    sleep 0.1
  done
  [ -n "$M" ] || fail "the menu of alt+$1 did not open"
  xdotool windowfocus --sync "$M" 2>/dev/null
  xdotool key "$2"
  for _ in $(seq 50); do
    xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qx "$M" || return 0
    sleep 0.1
  done
  fail "the menu of alt+$1 did not close after $2"
}
# Squares of the main board that carry a frame, as their numbers.
framed_squares() {
  local k list=""
  for k in $(seq 0 31); do framed "$k" && list+="$k "; done
  echo "${list% }"
}
# Black's men on the sixth rank are the ones free to move after White's first move.
black_to_move() { [ "$(framed_squares)" = "20 21 22 23" ]; }

# Hint, Resign, Set up position and the list of games of a file, for two people.
features() {
  use_prepared_data
  use_fltk_file_chooser
  start_program
  new_game human human
  wait_for 5 '[ "$(main_board)" = $Initial ] && [ "$(framed_count $Board)" = 4 ]' ||
    fail "the new game does not wait for White: $(main_board)"
  # Hint: one man and where it goes framed, nothing played (its status and log are controller tests).
  key ctrl+h
  wait_for 15 '[ "$(framed_count $Board)" = 2 ]' || fail "Hint did not frame a move: $(framed_squares)"
  local from to
  read -r from to < <(framed_squares)
  [ "$from" -ge 8 ] && [ "$from" -le 11 ] && [ "$to" -ge 12 ] && [ "$to" -le 15 ] ||
    fail "Hint framed $from and $to, not a first move of White's"
  [ "$(main_board)" = $Initial ] || fail "Hint changed the position: $(main_board)"
  save_shot window-hint.png
  # The hinted move is still White's to play.
  click_square "$from"
  sleep 0.3
  click_square "$to"
  wait_for 5 '[ "$(main_board | cut -c$((from + 1)),$((to + 1)))" = ".w" ] && black_to_move' ||
    fail "the hinted move $from-$to was not played: $(main_board)"

  # Black resigns from the menu, opened by its keys; the question is answered Yes (its
  # other answer and the board after it are controller tests).
  menu_command m s
  answer_box Return || fail "Resign did not ask for confirmation"
  wait_for 5 'log_line_is 0 "@b;White wins!"' || fail "Resign did not log White wins!"
  [ "$(framed_count $Board)" = 0 ] || fail "frames stay on the board after Resign: $(framed_squares)"
  save_shot window-resign.png
  set_up
  game_list

  # A draw offered between two people: the question shows once the offer has returned
  # (what each answer leaves on the board is a controller test).
  new_game human human
  wait_for 5 '[ "$(main_board)" = $Initial ] && [ "$(framed_count $Board)" = 4 ]' ||
    fail "the draw game does not wait for White: $(main_board)"
  key alt+d
  answer_box Escape "" "$shots/window-draw-question.png" || fail "Offer draw did not ask Black"
  key alt+d
  answer_box Return || fail "Offer draw did not ask Black again"
  wait_for 5 'log_line_is 0 "@b;Game draw."' || fail "Yes to the draw did not log Game draw."
  quit_with_status_zero
}

# The set-up dialog: its board is 320 pixels at (5, 5), without names' effect on clicks.
setup_click() {  # square k of the dialog's board, clicked $2 times
  read -r x y < <(square_corner "$1" 5 5 320)
  for _ in $(seq "${2:-1}"); do
    xdotool mousemove --window "$S" $((x + 20)) $((y + 20)) click 1
    sleep 0.2
  done
}
setup_button() {  # Clear, OK, Cancel, White, Black
  local x y=372
  case $1 in Clear) x=45 ;; OK) x=210 ;; Cancel) x=285 ;; White) x=20 y=340 ;; Black) x=140 y=340 ;; esac
  xdotool mousemove --window "$S" $x $y click 1
}
open_set_up() {
  menu_command g u
  S=$(find_window '^Set up position$') || fail "Set up position did not open"
  sleep 0.3
}
# A refusal box: its message saved as the picture $1, then answered with Return.
refusal_shown() { answer_box Return "" "$1" && cp "$1" "$shots/window-set-up-refused.png"; }
# Waits up to 5 seconds for the window named $1 to close.
window_closed() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

set_up() {
  shot
  local before
  before=$(main_board)
  # Refused set-ups: a white man on its crowning row, then an empty board, each with its own reason.
  open_set_up
  setup_button Clear
  sleep 0.3
  setup_click 29
  setup_button OK
  refusal_shown "$work/crowned.png" || fail "a man on its crowning row was not refused"
  setup_button Clear
  sleep 0.3
  setup_button OK
  refusal_shown "$work/empty.png" || fail "an empty board was not refused"
  [ "$(compare -metric AE "$work/crowned.png" "$work/empty.png" null: 2>&1)" != 0 ] ||
    fail "the two refusals give the same reason"
  xdotool search --onlyvisible --name '^Set up position$' >/dev/null 2>&1 || fail "a refusal closed the dialog"
  setup_button Cancel
  window_closed '^Set up position$' || fail "Cancel did not close Set up position"
  wait_for 5 '[ "$(main_board)" = "$before" ]' || fail "a refused set-up changed the board: $(main_board)"
  log_line_is 0 "@b;White wins!" || fail "a refused set-up wrote to the log"

  # A white man on C3 and a black man on F6, Black to move.
  open_set_up
  setup_button Clear
  sleep 0.3
  setup_click 9
  setup_click 22 3  # white man, white king, black man
  setup_button Black
  sleep 0.2
  setup_button OK
  accept_players
  wait_for 5 '[ "$(main_board)" = .........w............b......... ] && [ "$(framed_squares)" = 22 ]' ||
    fail "the set-up position is not shown with Black to move: $(main_board), frames $(framed_squares)"
  save_shot window-set-up.png
}

# A file of three games in $HOME: Open starts there and shows them in a list, Cancel keeps
# the game in play and the second game opens at its last position, ended as its file says;
# saved again it keeps what its file held.
game_list() {
  # In $HOME, where the chooser starts before any file was opened or saved.
  cat >"$HOME/games.pdn" <<'END'
[White "A"]
[Black "B"]

1. c3-d4 *

[Event "Club evening"]
[White "C"]
[Black "D"]
[Result "2-0"]
[Annotator "E"]

1. a3-b4 {a comment} f6-g5 (1... f6-e5) 2-0

[White "E"]
[Black "F"]

1. e3-f4 *
END
  shot
  local before
  before=$(main_board)
  key ctrl+o
  local C
  C=$(find_window '^Open game$') || fail "Open game did not open"
  xdotool windowfocus --sync "$C" 2>/dev/null
  sleep 0.5
  xdotool type games.pdn
  xdotool key Return
  local L
  L=$(find_window '^Choose a game$') || fail "the list of games did not open"
  sleep 0.5
  xwd -id "$L" -silent -out "$work/list.xwd" && convert "xwd:$work/list.xwd" "$shots/window-game-list.png"
  xdotool mousemove --window "$L" 310 237 click 1
  window_closed '^Choose a game$' || fail "Cancel did not close the list of games"
  wait_for 5 '[ "$(main_board)" = "$before" ]' || fail "Cancel in the list of games changed the board: $(main_board)"
  log_line_is 0 "@b;New game start." && log_line_is 1 "@b;White wins!" || fail "Cancel in the list of games wrote to the log"

  # Open again (the chooser offers the same file): the second game, picked with a click.
  key ctrl+o
  choose_file "Open game"
  L=$(find_window '^Choose a game$') || fail "the list of games did not open again"
  sleep 0.5
  xdotool mousemove --window "$L" 100 34 click 1
  sleep 0.3
  xwd -id "$L" -silent -out "$work/list.xwd" && convert "xwd:$work/list.xwd" "$work/list.png"
  [ "$(convert "$work/list.png" -format '%[hex:p{300,19}] %[hex:p{300,34}]' info:)" = "FFFFFF $Selected" ] ||
    fail "a click on the second game does not select it"
  xdotool windowfocus --sync "$L" 2>/dev/null
  xdotool key Return
  accept_players
  wait_for 5 '[ "$(main_board)" = wwwwwwww.wwww......bbb.bbbbbbbbb ] && [ "$(pixels 560,48)" = $Selected ]' ||
    fail "the second game (a3-b4 f6-g5) is not shown: $(main_board)"
  log_line_is 0 "@b;White wins!" && log_line_is 1 "@b;New game start." ||
    fail "the second game, ended 2-0 in its file, does not open ended"
  save_shot window-game-list-opened.png

  # Saved again, it keeps its tags, notes and result; the chooser offers the players and the date.
  key ctrl+s
  choose_file "Save game"
  local again
  again=$HOME/C-D-$(date +%Y-%m-%d).pdn
  [ -s "$again" ] || fail "Save game wrote no file $again: $(ls "$HOME")"
  grep -q '^\[Event "Club evening"\]' "$again" && grep -q '^\[Annotator "E"\]' "$again" &&
    grep -q '^\[Result "1-0"\]' "$again" && grep -q '{a comment}' "$again" && grep -q '(1\.\.\. f6-e5)' "$again" ||
    fail "the saved game lost what its file held: $(cat "$again")"
}

# The board of `size` pixels at (x0, y0) ends exactly there: light A8 at its top left corner,
# dark H8 and A1 at the other corners, and no dark square just past them (or the window ends).
board_ends_at() {
  local x0=$1 y0=$2 x1=$(($1 + $3 - 1)) y1=$(($2 + $3 - 1))
  [ "$(pixels "$x0,$y0" "$x1,$y0" "$x0,$y1")" = "FFFFFF $Dark $Dark" ] &&
    { [ $((x1 + 1)) -ge "$WIDTH" ] || [ "$(pixels "$((x1 + 1)),$y0")" != $Dark ]; } &&
    { [ $((y1 + 1)) -ge "$HEIGHT" ] || [ "$(pixels "$x0,$((y1 + 1))")" != $Dark ]; }
}
# The side of the widest square of plain background in the last screenshot is at most $1:
# the mask of the background colour (read in the menu bar's empty right end) is eroded by a
# square one pixel wider (a row, then a column), and nothing may be left.
no_band_wider_than() {
  local grey side=$(($1 + 1))
  grey=$(pixels "$((WIDTH - 3)),10")
  [ "$(convert "$work/now.png" -fill black +opaque "#$grey" -fill white -opaque "#$grey" -virtual-pixel Black \
        -morphology Erode "Rectangle:${side}x1" -morphology Erode "Rectangle:1x$side" -format '%[max]' info:)" = 0 ]
}

# The mouse rests on the log's newest line: a tooltip shows below it, reaching past the log's
# right edge (screenshots of the whole screen before and after).
tooltip_over_newest_log_line() {
  local before after area
  xdotool mousemove --window "$W" $((BoardX + BoardSize / 2)) $((BoardY + BoardSize / 2))
  sleep 0.5
  xwd -root -silent -out "$work/root.xwd" && convert "xwd:$work/root.xwd" "$work/before.png"
  xdotool mousemove --window "$W" 100 $((LogTop + 8))
  sleep 0.2
  xdotool mousemove --window "$W" 110 $((LogTop + 9))
  eval "$(xdotool getwindowgeometry --shell "$W")"
  area="40x30+$((X + LogW + 10))+$((Y + LogTop + 12))"
  before=$(convert "$work/before.png" -crop "$area" +repage -format '%#' info:)
  # The tooltip's delay is a second; a loaded or sanitized build may take longer to show it.
  local end=$((SECONDS + 8))
  while [ $SECONDS -le $end ]; do
    sleep 0.5
    xwd -root -silent -out "$work/root.xwd" && convert "xwd:$work/root.xwd" "$work/after.png"
    after=$(convert "$work/after.png" -crop "$area" +repage -format '%#' info:)
    [ "$before" != "$after" ] && return 0
  done
  return 1
}

# The window from its smallest size up to the screen's: both boards where the layout puts
# them and whole, the status line and the log below the board, no plain band
# wider than a square. A log line cut by the narrow log shows whole in a tooltip.
layout() {
  use_prepared_data
  start_program
  new_game human 0.01
  play_c3_d4_and_await_reply
  local played size w h
  played=$(main_board)
  # Sizes up to the screen's (the last one), very wide and very tall ones where they fit.
  local screen
  screen=$(xdotool getdisplaygeometry | tr ' ' x)
  for size in 460x400 600x500 1280x870 1280x900 1280x400 460x1000 1900x420 "$screen"; do
    w=${size%x*} h=${size#*x}
    if [ "$w" -gt "${screen%x*}" ] || [ "$h" -gt "${screen#*x}" ]; then
      echo "$size: larger than the screen, not tried"
      continue
    fi
    xdotool windowmove "$W" 0 0
    xdotool windowsize "$W" "$w" "$h"
    use_layout "$w" "$h"
    wait_for 5 'eval "$(xdotool getwindowgeometry --shell "$W")" && [ "$WIDTH.$HEIGHT" = "$w.$h" ] &&
                board_ends_at $Board && board_ends_at $Small' ||
      fail "at $size the boards are not at $Board and $Small (window ${WIDTH}x$HEIGHT)"
    save_shot "window-layout-$size.png"
    [ "$(main_board)" = "$played" ] && [ "$(small_board)" = "$played" ] ||
      fail "at $size a board is covered: $(main_board), small $(small_board)"
    [ "$(framed_count $Small)" = 2 ] || fail "at $size the small board's frames are covered"
    log_line_is 0 "@bc  x" 20 || fail "at $size the log's newest line is not under the status line"
    no_band_wider_than $((BoardSize / 8)) || fail "at $size a plain band is wider than a square"
    echo "$size: board ${BoardSize} at $BoardX,$BoardY, small board $SmallSize at $SmallX,$SmallY, log ${LogW}x$LogH"
  done

  # At the smallest size a long line does not fit the log; the mouse on it shows it whole.
  # How long a move line is varies, so games are played until the newest line is cut.
  xdotool windowsize "$W" 460 400
  use_layout 460 400
  local tries=0
  until tooltip_over_newest_log_line; do
    tries=$((tries + 1))
    [ $tries -le 10 ] || fail "no tooltip over the newest log line in 10 games"
    new_game human 0.01
    play_c3_d4_and_await_reply
  done
  cp "$work/after.png" "$shots/window-log-tooltip.png"
  echo "a tooltip showed the cut log line after $tries more games"
  quit_with_status_zero
}

# Dark pixels (text, graph lines) in the region (WxH+X+Y) of the last screenshot.
dark_pixels() {
  convert "$work/now.png" -crop "$1" +repage -colorspace gray -threshold 40% -format "%[fx:round(w*h*(1-mean))]" info:
}
blue_pixels() {
  convert "$work/now.png" -crop "$1" +repage -fill white +opaque "#0000FF" -format "%[fx:round(w*h*(1-mean))]" info:
}

# The analysis board between two people: Ctrl+A, its lines, a move from them; then a short
# review with its progress bar, the window's answer times during it, and the graph.
analysis() {
  use_prepared_data
  start_program
  new_game human human
  click_square 9
  sleep 0.3
  click_square 13
  wait_for 5 '[ "$(main_board | cut -c10,14)" = ".w" ]' || fail "C3-D4 was not played"
  key ctrl+a
  use_layout 600 500 analysis
  local panel="$((AnalysisW - 6))x$((AnalysisH - 6))+$((AnalysisX + 3))+$((AnalysisY + 3))"
  wait_for 10 '[ "$(dark_pixels "$panel")" -gt 200 ]' || fail "the analysis panel shows no lines"
  cp "$work/now.png" "$work/panel.png"
  convert "$work/panel.png" -crop "$panel" +repage "$work/panel1.png"
  wait_for 5 '! region_is "$panel" "$work/panel1.png"' || fail "the analysis lines do not refresh"
  save_shot window-analysis-board.png
  # Clicking the best line plays its first move, a few times over.
  local before
  for _ in 1 2 3 4 5 6; do
    before=$(main_board)
    wait_for 10 '[ "$(dark_pixels "$panel")" -gt 100 ]' || fail "the position shows no lines"
    xdotool mousemove --window "$W" $((AnalysisX + 40)) $((AnalysisY + 9)) click 1
    wait_for 5 '[ "$(main_board)" != "$before" ]' || fail "clicking the best line did not play its first move"
  done
  # Game > Review game... at 0.5 s a position: 9 positions, some 4.5 s.
  menu_command g v
  local D
  D=$(find_window '^Review game$') || fail "the review dialog did not open"
  xdotool mousemove --window "$D" 30 61 click 1
  accept_window '^Review game$'
  use_layout 600 500 both
  local strip="$((GraphW - 8))x$((GraphH - 8))+$((GraphX + 4))+$((GraphY + 4))"
  wait_for 5 '[ "$(blue_pixels "$strip")" -gt 50 ]' || fail "no progress bar during the review"
  answers_within 200 "repaint of a covered area during the review" repaint "$W" 40 60 200 200
  answers_within 200 "Game menu opened during the review" click "$W" 20 10
  xdotool key Escape
  wait_for 20 '[ "$(blue_pixels "$strip")" -lt 10 ] && [ "$(dark_pixels "$strip")" -gt 200 ]' ||
    fail "the graph did not show after the review"
  save_shot window-review-graph.png
  quit_with_status_zero
}

# Quits keeping the game in play, chooses the board's look in the settings file as the
# View menu keeps it, and starts again resuming the game: "style pieces animation".
restart_with_look() {
  quit_with_status_zero
  sed -i '/^board\./d' "$Settings"
  printf 'board.style = %s\nboard.pieces = %s\nboard.animation = %s\nboard.sound = off\n' "$1" "$2" "$3" >>"$Settings"
  keep_game_in_play=1 start_program
  answer_box Return || fail "the start did not offer to resume the game"
  accept_players
  sleep 0.5
}
# The board with its coordinate margin in the last screenshot, as a picture.
board_picture() {
  convert "$work/now.png" -crop "$((BoardSize + 32))x$((BoardSize + 32))+$((BoardX - 16))+$((BoardY - 16))" +repage "$1"
}
# Pixels that differ by more than a tenth of the colour range, in thousandths of the picture:
# fonts and smoothing may differ a little between machines, a wrong drawing much more.
differing_thousandths() {
  local differing total
  differing=$(compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1)
  total=$(convert "$1" -format '%[fx:w*h]' info:)
  echo $((${differing%%.*} * 1000 / total))
}
Tolerance=15  # thousandths
References=$(cd "$(dirname "$0")" && pwd)/references

# Each board and piece set at two sizes against the stored pictures; the last move's squares
# stand apart; the same move with and without animation ends in the same picture; the
# choices are kept for the next start. TARVENN_RECORD_REFERENCES=1 stores new pictures.
board_look() {
  use_prepared_data
  start_program
  new_game human human
  click_square 9   # C3-D4
  sleep 0.3
  click_square 13
  wait_for 5 black_to_move || fail "C3-D4 was not played: $(main_board)"
  click_square 22  # F6-G5
  sleep 0.3
  click_square 19
  wait_for 5 '[ "$(main_board | cut -c20,23)" = b. ]' || fail "F6-G5 was not played: $(main_board)"
  read -r fx fy < <(square_corner 22 $Board)
  read -r ex ey < <(square_corner 18 $Board)
  read -r gx gy < <(square_corner 19 $Board)
  wait_for 5 '[ "$(pixels "$((fx + 3)),$((fy + 3))" "$((ex + 3)),$((ey + 3))" "$((gx + 3)),$((gy + 3))")" = \
               "$LastMove $Dark $LastMove" ]' ||
    fail "the last move's squares F6 and G5 do not stand apart from E5: $(pixels "$((fx + 3)),$((fy + 3))" \
          "$((ex + 3)),$((ey + 3))" "$((gx + 3)),$((gy + 3))")"
  # The still picture once White's turn has begun, as the slid one ends: F6-G5's own frames gone
  # (the display pause after a move frames its squares), White's pieces to move framed.
  wait_for 5 '! framed 22 && [ "$(framed_count $Board)" -gt 0 ]' || fail "White's turn does not frame its pieces after F6-G5"
  board_picture "$work/still.png"

  # The same move again, sliding: the end is the same picture.
  restart_with_look classic flat on
  key ctrl+z
  wait_for 5 black_to_move || fail "Take back did not give Black the move again"
  click_square 22
  sleep 0.3
  click_square 19
  wait_for 5 'board_picture "$work/slid.png" && [ "$(compare -metric AE "$work/still.png" "$work/slid.png" null: 2>&1)" = 0 ]' ||
    { cp "$work/still.png" "$shots/window-board-still.png"; cp "$work/slid.png" "$shots/window-board-slid.png"
      fail "the move that slid ends in another picture than the move that did not"; }

  local size w h look name off
  for look in wood:shaded green:flat contrast:shaded classic:flat; do
    restart_with_look "${look%:*}" "${look#*:}" off
    for size in 600x500 1280x900; do
      w=${size%x*} h=${size#*x}
      xdotool windowmove "$W" 0 0
      xdotool windowsize "$W" "$w" "$h"
      use_layout "$w" "$h"
      wait_for 5 'eval "$(xdotool getwindowgeometry --shell "$W")" && [ "$WIDTH.$HEIGHT" = "$w.$h" ]' ||
        fail "the window did not take the size $size"
      name=board-${look%:*}-${look#*:}-$size.png
      if [ -n "${TARVENN_RECORD_REFERENCES:-}" ]; then
        sleep 2
        shot
        board_picture "$References/$name"
        continue
      fi
      [ -s "$References/$name" ] || fail "no stored picture $References/$name"
      # Polled: a busy server may show the resized window a moment later.
      wait_for 5 'board_picture "$shots/window-$name" &&
                  off=$(differing_thousandths "$References/$name" "$shots/window-$name") && [ "$off" -le $Tolerance ]' ||
        fail "$name differs from the stored picture in $off of 1000 pixels"
      echo "$name: $off of 1000 pixels differ"
    done
  done
  quit_with_status_zero
}
# The game in Brazilian Portuguese and in Russian from the locale alone: the window's title,
# the new-game dialog, a computers' game to its end with the log's result line and the
# status line in that language. Screenshots of the dialog and of the window at its smallest.
play_in_language() {
  local lc=$1 language=${1%%.*} results=("${@:4}")
  locale -a 2>/dev/null | grep -qix "${language}.utf-\?8" || { echo "no $lc locale"; exit 77; }
  export LC_ALL=$lc
  # xdotool searches the names in the legacy property, which holds no letters beyond ASCII:
  # windows are found by their ASCII parts and their whole names read from the UTF-8 one.
  Title="Tarvenn v0.8 $2: Odrowen" TitleSearch='^Tarvenn v0\.8 .*: Odrowen$'
  NewGameTitle='.*\.\.\.' NewGameName=$3
  start_program
  xdotool windowsize "$W" 460 400
  use_layout 460 400
  wait_for 5 'eval "$(xdotool getwindowgeometry --shell "$W")" && [ "$WIDTH.$HEIGHT" = 460.400 ]' ||
    fail "the window did not take 460x400"
  save_shot "window-$language-460x400.png"
  dialog_shot="window-$language-new-game.png" new_game 0.01 0.01
  local end=$((SECONDS + 280)) i found=""
  while [ $SECONDS -le $end ] && [ -z "$found" ]; do
    for i in 0 2 4; do
      log_line_is 0 "@b;${results[i]}" 200 && found=$i && break
    done
    sleep 1
  done
  [ -n "$found" ] || fail "no result line in $language after the computers' game"
  status_line_is "@b;${results[found + 1]}" || fail "the status line does not say '${results[found + 1]}'"
  echo "$language: ${results[found]} / ${results[found + 1]}"
  save_shot "window-$language-game-over.png"
  quit_with_status_zero close
}

languages() {
  use_prepared_data
  play_in_language pt_BR.UTF-8 autor 'Nova partida...' \
    "As brancas vencem!" "Fim de partida: as brancas vencem!" "As pretas vencem!" "Fim de partida: as pretas vencem!" \
    "Partida empatada." "Fim de partida: empate."
  play_in_language ru_RU.UTF-8 автор 'Новая партия...' \
    "Белые победили!" "Партия окончена: белые победили!" "Чёрные победили!" "Партия окончена: чёрные победили!" \
    "Партия закончилась вничью." "Партия окончена: ничья."
}
# Two people at 0:05 + 0: White plays C3-D4, Black does not move and loses on time.
clocks() {
  use_prepared_data
  mkdir -p "$XDG_CONFIG_HOME/tarvenn"
  printf 'white.player = human\nblack.player = human\nwhite.clock = 5\nblack.clock = 5\n' \
    >"$XDG_CONFIG_HOME/tarvenn/new-game"
  plain_board
  start_program
  key ctrl+n
  accept_window '^New game\.\.\.$'
  use_layout 600 500 players  # a game on a clock shows the players' lines above and below the board
  wait_for 5 '[ "$(main_board)" = $Initial ]' || fail "the clocked game does not show the initial position: $(main_board)"
  click_square 9
  wait_for 5 'framed 13' || fail "selecting C3 does not frame D4"
  click_square 13
  wait_for 5 '[ "$(main_board | cut -c10,14)" = ".w" ]' || fail "C3-D4 was not played: $(main_board)"
  save_shot window-clocks-running.png
  local started=$SECONDS
  wait_for 15 'log_line_is 0 "@b;White wins!" 300' || fail "Black was not flagged: no result line"
  [ $((SECONDS - started)) -ge 3 ] || fail "Black was flagged after $((SECONDS - started)) s of a 5 s clock"
  log_line_is 1 "@b;@bc  Black lost on time." 300 || fail "the log does not name Black as lost on time"
  save_shot window-clocks-flagged.png
  # The clock no longer runs: the board takes no move for Black.
  click_square 21
  sleep 0.5
  shot
  [ "$(framed_count $Board)" = 0 ] || fail "the flagged game still frames pieces to move"
  quit_with_status_zero
}

"$part"
echo "PASS: $part"
