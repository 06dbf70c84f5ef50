#!/usr/bin/env bash
# The Grid setup of examples/installer, built with makensis and run under
# Wine: the installer, its uninstaller and the batch file must each leave an
# installation exactly as formfit.exe run directly leaves it, and a folder
# that refuses the change exactly as it was, with Formfit's exit status as
# their own and its meaning in the log (and, from the batch file, on stdout).
#
#   InstallerTest.sh SOURCE TREE ARCH TARGET
#
# TREE holds formfit.exe and its Wine prefix (TREE/wineprefix); ARCH is win64
# or wow64 (cmake/wine-run.sh), TARGET the makensis target of the same
# bitness, amd64-unicode or x86-unicode.
set -euo pipefail

source_dir=$(cd "$1" && pwd)
tree=$(cd "$2" && pwd)
arch=$3 target=$4
sample=$source_dir/examples/VO28
work=$(mktemp -d "${TMPDIR:-/tmp}/formfit-installer.XXXXXX")
trap 'rm -rf "$work" "${log:-}"' EXIT
# The installation folders lie under a name with a blank, as under
# "Program Files"; the release folder does not, since cmd /c would take the
# quotes of a quoted batch file name and a quoted argument for its own.
folders="$work/IDE folders"
release=$work/release
mkdir -p "$folders" "$release/installer"
failed=0

fail() {
  echo "FAIL: $*" >&2
  failed=$((failed + 1))
}
winpath() { printf 'Z:%s' "${1//\//\\}"; }
wine_run() { "$source_dir/cmake/wine-run.sh" "$tree/wineprefix" "$arch" "$@"; }

# Without makensis there is no installer to test: skipped (77), with the reason.
source "$source_dir/scripts/setup.sh"
reason=$(missing_reason "${installer_packages[@]}")
if [ -n "$reason" ]; then
  echo "not run: $(basename "$tree") installer test ($reason)"
  exit 77
fi
cp "$tree/formfit.exe" "$source_dir/resources/Formfit.sys" "$source_dir/resources/Formfit.en.sys" \
  "$release/"
cp "$source_dir/examples/installer/"*.bat "$sample/BIN/grid.wed" "$release/installer/"
if ! makensis -V2 "-XTarget $target" "-DFORMFIT_DIR=$release" "-DCOMPONENT_FILE=$sample/BIN/grid.wed" \
  "-DOUTFILE=$work/grid-setup.exe" "$source_dir/examples/installer/grid-setup.nsi" \
  >"$work/makensis.log" 2>&1; then
  cat "$work/makensis.log" >&2
  exit 1
fi

# Both write to the setup log in the prefix's temp folder (its registry sets TEMP).
log=$(wine_run cmd.exe /c winepath.exe -u '%TEMP%\Grid setup.log' | tr -d '\r')

declare -A meanings=(
  [0]="the change was made (or, for mode=Check, the component is installed)"
  [2]="the folder is no installation: BIN\\DEDUDED.INF is missing"
  [14]="mode=Restore: there is no such backup to put back; nothing changed"
  [7]="no backup can be made"
  [9]="nothing of the component could be placed; the file is unchanged"
)

# NSIS takes /D= and _?= only as the last word and unquoted, blanks and all,
# while Wine quotes every argument that holds a blank. Handed over in
# blank-free pieces, the word reaches the program as a Windows caller types
# it: Wine joins the pieces with single blanks.
last_word() { IFS=' ' read -r -a pieces <<<"$1"; }

add_with_setup() {
  last_word "/D=$(winpath "$1")"
  wine_run "$work/grid-setup.exe" /S "${pieces[@]}"
}
# Started as it is, an uninstaller copies itself to the temp folder, starts
# the copy and returns at once. The test makes that copy itself and starts it
# with _?= as the original does, only waiting for it: so the exit status is
# the uninstaller's, and the copy can delete the original.
remove_with_setup() {
  local status=0
  cp "$1/Uninstall Grid.exe" "$work/uninstall.exe"
  last_word "_?=$(winpath "$1")"
  wine_run "$work/uninstall.exe" /S "${pieces[@]}" || status=$?
  rm -f "$work/uninstall.exe"
  return "$status"
}
add_with_batch() { wine_run cmd.exe /c "$(winpath "$release/installer/grid-setup.bat")" "$(winpath "$1")"; }
# FORMFIT names formfit.exe where it is not one folder above the batch file.
remove_with_batch() {
  FORMFIT=$(winpath "$release/formfit.exe") wine_run cmd.exe /c \
    "$(winpath "$release/installer/grid-setup.bat")" "$(winpath "$1")" Remove
}
undo_with_batch() {
  wine_run cmd.exe /c "$(winpath "$release/installer/undo-last-change.bat")" "$(winpath "$1")"
}
direct() {
  wine_run "$tree/formfit.exe" "cavopath=$(winpath "$1")" component=GridCtl \
    "compfile=$(winpath "$1/BIN/grid.wed")" "mode=$2" silent ||
    { echo "InstallerTest.sh: formfit.exe mode=$2 on $1: exit status $?" >&2; exit 1; }
}

# The line a run ends the log with: verdict TOOL add|remove STATUS.
verdict() {
  local lead="Formfit: exit status"
  if [ "$1" = setup ]; then
    [ "$2" = add ] && lead="Grid setup: Formfit exit status" || lead="Grid removal: Formfit exit status"
  fi
  printf '%s %s: %s' "$lead" "$3" "${meanings[$3]}"
}

