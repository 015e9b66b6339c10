#!/usr/bin/env bash
# Installs the Debian packages of a list (deps/debian-packages.txt unless
# another is named) that are missing, through sudo when not running as root.
set -euo pipefail
list="${1:-$(dirname "$0")/debian-packages.txt}"

missing=()
while read -r package; do
    [[ -z "$package" || "$package" == \#* ]] && continue
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done < "$list"

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[[ "$(id -u)" -ne 0 ]] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
