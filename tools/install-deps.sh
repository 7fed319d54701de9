#!/bin/sh
# Installs the Debian packages the build and the tests need; quiet when all are there.
set -e
packages="cmake ninja-build g++ make googletest libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 xvfb xdotool x11-utils
  imagemagick fonts-wine fonts-dejavu-core fonts-wqy-microhei fonts-symbola zip clang-format cppcheck clang-14
  libclang-rt-14-dev locales wixl msitools faketime"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -qq >/dev/null
    # shellcheck disable=SC2086
    $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
# The Japanese locale, for the run that shows the system's language does not matter.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    echo "Making the locale ja_JP.UTF-8"
    $sudo sed -i 's/^# *\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP\.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
