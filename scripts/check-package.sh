#!/usr/bin/env bash
# Builds the Debian package of a finished build, unpacks it into a temporary
# root (no installation, no root rights needed) and runs the programs from
# there, so the package is known to hold everything the programs load and
# to name the libraries they link.
#
#   bash scripts/check-package.sh [BUILD_FOLDER]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)

fail() {
    echo "check-package: $*" >&2
    exit 1
}

# 1. The package.
rm -rf "$build/package"
log="$build/check-package-cpack.log"
(cd "$build" && cpack -G DEB >"$log" 2>&1) || { cat "$log" >&2; fail "cpack failed"; }
debs=("$build"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb in $build/package"
deb=${debs[0]}
echo "check-package: $(basename "$deb"), $(du -h "$deb" | cut -f1)"

# 2. Its dependencies come from the linked libraries.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt5core5a libqt5gui5 libqt5widgets5 libqt5webenginewidgets5 libqpdf29 libc6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# 3. Unpacked into a root of its own.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
id=org.sorvel_numerology.Sorvel
helpers=usr/libexec/sorvel-numerology
for file in usr/bin/sorvel usr/bin/sorvel-cli \
    $helpers/sorvel-cli-core $helpers/sorvel-cli-draw $helpers/sorvel-pdf-printer \
    usr/share/sorvel/eng.dat \
    usr/share/sorvel/images/sorvel.png usr/share/sorvel/images/manual/index.html \
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/$id.png usr/share/icons/hicolor/256x256/apps/$id.png \
    usr/share/man/man1/sorvel.1 usr/share/man/man1/sorvel-cli.1 \
    usr/share/bash-completion/completions/sorvel-cli usr/share/doc/sorvel-numerology/copyright; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
ls "$root"/usr/share/sorvel/images/templates/*.snc >/dev/null 2>&1 || fail "the package lacks the chart templates"
[ ! -e "$root/usr/share/sorvel/images/icons" ] || fail "the theme icons were copied into the program's folder"

# 4. The programs run from there, and find their data under usr/share/sorvel.
cd "$root"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb usr/bin/sorvel --version) ||
    fail "sorvel --version failed"
[ "$version" = "Sorvel Numerology $(dpkg-deb -f "$deb" Version)" ] || fail "sorvel --version says: $version"
chart=$(usr/bin/sorvel-cli chart --full "John Adam Smith" --birth 1990-05-17 --forecast 2024-06-21) ||
    fail "sorvel-cli chart failed"
grep -q '"lifePathText": "8+5+1/19=14=5"' <<<"$chart" || fail "sorvel-cli chart printed: $chart"
report=$(usr/bin/sorvel-cli report numerology --full "John Adam Smith" --birth 1990-05-17 \
    --forecast 2024-06-21) || fail "sorvel-cli report failed"
grep -q "$root/usr/share/sorvel/images/doc/" <<<"$report" ||
    fail "the report's pictures are not the package's"
# The same tool with no data anywhere near it writes the report without the
# interpretation texts: the packaged one must have found them.
mkdir bare
cp usr/bin/sorvel-cli $helpers/sorvel-cli-core bare/
bare=$(bare/sorvel-cli report numerology --full "John Adam Smith" --birth 1990-05-17 --forecast 2024-06-21) ||
    fail "sorvel-cli report without data failed"
[ ${#report} -gt $((${#bare} + 10000)) ] ||
    fail "the report has no interpretation texts (${#report} characters, ${#bare} without data)"
# The PDF is printed by the packaged helper, found beside the tool's folder.
usr/bin/sorvel-cli pdf --full "John Adam Smith" --birth 1990-05-17 --out "$root/person.pdf" ||
    fail "sorvel-cli pdf failed"
[ "$(head -c 5 "$root/person.pdf")" = "%PDF-" ] || fail "sorvel-cli pdf wrote no PDF"
# A QR Code is written by the tool itself, a linear symbol by its drawing
# program in the helper folder.
usr/bin/sorvel-cli barcode --kind 0 --text "HELLO" --out "$root/qr.png" || fail "sorvel-cli QR Code failed"
usr/bin/sorvel-cli barcode --kind 2 --text "HELLO" --out "$root/code128.png" || fail "sorvel-cli Code 128 failed"
for picture in qr code128; do
    [ "$(head -c 4 "$root/$picture.png" | tail -c 3)" = "PNG" ] || fail "sorvel-cli wrote no $picture PNG"
done
echo "check-package: sorvel --version and sorvel-cli chart, report, pdf and barcode run from the unpacked package"
