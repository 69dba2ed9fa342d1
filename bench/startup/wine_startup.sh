#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program's start-up under Wine, against the bare reference program built with the
# same static Qt and options: times to the splash window and peak memory, launch after launch,
# interleaved, by the same probe as the Linux figures; then the two files' sizes.
# scripts/bench.sh runs it on its display (no window manager) when scripts/windows.sh has built
# both programs; it prints figures and asserts nothing.
#
#   bash bench/startup/wine_startup.sh PROBE BUILD_WINDOWS LAUNCHES
set -euo pipefail
probe=$1 build=$2 launches=$3
ours=$build/resistor.exe reference=$build/splash_reference.exe

if ! [ -f "$ours" ] || ! [ -f "$reference" ] || ! command -v wine >/dev/null; then
    echo "Windows program: not measured (run bash scripts/windows.sh first, which builds it)"
    exit 0
fi

if [ -z "${RESISTOR_WINE_PREFIX_READY:-}" ]; then
    # Once more, with a Wine prefix made before the first launch and a Wine server kept up
    # between launches: what is timed is the program's start, not Wine's.
    RESISTOR_WINE_PREFIX_READY=1 exec bash \
        "$(dirname "${BASH_SOURCE[0]}")/../../tests/windows/with_wine_prefix.sh" bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for program in ours reference; do
    printf '#!/bin/sh\nexec wine "%s"\n' "${!program}" >"$work/$program"
    chmod +x "$work/$program"
done

echo "Windows program under $(wine --version), its splash against a bare window of the same kind"
"$probe" --ours "$work/ours" --reference "$work/reference" --runs "$launches" \
    --size 273x310 --first-label splash --timeout 30000
echo
printf '  %-30s %-10s %12s bytes\n' "file size" ours "$(stat -c %s "$ours")" \
    "" reference "$(stat -c %s "$reference")"
awk -v a="$(stat -c %s "$ours")" -v b="$(stat -c %s "$reference")" \
    'BEGIN { printf "  %-30s %-10s %12.3f\n", "", "ours/ref", a / b }'
