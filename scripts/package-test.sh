#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, runs both installed programs and
# removes the package again. Needs root (or sudo). Usage: scripts/package-test.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build}")

sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
fail() { echo "package-test: $*" >&2; exit 1; }

scripts/setup.sh --no-build
[ -f "$build_dir/CMakeCache.txt" ] || cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
rm -f "$build_dir"/quadrelle_*.deb
log=$(cmake --build "$build_dir" --target package 2>&1) || { echo "$log" >&2; fail "building the package failed"; }
debs=("$build_dir"/quadrelle_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $build_dir, found: ${debs[*]}"
deb=${debs[0]}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
echo "package-test: $(basename "$deb")"

# What the package holds, before it goes anywhere near the system.
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
in_bin=$(grep -E '^\./usr/bin/.+' <<<"$contents" | sort | tr '\n' ' ')
[ "$in_bin" = "./usr/bin/quadrelle ./usr/bin/quadrelle-solve " ] || fail "/usr/bin holds: $in_bin"
app_id=org.quadrelle.quadrelle
icons=(./usr/share/icons/hicolor/scalable/apps/quadrelle.svg)
for size in 16 22 24 32 48 64 128 256; do icons+=("./usr/share/icons/hicolor/${size}x$size/apps/quadrelle.png"); done
for file in ./usr/share/quadrelle/HAND-M.CUR ./usr/share/applications/$app_id.desktop \
  ./usr/share/metainfo/$app_id.metainfo.xml "${icons[@]}" \
  ./usr/share/mime/packages/quadrelle.xml \
  ./usr/share/doc/quadrelle/copyright ./usr/share/doc/quadrelle/changelog.Debian.gz \
  ./usr/share/lintian/overrides/quadrelle \
  ./usr/share/man/man1/quadrelle.1.gz ./usr/share/man/man1/quadrelle-solve.1.gz; do
  grep -qxF "$file" <<<"$contents" || fail "missing from the package: $file"
done

python_module=$(grep -E '^\./usr/lib/python3/dist-packages/quadrelle\.cpython-[^/]+\.so$' <<<"$contents") ||
  fail "the Python module is missing from the package"
grep -qxF ./usr/lib/python3/dist-packages/quadrelle.pyi <<<"$contents" || fail "missing from the package: quadrelle.pyi"

# What a distribution and a software centre check. Lintian's info tags are advice; its
# warnings are fixed or overridden with a reason.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian found errors or warnings"
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
problems=$(desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop" 2>&1) && [ -z "$problems" ] ||
  fail "desktop-file-validate: $problems"
problems=$(appstreamcli validate --pedantic --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" 2>&1) ||
  fail "appstreamcli: $problems"
! grep -q '^[EWIP]:' <<<"$problems" || fail "appstreamcli: $problems"
grep -q "<release version=\"$version\"" "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo's release is not $version"
file "$unpacked/usr/share/icons/hicolor/32x32/apps/quadrelle.png" | grep -q '32 x 32, 8-bit/color RGBA' ||
  fail "the 32 px icon is not 32 x 32 with alpha"
rm -rf "$unpacked"
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in fonts-liberation libqt6widgets6 libqt6printsupport6 libstdc++6; do
  grep -q "$dependency" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

# Other checkouts may run this at the same time: one install at a time.
exec 9>/tmp/quadrelle-package-test.lock
flock -w 600 9 || fail "another package test holds the lock"

apt_get() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@" >/dev/null
}
remove() { apt_get purge quadrelle || true; }
trap remove EXIT
apt_get install --reinstall "$deb"

# From a folder that has nothing of the project in it, with the system's PATH.
cd "$(mktemp -d)"
export XDG_RUNTIME_DIR=$PWD
[ "$(command -v quadrelle)" = /usr/bin/quadrelle ] || fail "quadrelle is not /usr/bin/quadrelle"
[ "$(command -v quadrelle-solve)" = /usr/bin/quadrelle-solve ] || fail "quadrelle-solve is not in /usr/bin"

for program in quadrelle-solve quadrelle; do
  out=$(timeout 10 "$program" --version) || fail "$program --version failed"
  out=${out%%$'\n'*} # the licence lines follow
  [ "$out" = "$program $version" ] || fail "$program --version says '$out', not '$program $version'"
  # Read whole: grep -q leaves at the first match, and the help is longer than one pipe write.
  out=$(timeout 10 "$program" --help) || fail "$program --help failed"
  grep -q "$program" <<<"$out" || fail "$program --help does not name $program"
  man -w "$program" >/dev/null 2>&1 || fail "no manual page for $program"
done

# Debian's interpreter finds the module where the package put it, and it answers as the batch tool does.
out=$(/usr/bin/python3 -I -c 'import quadrelle; print(quadrelle.__file__, quadrelle.__version__, quadrelle.count("0" * 81).verdict)') ||
  fail "import quadrelle failed"
[ "$out" = "/${python_module#./} $version multiple" ] || fail "import quadrelle says: $out"

# shared-mime-info's trigger has taken the puzzle file types into the system's database.
if [ -f /usr/share/mime/globs2 ]; then
  grep -q ':text/x-sudoku-sdk:\*\.sdk$' /usr/share/mime/globs2 || fail "the system's MIME database lacks *.sdk"
fi

empty=$(printf '0%.0s' {1..81})
solved=$(printf '%s\n' "$empty" "12" "# a comment" "$empty" | quadrelle-solve --jobs 2 2>/dev/null) && status=0 || status=$?
[ "$status" -eq 1 ] || fail "quadrelle-solve exit status $status for a file with an invalid line"
expected="solved 81 123456789456789123789123456231674895875912364694538217317265948542897631968341572
invalid 0 bad-length
solved 81 123456789456789123789123456231674895875912364694538217317265948542897631968341572"
[ "$solved" = "$expected" ] || fail "quadrelle-solve wrote: $solved"

# The window starts offscreen with a puzzle file and stays up until stopped; it finds its
# hand pointer in the installed data folder.
printf '# a puzzle\n%s\n' 530070000600195000098000060800060003400803001700020006060000280000419005000080079 >puzzle.txt
trace=()
strace -f -e trace=openat -o /dev/null true 2>/dev/null && trace=(strace -f -e trace=openat,stat,statx,newfstatat -o trace.log)
opened_hand='openat(.*"/usr/share/quadrelle/HAND-M.CUR"' opened_puzzle='openat(.*"puzzle.txt"'
read_both() { grep -q "$opened_hand" trace.log 2>/dev/null && grep -q "$opened_puzzle" trace.log; }
QT_QPA_PLATFORM=offscreen timeout 120 "${trace[@]}" quadrelle puzzle.txt >window.log 2>&1 &
window=$!
# Up for three seconds and, when traced, until it has read both files: a loaded machine may
# take longer than that to start it under strace.
started=$SECONDS
while ((SECONDS - started < 3)) || { ((${#trace[@]})) && ! read_both; }; do
  kill -0 "$window" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$window" 2>/dev/null; then
  kill "$window"
  wait "$window" || true
else
  wait "$window" && status=0 || status=$?
  [ "$status" -eq 124 ] || { cat window.log >&2; fail "the window ended with status $status before it was stopped"; }
fi
if ((${#trace[@]})); then
  grep -q "$opened_hand" trace.log || fail "the window never opened its hand pointer"
  grep -q "$opened_puzzle" trace.log || fail "the window never opened its puzzle file"
  echo "package-test: the window read /usr/share/quadrelle/HAND-M.CUR and puzzle.txt"
else
  echo "package-test: strace unusable here; not checking where the hand pointer came from"
fi

trap - EXIT
apt_get purge quadrelle
[ ! -e /usr/bin/quadrelle ] && [ ! -e /usr/share/quadrelle ] && [ ! -e "/${python_module#./}" ] || fail "files left after removal"
echo "package-test: installed, ran and removed $(basename "$deb")"
