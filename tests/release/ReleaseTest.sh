#!/usr/bin/env bash
# The release zip as a user gets it: `formfit.sh dist` in two clones of the
# commit, at different paths, times and time zones, must give the same
# bytes; the zip unpacks, its checksum line checks, and the unpacked
# formfit.exe makes the guide's silent add from a folder whose path holds a
# blank. Signed with a throwaway key, the zip is again the same twice, the
# signature verifies, and the signed program makes the same change.
#
#   ReleaseTest.sh SOURCE_ROOT WORK_DIR
#
# The clones are of the commit checked out in SOURCE_ROOT: changes not yet
# committed are not in them.
set -euo pipefail

root=$1
work=$2
# Where dist cannot build, there is no release to test: skipped (77), with
# the reason.
source "$root/scripts/setup.sh"
reason=$(missing_reason "${release_test_packages[@]}")
if [ -n "$reason" ]; then
  echo "not run: release test ($reason)"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"

failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

version=$(sed -nE 's/^project\(Formfit VERSION ([0-9.]+) .*/\1/p' "$root/CMakeLists.txt")
zip=Formfit-$version-win32.zip

# dist_in CLONE ZONE [VARIABLE=VALUE...]: the dist command's zip from that
# clone, built in the time zone ZONE; sets $sum to the zip's checksum.
dist_in() {
  local clone=$1 zone=$2
  shift 2
  sum=
  env TZ="$zone" "$@" bash "$clone/scripts/formfit.sh" dist </dev/null >"$clone.out" 2>&1 ||
    { cat "$clone.out" >&2; fail "dist in $clone"; return 0; }
  (cd "$clone/build/dist" && sha256sum -c --status "$zip.sha256") ||
    fail "$zip.sha256 in $clone does not check"
  sum=$(cut -d' ' -f1 "$clone/build/dist/$zip.sha256")
}

git clone -q "$root" "$work/one"
git clone -q "$root" "$work/two by two"
dist_in "$work/one" UTC
first=$sum
dist_in "$work/two by two" Pacific/Auckland
second=$sum
echo "unsigned: $first (one), $second (two by two)"
[ -n "$first" ] && [ "$first" = "$second" ] || fail "the two clones give different zips"

# The zip's listing: one folder, fixed entries in a fixed order.
expected_listing="Formfit-$version/Formfit.en.sys
Formfit-$version/Formfit.sys
Formfit-$version/README.txt
Formfit-$version/formfit.exe
$(cd "$root/examples/installer" && ls | sed "s|^|Formfit-$version/installer/|" |
  { cat; echo "Formfit-$version/installer/grid.wed"; } | LC_ALL=C sort)"
listing=$(unzip -Z1 "$work/one/build/dist/$zip")
[ "$listing" = "$expected_listing" ] ||
  fail "zip entries: $(diff <(echo "$expected_listing") <(echo "$listing") || true)"

# What a user does with it: unpack, check, run.
mkdir -p "$work/unpacked"
unzip -q "$work/one/build/dist/$zip" -d "$work/unpacked"
program=$work/unpacked/Formfit-$version/formfit.exe
cmp -s "$program" "$work/one/build/i686/formfit.exe" ||
  fail "the zip's formfit.exe is not the tree's"
grep -q '@FORMFIT_VERSION@' "$work/unpacked/Formfit-$version/README.txt" &&
  fail "the zip's README.txt has no version"

# silent_add PROGRAM NAME: the guide's silent add with PROGRAM on a fresh
# copy of the sample in a folder with a blank; prints the exit status.
silent_add() {
  local copy="$work/installations/$2 copy/VO28"
  rm -rf "$copy"
  mkdir -p "$(dirname "$copy")"
  cp -r "$root/examples/VO28" "$copy"
  local windows="Z:${copy//\//\\}"
  local status=0
  "$root/cmake/wine-run.sh" "$work/wineprefix" wow64 "$1" "cavopath=$windows" component=GridCtl \
    "compfile=$windows\\BIN\\grid.wed" mode=Add silent || status=$?
  echo "$status"
}

loader_reason=$(i686_tests_reason)
if [ -z "$loader_reason" ]; then
  [ "$(silent_add "$program" unsigned)" = 0 ] || fail "the unpacked program's silent add"
  cmp -s "$work/installations/unsigned copy/VO28/BIN/DEDUDED.INF" "$root/examples/VO28/BIN/DEDUDED.INF" &&
    fail "the unpacked program's silent add changed nothing"
else
  echo "not run: release test's silent add of the unpacked program ($loader_reason)"
fi

# Signed with a key made for this test alone.
openssl req -x509 -newkey rsa:2048 -nodes -subj "/CN=Formfit release test" -days 2 \
  -keyout "$work/key.pem" -out "$work/certificate.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/certificate.pem" \
  -passout pass:throwaway -out "$work/key.pfx"
signed=()
for round in 1 2; do
  dist_in "$work/one" UTC FORMFIT_SIGN_PFX="$work/key.pfx" FORMFIT_SIGN_PASSWORD=throwaway
  signed+=("$sum")
  grep -qx "formfit.exe signed with $work/key.pfx (Authenticode SHA-256, no timestamp)" "$work/one.out" ||
    fail "dist does not say that it signed"
done
echo "signed: ${signed[0]}, ${signed[1]}"
[ -n "${signed[0]}" ] && [ "${signed[0]}" = "${signed[1]}" ] || fail "signing twice gives different zips"
[ "${signed[0]}" != "$first" ] || fail "the signed zip is the unsigned one"
rm -rf "$work/unpacked"
unzip -q "$work/one/build/dist/$zip" -d "$work/unpacked"
osslsigncode verify -CAfile "$work/certificate.pem" -in "$program" >"$work/verify.out" 2>&1 ||
  { cat "$work/verify.out" >&2; fail "osslsigncode does not accept the signature"; }
if [ -z "$loader_reason" ]; then
  [ "$(silent_add "$program" signed)" = 0 ] || fail "the signed program's silent add"
  cmp -s "$work/installations/signed copy/VO28/BIN/DEDUDED.INF" \
    "$work/installations/unsigned copy/VO28/BIN/DEDUDED.INF" ||
    fail "the signed program's change differs from the unsigned one's"
fi

# Without a key the output says that nothing was signed.
dist_in "$work/one" UTC
[ "$sum" = "$first" ] || fail "the unsigned zip once more is another"
grep -qx "formfit.exe not signed: FORMFIT_SIGN_PFX names no certificate" "$work/one.out" ||
  fail "dist does not say that it did not sign"

WINEPREFIX=$work/wineprefix /usr/lib/wine/wineserver64 -k 2>/dev/null || true
if [ "$failures" -gt 0 ]; then
  echo "release: $failures checks failed; what they left is in $work" >&2
  exit 1
fi
rm -rf "$work"
echo "release: all checks passed"
