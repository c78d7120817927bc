#!/usr/bin/env bash
# Checks the Debian package the way a user meets it: builds it (scripts/package.sh), lets lintian,
# desktop-file-validate and appstreamcli judge it, unpacks it into a fresh prefix and runs the
# installed korvex-tabulor unattended ("/a") as an ordinary user against the installed korvex-host-sim
# on a private bus, with machine-wide settings that user cannot write. Run as root, it makes the user
# "tabulorcheck" for that; run as anyone else, it runs as that user.
# Usage: scripts/check-package.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
package=$(scripts/package.sh "${1:-build/release}")
echo "check-package: $package"

lintian --fail-on error "$package"
# The Calc plugin's package, built where the LibreOffice SDK is installed.
plugin_package=${package/korvex-tabulor_/korvex-tabulor-calc_}
if [[ -f $plugin_package ]]; then
    lintian --fail-on error "$plugin_package"
fi
if [[ $(id -u) -eq 0 ]]; then
    dpkg --dry-run --install "$package" >/dev/null  # every dependency is known and installed here
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/root
dpkg-deb --extract "$package" "$prefix"
desktop-file-validate "$prefix"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$prefix"/usr/share/metainfo/*.metainfo.xml
man --local-file --warnings "$prefix/usr/share/man/man1/korvex-tabulor.1.gz" >/dev/null
man --local-file --warnings "$prefix/usr/share/man/man1/korvex-host-sim.1.gz" >/dev/null

# The machine-wide settings an administrator left for everyone: read-only for the user.
shipped=$prefix/usr/share/korvex-tabulor
mkdir -p "$work/etc" "$work/home" "$work/results" "$work/runtime"
chmod 700 "$work/runtime"
sed "s|@RESULTS@|$work/results|" "$shipped/examples/demo/KORVEX_Tabulor.ini" >"$work/etc/KORVEX_Tabulor.ini"
chmod 444 "$work/etc/KORVEX_Tabulor.ini"
run_as=()
if [[ $(id -u) -eq 0 ]]; then
    id tabulorcheck >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin tabulorcheck
    chown tabulorcheck "$work/home" "$work/results" "$work/runtime"
    run_as=(runuser -u tabulorcheck --)
fi

status=0
"${run_as[@]}" env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" PATH="$prefix/usr/bin:/usr/bin:/bin" QT_QPA_PLATFORM=offscreen \
    KORVEX_TABULOR_MACHINE_SETTINGS="$work/etc/KORVEX_Tabulor.ini" \
    dbus-run-session -- bash -c '
        korvex-host-sim --no-window "$1/examples/housing.json" & host=$!
        for _ in $(seq 50); do
            dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
                org.freedesktop.DBus.NameHasOwner string:com.dornwell.KORVEX 2>/dev/null | grep -q true && break
            sleep 0.1
        done
        status=0
        timeout 60 korvex-tabulor /a || status=$?
        kill $host
        exit $status' _ "$shipped" 2>"$work/stderr" || status=$?

fail() {
    echo "check-package: $1" >&2
    cat "$work/stderr" >&2
    exit 1
}
((status == 0)) || fail "the installed korvex-tabulor /a ended with status $status"
# Every message of an unattended run reaches standard error; Qt's offscreen platform adds a remark.
! grep -v "does not support propagateSizeHints" "$work/stderr" || fail "the installed program told the user something"
results=("$work"/results/*)
((${#results[@]} == 1)) && [[ -f ${results[0]} ]] || fail "expected one result file, found: ${results[*]}"
grep -q "LOC_BORE1" "${results[0]}" || fail "the result file lacks the housing's characteristics"
[[ -f $work/home/.local/share/korvex-tabulor/LanguageFiles/resource.dll ]] ||
    fail "no language copy in the user's program folder"
[[ ! -e $shipped/LanguageFiles/resource.dll ]] || fail "the program wrote into the shipped folder"
echo "check-package: the installed program wrote ${results[0]##*/} as an ordinary user"