# check_run TOOL add|remove FOLDER STATUS: the exit status, the log (Formfit's
# lines, then the verdict line) and the batch file's whole output.
check_run() {
  local tool=$1 mode=$2 folder=$3 expected=$4 status=0 line what
  what="$tool $mode on '${folder##*/}'"
  line=$(verdict "$tool" "$mode" "$expected")
  rm -f "$log"
  "${mode}_with_$tool" "$folder" >"$work/out" || status=$?
  [ "$status" = "$expected" ] || fail "$what: exit status $status, expected $expected"
  if [ "$(tail -n 1 "$log" 2>/dev/null; echo .)" != "$line"$'\r\n.' ] ||
    [ "$(wc -l <"$log")" -lt 2 ]; then
    fail "$what: the log is not Formfit's lines and then '$line' CR LF:"
    cat -A "$log" >&2 || true
  fi
  if [ "$tool" = batch ] && ! cmp -s <(printf '%s\r\n' "$line") "$work/out"; then
    fail "$what: its output is not '$line' CR LF:"
    cat -A "$work/out" >&2
  fi
}

# same_folder WHAT EXPECTED ACTUAL [diff options]: the same files, byte for byte.
same_folder() {
  local what=$1 expected=$2 actual=$3
  shift 3
  if [ ! -e "$expected" ]; then
    [ ! -e "$actual" ] || { fail "$what: left a folder that was not there:"; find "$actual" >&2; }
    return
  fi
  diff -r "$@" "$expected" "$actual" >"$work/diff" 2>&1 ||
    { fail "$what: the folder differs from the expected one:"; cat "$work/diff" >&2; }
}

# What the tools must leave: the sample after a direct Add, and after a
# direct Remove as well, without grid.wed, which the removal deletes.
added="$folders/added directly"
removed="$folders/removed directly"
cp -r "$sample" "$added"
direct "$added" Add
cp -r "$added" "$removed"
direct "$removed" Remove
rm "$removed/BIN/grid.wed"

for tool in setup batch; do
  folder="$folders/$tool"
  cp -r "$sample" "$folder"
  rm "$folder/BIN/grid.wed"
  check_run "$tool" add "$folder" 0
  extra=()
  if [ "$tool" = setup ]; then
    [ -f "$folder/Uninstall Grid.exe" ] || fail "setup add: no uninstaller"
    extra=(-x "Uninstall Grid.exe")
  fi
  same_folder "$tool add" "$added" "$folder" "${extra[@]}"
  backups=$(cd "$folder/BIN" && echo DEDUDED.[0-9]*)
  [ "$backups" = DEDUDED.000 ] || fail "$tool add: backups $backups, expected DEDUDED.000"
  check_run "$tool" remove "$folder" 0
  same_folder "$tool remove" "$removed" "$folder"
done

# Undoing the last change: after the batch file's add and remove, the
# newest backup is the added file; undone again, the removed one is back.
# Where no backup is, there is nothing to undo.
folder="$folders/batch"
check_run batch undo "$folder" 0
cmp -s "$added/BIN/DEDUDED.INF" "$folder/BIN/DEDUDED.INF" || fail "batch undo: not the added file"
check_run batch undo "$folder" 0
same_folder "batch undo of the undo" "$removed" "$folder" -x "DEDUDED.00[0-3]"
backups=$(cd "$folder/BIN" && echo DEDUDED.[0-9]*)
[ "$backups" = "DEDUDED.000 DEDUDED.001 DEDUDED.002 DEDUDED.003" ] ||
  fail "batch undo: backups $backups, expected DEDUDED.000 to DEDUDED.003"
folder="$folders/batch, nothing to undo"
cp -r "$sample" "$folder"
cp -r "$folder" "$work/before"
check_run batch undo "$folder" 14
same_folder "batch undo, nothing to undo" "$work/before" "$folder"
rm -rf "$work/before"

# An installation where every backup name is taken: the uninstaller reports
# Formfit's status as its own and leaves every file.
folder="$folders/setup, no backup name"
cp -r "$sample" "$folder"
add_with_setup "$folder" || fail "setup add on '${folder##*/}': exit status $?"
(cd "$folder/BIN" && for number in $(seq -w 1 999); do : >"DEDUDED.$number"; done)
cp -r "$folder" "$work/before"
check_run setup remove "$folder" 7
same_folder "setup remove, no backup name" "$work/before" "$folder"
rm -rf "$work/before"

# Folders that refuse the change: "case: exit status". Each must be left
# exactly as it was, an older grid.wed put back, a folder the setup made
# taken away.
refusals=(
  "no configuration: 2"
  "no configuration, older grid.wed: 2"
  "empty configuration: 9"
  "no folder: 2"
)
prepare() {
  [ "$2" = "no folder" ] && return
  cp -r "$sample" "$1"
  case $2 in
    "no configuration") rm "$1/BIN/DEDUDED.INF" "$1/BIN/grid.wed" ;;
    "no configuration, older grid.wed")
      rm "$1/BIN/DEDUDED.INF"
      printf '; Grid 1.0\r\n[CONTENTS]\r\nGridCtl=GridControl\r\n' >"$1/BIN/grid.wed"
      ;;
    "empty configuration") : >"$1/BIN/DEDUDED.INF" && rm "$1/BIN/grid.wed" ;;
  esac
}
for row in "${refusals[@]}"; do
  case_name=${row%: *} expected=${row##*: }
  for tool in setup batch; do
    folder="$folders/$tool, $case_name"
    prepare "$folder" "$case_name"
    [ -e "$folder" ] && cp -r "$folder" "$work/before"
    check_run "$tool" add "$folder" "$expected"
    same_folder "$tool add, $case_name" "$work/before" "$folder"
    rm -rf "$work/before"
  done
done

if [ "$failed" -gt 0 ]; then
  echo "InstallerTest.sh: $failed failed" >&2
  exit 1
fi
echo "InstallerTest.sh: passed ($arch, $target)"
