#!/usr/bin/env bash
# The Grid setup of examples/installer, built with makensis and run under
# Wine: the installer, its uninstaller and the batch file must each leave an
# installation exactly as formfit.exe run directly leaves it, and a folder
# that refuses the change exactly as it was, with Formfit's exit status as
# their own (the setup's is 100 + it, apart from NSIS's own 1 and 2) and its
# meaning in the log (and, from the batch file, on stdout). The setup finds
# the IDE in the prefix's registry; the uninstaller runs as it is registered.
#
#   InstallerTest.sh SOURCE TREE ARCH TARGET
#
# TREE holds formfit.exe and its Wine prefix (TREE/wineprefix); ARCH is win64
# or wow64 (cmake/wine-run.sh), TARGET the makensis target of the same
# bitness, amd64-unicode or x86-unicode.
set -eEuo pipefail
# A step that fails outside the checks below ends the test: it says which.
trap 'echo "InstallerTest.sh: line $LINENO: $BASH_COMMAND: exit status $?" >&2' ERR

source_dir=$(cd "$1" && pwd)
tree=$(cd "$2" && pwd)
arch=$3 target=$4
sample=$source_dir/examples/VO28
work=$(mktemp -d "${TMPDIR:-/tmp}/formfit-installer.XXXXXX")
trap 'rm -rf "$work"' EXIT
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

# The IDE's own setup is 32-bit: its entry lives in the 32-bit view. The
# 64-bit view gets a decoy, which a setup that reads the wrong view follows.
uninstall_keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
enter_ide() {
  wine_run reg.exe add "$uninstall_keys\vo28_is1" /v UninstallString /reg:"$2" /f \
    /d "\"$(winpath "$1")\\Uninstall\\unins000.exe\" /LOG" >/dev/null
}
forget_ide() {
  for view in 32 64; do wine_run reg.exe delete "$uninstall_keys\vo28_is1" /reg:$view /f >/dev/null 2>&1 || true; done
}
trap 'forget_ide; rm -rf "$work" "${log:-}"' EXIT

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
  [3]="the component file is missing"
  [14]="mode=Restore: there is no such backup to put back; nothing changed"
  [7]="no backup can be made"
  [9]="nothing of the component could be placed; the file is unchanged"
)

# NSIS takes /D= and _?= only as the last word and unquoted, blanks and all,
# while Wine quotes every argument that holds a blank. Handed over in
# blank-free pieces, the word reaches the program as a Windows caller types
# it: Wine joins the pieces with single blanks.
last_word() { IFS=' ' read -r -a pieces <<<"$1"; }

