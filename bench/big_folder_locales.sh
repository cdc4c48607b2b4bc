#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the big folder as its users do: each form of date is read by the program running under
# the locale that writes it (the numeric form under C), so the reader meets its own format first.
#   bench/big_folder_locales.sh [BUILD_DIR]
# Needs the en_US.UTF-8 and de_DE.UTF-8 locales; when one is missing they are installed and
# generated (Debian's locales package, as root).
set -eu
build=${1:-build}

missing_locale() {
    for name in en_US.utf8 de_DE.utf8; do
        locale -a | grep -qx "$name" || return 0
    done
    return 1
}

if missing_locale; then
    apt-get install -y locales
    sed -i -E 's/^# *((en_US|de_DE)\.UTF-8 UTF-8)/\1/' /etc/locale.gen
    locale-gen
fi

for run in C:C en_US.UTF-8:en_US de_DE.UTF-8:de_DE C:numeric; do
    LC_ALL=${run%%:*} "$build/bench/bench_big_folder" --benchmark_filter="^BM_OpenFolder[A-Za-z]*/${run#*:}/"
done
