#!/bin/sh
# Installs the Debian packages the program needs to build, run and test.
# Only what is missing is installed; run as root or with sudo at hand.
set -e

PACKAGES="cmake make g++ pkg-config
qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev
libxlsxwriter-dev libminizip-dev libkainjow-mustache-dev zlib1g-dev
fonts-wqy-microhei qt6-translations-l10n"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installing:$missing"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
