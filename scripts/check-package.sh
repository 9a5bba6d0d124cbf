#!/usr/bin/env bash
# Builds the Debian package from a configured build folder (default: build),
# unpacks it into a scratch root with dpkg -x and starts the installed program
# offscreen until its main window has been painted; then it closes as a user
# would close it. Checks the package's dependencies, the files it installs,
# that the INI lands in the user's configuration folder and the default
# folders under the working directory.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/zelpor_*.deb | head -n 1)
echo "package: $deb"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
check() {  # check "what" command...
    local what="$1"
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what" >&2
    fi
}

# Debian's own checker: no error, and no warning that packaging/lintian-accepted.txt
# does not name with its reason.
if command -v lintian >/dev/null; then
    findings=$(lintian --tag-display-limit 0 "$deb" 2>/dev/null || true)
    accepted=$(awk '!/^#/ && NF { print $1 }' packaging/lintian-accepted.txt)
    unexplained=$(grep -E '^[EW]: ' <<<"$findings" | while read -r line; do
        tag=$(awk '{ print $3 }' <<<"$line")
        grep -qxF -- "$tag" <<<"$accepted" || echo "$line"
    done || true)
    [ -z "$unexplained" ] || echo "$unexplained" >&2
    check "lintian: no error and no unexplained warning" test -z "$unexplained"
else
    echo "FAILED: lintian is not installed (scripts/ensure-deps.sh --package)" >&2
    failed=$((failed + 1))
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
check "depends on the Qt 6 widgets library" grep -q "libqt6widgets6" <<<"$depends"
check "depends on the lettering font" grep -q "fonts-osifont" <<<"$depends"

root="$scratch/root"
dpkg -x "$deb" "$root"
check "program installed" test -x "$root/usr/bin/zelpor"
check "desktop entry installed" test -f "$root/usr/share/applications/zelpor.desktop"
check "icon installed" test -f "$root/usr/share/icons/hicolor/scalable/apps/zelpor.svg"
check "desktop entry starts the program" grep -qx "Exec=zelpor" "$root/usr/share/applications/zelpor.desktop"
if command -v desktop-file-validate >/dev/null; then
    check "desktop entry valid" desktop-file-validate "$root/usr/share/applications/zelpor.desktop"
fi
check "copyright file installed" test -f "$root/usr/share/doc/zelpor/copyright"
check "changelog installed" test -f "$root/usr/share/doc/zelpor/changelog.gz"
man="$root/usr/share/man/man1/zelpor.1.gz"
check "manual page installed" test -f "$man"
if [ -f "$man" ] && command -v man >/dev/null; then
    check "manual page lists the batch modes" grep -q -- "--setup-sheet" <(MANWIDTH=100 man -l "$man" 2>/dev/null)
fi
if [ -d "$build/data/samples" ]; then
    check "sample library installed" test -f "$root/usr/share/zelpor/samples/material.dat"
fi

# Start it as a user from the menu would: own home, own working directory.
home="$scratch/home"
work="$scratch/work"
mkdir -p "$home" "$work" "$scratch/run"
chmod 700 "$scratch/run"
out=$(cd "$work" && env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen ZELPOR_FIRST_PAINT=1 \
    timeout 60 "$root/usr/bin/zelpor" 2>"$scratch/stderr") || {
    echo "the installed program failed:" >&2
    cat "$scratch/stderr" >&2
    failed=$((failed + 1))
}
check "main window painted" grep -q "^first-paint-ns " <<<"$out"
ini="$home/.config/Zelpor_2/zelpor.INI"
check "INI in the user's configuration folder" test -f "$ini"
check "no INI beside the installed program" test ! -e "$root/usr/bin/zelpor.INI"
check "jobs folder under the working directory" grep -qF "Path Customers=$work/Customers/" "$ini"
check "tools folder under the working directory" test -d "$work/Tools"
if [ -d "$build/data/samples" ]; then
    check "sample library written into the new tools folder" test -f "$work/Tools/material.dat"
fi

echo "package check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
