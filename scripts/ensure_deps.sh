#!/usr/bin/env bash
# Makes sure the Debian packages named as arguments are installed: installs
# the missing ones with apt-get when run as root, and otherwise names them
# and stops.
set -u
missing=()
for pkg in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq "${missing[@]}" >/dev/null || {
    echo "apt-get could not install: ${missing[*]}"
    exit 1
  }
  exit 0
fi
echo "Missing packages: ${missing[*]}"
echo "Install them with: sudo apt-get install ${missing[*]}"
exit 1
