#!/usr/bin/env bash
# Installs everything Sorvel Numerology needs to build, run and test on
# Debian 12 (run as root). Safe to run again: apt skips what is installed.
set -euo pipefail

export DEBIAN_FRONTEND=noninteractive
packages=(
    build-essential cmake
    qtbase5-dev qtwebengine5-dev libqt5svg5-dev libqt5sql5-sqlite
    libpng-dev zlib1g-dev
    libbenchmark-dev libqrencode-dev libqpdf-dev pkg-config
    zbar-tools poppler-utils
    fonts-liberation fontconfig
    xvfb xauth
    desktop-file-utils appstream groff-base dpkg-dev
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Panels and reports ask for Arial, Courier and Tahoma; map them to the
# metric-compatible Liberation faces so nothing falls back to a serif face.
conf=/etc/fonts/local.conf
if ! grep -q 'sorvel-fonts' "$conf" 2>/dev/null; then
    cat > "$conf" <<'XML'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<!-- sorvel-fonts: metric-compatible faces for the names the program uses -->
<fontconfig>
  <alias binding="same"><family>Arial</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="same"><family>Tahoma</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="same"><family>Courier</family><prefer><family>Liberation Mono</family></prefer></alias>
  <alias binding="same"><family>Courier New</family><prefer><family>Liberation Mono</family></prefer></alias>
</fontconfig>
XML
    fc-cache -f >/dev/null 2>&1 || true
fi