# The folder the registry names is found without /D=.
add_with_setup() {
  [ "$1" = "${registered:-}" ] && { wine_run "$work/grid-setup.exe" /S; return; }
  last_word "/D=$(winpath "$1")"
  wine_run "$work/grid-setup.exe" /S "${pieces[@]}"
}
# The uninstaller as Apps and Features lists it, run by its
# QuietUninstallString: with _?= it runs in place, so its exit status is
# the caller's to read, and its file stays for the caller to delete.
remove_with_setup() {
  local entry location uninstaller
  entry=$(wine_run reg.exe query "$uninstall_keys\\Grid" /reg:32 | tr -d '\r')
  location=$(sed -n 's/^ *InstallLocation *REG_SZ *//p' <<<"$entry") uninstaller='\Uninstall Grid.exe'
  grep -qxF "    UninstallString    REG_SZ    \"$location$uninstaller\"" <<<"$entry" &&
    grep -qxF "    QuietUninstallString    REG_SZ    \"$location$uninstaller\" /S _?=$location" <<<"$entry" ||
    fail "Apps and Features lists the uninstaller so:"$'\n'"$entry"
  last_word "_?=$location"
  wine_run "$location$uninstaller" /S "${pieces[@]}" || return
  ! wine_run reg.exe query "$uninstall_keys\\Grid" /reg:32 >/dev/null 2>&1 || fail "the Apps and Features entry stays"
  location=${location#C:\\}
  rm "$tree/wineprefix/drive_c/${location//\\//}/Uninstall Grid.exe"
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

# check_run TOOL add|remove|undo FOLDER STATUS [OWN]: the exit status (the
# setup's is 100 + Formfit's STATUS; its uninstaller goes on after 2, when
# the IDE is gone), the log (Formfit's lines, then the verdict line) and the
# batch file's whole output. OWN is the verdict's start when a check of the
# tool's own ends the run before Formfit starts: the log is that line only.
check_run() {
  local tool=$1 mode=$2 folder=$3 expected=$4 own=${5:-} exit_status=$4 status=0 note="" lines
  local line="Formfit: exit status" what="$tool $mode on '${folder##*/}'"
  if [ "$tool" = setup ]; then
    [ "$expected" = 0 ] || exit_status=$((expected + 100))
    [ "$mode" = remove ] && [ "$expected" = 2 ] && note="; nothing left to take out, the removal goes on" exit_status=0
    line="Grid $([ "$mode" = add ] && echo setup || echo removal): Formfit exit status"
  fi
  line="${own:-$line} $expected: ${meanings[$expected]}$note"
  rm -f "$log"
  "${mode}_with_$tool" "$folder" >"$work/out" || status=$?
  [ "$status" = "$exit_status" ] || fail "$what: exit status $status, expected $exit_status"
  lines=$(wc -l 2>/dev/null <"$log" || echo 0)
  if [ "$(tail -n 1 "$log" 2>/dev/null; echo .)" != "$line"$'\r\n.' ] ||
    { [ -z "$own" ] && [ "$lines" -lt 2 ]; } || { [ -n "$own" ] && [ "$lines" != 1 ]; }; then
    fail "$what: the log does not end in '$line' CR LF after $([ -n "$own" ] && echo nothing || echo "Formfit's lines"):"
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

enter_ide "$folders/setup" 32
enter_ide "$folders/decoy" 64
registered="$folders/setup"
for tool in setup batch; do
  folder="$folders/$tool"
  cp -r "$sample" "$folder"
  rm "$folder/BIN/grid.wed"
  check_run "$tool" add "$folder" 0
  same_folder "$tool add" "$added" "$folder"
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

# The uninstaller after the setup: it finishes when grid.wed or the whole
# IDE is gone already, and stops with every file left when Formfit fails
# otherwise (every backup name taken).
for gone in grid.wed IDE "backup names"; do
  folder="$folders/setup, $gone gone"
  cp -r "$sample" "$folder"
  add_with_setup "$folder" || fail "setup add on '${folder##*/}': exit status $?"
  case $gone in
    grid.wed) rm "$folder/BIN/grid.wed" && expected=0 reference=$removed ;;
    IDE) rm -r "$folder" && expected=2 reference=$work/before ;;
    *) (cd "$folder/BIN" && for number in $(seq -w 1 999); do : >"DEDUDED.$number"; done)
      expected=7 reference=$work/before && cp -r "$folder" "$work/before" ;;
  esac
  check_run setup remove "$folder" "$expected"
  same_folder "setup remove, $gone gone" "$reference" "$folder"
  rm -rf "$work/before"
done

# Folders that refuse the change: "case: exit status". Each must be left
# exactly as it was, an older grid.wed kept. The setup refuses a folder
# without BIN\DEDUDED.INF before it copies anything; the batch file copies
# nothing there either, and stops when its own grid.wed is missing.
refusals=(
  "no configuration: 2"
  "no configuration, older grid.wed: 2"
  "empty configuration: 9"
  "no folder: 2"
  "older grid.wed, none to copy: 3"
)
prepare() {
  [ "$2" = "no folder" ] && return
  cp -r "$sample" "$1"
  case $2 in
    "no configuration") rm "$1/BIN/DEDUDED.INF" "$1/BIN/grid.wed" ;;
    *"older grid.wed"*)
      printf '; Grid 1.0\r\n[CONTENTS]\r\nGridCtl=GridControl\r\n' >"$1/BIN/grid.wed"
      [ "$2" = "older grid.wed, none to copy" ] || rm "$1/BIN/DEDUDED.INF"
      ;;
    "empty configuration") : >"$1/BIN/DEDUDED.INF" && rm "$1/BIN/grid.wed" ;;
  esac
}
for row in "${refusals[@]}"; do
  case_name=${row%: *} expected=${row##*: }
  for tool in setup batch; do
    folder="$folders/$tool, $case_name" own=""
    case $tool,$case_name in
      setup,no*) own="Grid setup: Check before copying, status" ;;
      setup,*"none to copy") continue ;; # the setup carries its grid.wed
      batch,*"none to copy") own="grid-setup: copying grid.wed into BIN failed, status" ;;
    esac
    prepare "$folder" "$case_name"
    [ -e "$folder" ] && cp -r "$folder" "$work/before"
    [ "$expected" = 3 ] && mv "$release/installer/grid.wed" "$work/"
    check_run "$tool" add "$folder" "$expected" "$own"
    [ ! -e "$work/grid.wed" ] || mv "$work/grid.wed" "$release/installer/"
    same_folder "$tool add, $case_name" "$work/before" "$folder"
    rm -rf "$work/before"
  done
done

if [ "$failed" -gt 0 ]; then
  echo "InstallerTest.sh: $failed failed" >&2
  exit 1
fi
echo "InstallerTest.sh: passed ($arch, $target)"
