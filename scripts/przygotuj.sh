#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds.
# Usage: scripts/przygotuj.sh BUILD_DIR [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

brakujace=()
while read -r pakiet; do
  [[ -z "$pakiet" || "$pakiet" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$pakiet" 2>/dev/null | grep -q "install ok installed"; then
    brakujace+=("$pakiet")
  fi
done < scripts/pakiety-debian.txt

if ((${#brakujace[@]})); then
  echo "Instaluję brakujące pakiety: ${brakujace[*]}"
  jako_root=()
  [[ $(id -u) -ne 0 ]] && jako_root=(sudo)
  "${jako_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${jako_root[@]}" apt-get install -y -qq --no-install-recommends "${brakujace[@]}"
fi

katalog=${1:?build directory}
shift
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$katalog" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$katalog" -j"$(nproc)"
