#!/usr/bin/env bash
# Installs the Debian packages that a script of this project needs, when any
# is missing. Usage: scripts/ensure-deps.sh PACKAGE...
# As root it runs apt-get; otherwise it prints the exact command and fails.
set -euo pipefail

missing=()
for pkg in "$@"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

cmd="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Faltan paquetes. Instálelos con:" >&2
  echo "  sudo apt-get update && sudo $cmd" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$cmd
