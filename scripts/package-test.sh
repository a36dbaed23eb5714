#!/usr/bin/env bash
# Builds the .deb from the release build, installs it with apt as a user would, and drives the
# installed program under Xvfb. Needs root (apt-get install); removes the package afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default
rm -f "$build"/orvanel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/orvanel_*.deb)
echo "built $deb"
dpkg-deb -I "$deb" | grep -E '^ (Package|Version|Depends):'

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$deb" >/dev/null
trap 'apt-get remove -y -qq orvanel >/dev/null' EXIT

test -x /usr/bin/orvanel
test -f /usr/share/applications/orvanel.desktop
test -f /usr/share/icons/hicolor/scalable/apps/orvanel.svg
grep -q '^Name=Orvanel 過去問題採点$' /usr/share/applications/orvanel.desktop
python3 tests/e2e/drive.py /usr/bin/orvanel
echo "the installed package works"
