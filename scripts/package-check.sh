#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs the project into a
# temporary root (DESTDIR), validates the desktop entry and the AppStream
# metainfo, and starts the installed program from another folder to see that
# it finds its help file and data in the installed data folder.
#
#   scripts/package-check.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
build=$(realpath "${1:-build}")
app_id=example.lumivista.Lumivista
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "package check: $*" >&2
  exit 1
}

# cpack installs everything the project builds.
cmake --build "$build"
(cd "$build" && cpack -G DEB -B "$tmp/package" >"$tmp/cpack.log" 2>&1) ||
  { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
deb=$(find "$tmp/package" -maxdepth 1 -name 'lumivista_*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack made no lumivista_*.deb"
echo "Package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# Runtime dependencies: every library the program links, the pieces it loads
# at run time, and no development package.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
dep_names=$(tr ',|' '\n' <<<"$depends" | sed 's/(.*//; s/^ *//; s/ *$//')
has_dep() { grep -qxF "$1" <<<"$dep_names"; }
for p in gstreamer1.0-plugins-base gstreamer1.0-plugins-good qt6-translations-l10n \
  fonts-dejavu-core fonts-paratype; do
  has_dep "$p" || fail "Depends lacks $p"
done
if grep -q -- '-dev$' <<<"$dep_names"; then fail "Depends names a -dev package"; fi
dpkg-deb -x "$deb" "$tmp/unpacked"
exe="$tmp/unpacked/usr/bin/lumivista"
[ -x "$exe" ] || fail "the package has no usr/bin/lumivista"
for lib in $(readelf -d "$exe" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
  path=$(ldd "$exe" | awk -v l="$lib" '$1 == l { print $3 }')
  [ -n "$path" ] || fail "$lib is not found on this system"
  owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "${path#/usr}" 2>/dev/null ||
    dpkg -S "/usr$path" 2>/dev/null) || fail "no package owns $path"
  owner=${owner%%:*}
  has_dep "$owner" || fail "$lib comes from $owner, which Depends lacks"
done
# The dependencies exist in this Debian's archive (nothing is installed).
apt-get -s -qq install "$deb" >"$tmp/apt.log" 2>&1 ||
  { cat "$tmp/apt.log" >&2; fail "apt cannot install the package's dependencies"; }

# The same files through cmake --install into a temporary root.
root="$tmp/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
list_deb() { dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|' | sort; }
list_root() { (cd "$root" && find . ! -type d | sed 's|^\./|/|' | sort); }
diff <(list_deb) <(list_root) || fail "the package and the installed tree differ"

prefix="$root/usr"
data="$prefix/share/lumivista"
installed=(Lumivista.chm en/Lumivista.chm)
for f in "$src"/resources/data/* "$src"/resources/data/en/*; do
  [ -f "$f" ] && installed+=("${f#"$src"/resources/data/}")
done
for name in "${installed[@]}"; do
  [ -s "$data/$name" ] || fail "$name is not installed in share/lumivista"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] ||
    fail "no ${size}x${size} icon"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"

desktop="$prefix/share/applications/$app_id.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx 'Exec=lumivista' "$desktop" || fail "the desktop entry does not start lumivista"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"
grep -q '<screenshot' "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo has no screenshot"
echo "Desktop entry and metainfo are valid"

# Start the installed program from another folder, one that holds decoys of
# its files: it must run for 5 s and reach the installed files, never the
# decoys. strace witnesses every file access, however a window looks a file up.
work="$tmp/elsewhere"
mkdir -p "$work" "$tmp/trace"
for name in "${installed[@]}"; do
  mkdir -p "$(dirname "$work/$name")"
  echo decoy >"$work/$name"
done
tracer=()
if command -v strace >/dev/null && strace -qq -o /dev/null true 2>/dev/null; then
  tracer=(strace -ff -qq -s 1024 -e trace=%file -o "$tmp/trace/t")
else
  echo "package check: note: no working strace, file accesses are not witnessed" >&2
fi
rc=0
(cd "$work" && QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="lumivista.files.debug=true;qt.qpa.*=false" \
  QT_MESSAGE_PATTERN="%{category}: %{message}" "${tracer[@]}" timeout 5 "$prefix/bin/lumivista") \
  >"$tmp/run.log" 2>&1 || rc=$?
grep '^lumivista.files: ' "$tmp/run.log" || true
if [ "$rc" -ne 124 ]; then
  cat "$tmp/run.log" >&2
  fail "the installed program ended (exit status $rc) instead of running"
fi
if grep '^lumivista.files: ' "$tmp/run.log" | grep -v " found at $data/"; then
  fail "a file was not found in the installed data folder"
fi
grep -qxF "lumivista.files: Lumivista.chm found at $data/Lumivista.chm" "$tmp/run.log" ||
  fail "the installed program did not find Lumivista.chm in $data"
cat "$tmp"/trace/t.* >"$tmp/trace.log" 2>/dev/null || true
reached() { grep -F "\"$1\"" "$tmp/trace.log" | grep -Eq '\) = [0-9]+'; }
for name in "${installed[@]}"; do
  [ ${#tracer[@]} -gt 0 ] || break
  if reached "$work/$name"; then fail "the installed program opened the decoy $work/$name"; fi
  tried=$(grep -E "\"([^\"]*/)?${name//./\\.}\"" "$tmp/trace.log" | grep -v "\"$work/" || true)
  if [ -z "$tried" ]; then
    echo "package check: note: nothing looked for $name while starting" >&2
  elif ! reached "$data/$name"; then
    echo "$tried" >&2
    fail "the installed program looked for $name but never reached $data/$name"
  else
    echo "reached $data/$name"
  fi
done
echo "The installed program starts and finds its files"
