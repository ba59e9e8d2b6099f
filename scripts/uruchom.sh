#!/usr/bin/env bash
# Builds the program and runs its main job.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/przygotuj.sh build
if [[ -x build/shell/kosmotyp ]]; then
  exec build/shell/kosmotyp "$@"
elif [[ -x build/cli/kosmotyp-oblicz ]]; then
  # Until the desktop program exists: an example chart from the command-line tool.
  exec build/cli/kosmotyp-oblicz urodz --data 1980-05-17 --czas 14:25 --przes 120 \
    --dlug -1197 --szer 3004 --nazwa "Przykładowa Osoba" --miejsce "Kraków" "$@"
else
  echo "Zbudowano bibliotekę; program jeszcze nie istnieje."
fi
