#!/usr/bin/env bash
# Checks that every tracked C++ source is formatted as .clang-format says and names those that are
# not (clang-format-14 -i FILE mends one; hand-aligned tables go inside clang-format off/on).
# Installs clang-format when missing. -v shows each difference.
source "$(dirname "$0")/common.sh"

HELVON_PACKAGES=(clang-format-14)
helvon_install
cd "$HELVON_ROOT"
# Each batch names its files in one short write, so parallel batches do not mix their lines.
differ=$(git ls-files -z '*.cpp' '*.h' '*.inl' '*.c' |
    xargs -0 -n 32 -P "$HELVON_JOBS" sh -c 'clang-format-14 --dry-run -Werror "$@" 2>&1 |
        sed -n "s/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p" | sort -u' sh |
    LC_ALL=C sort)
[ -z "$differ" ] && exit 0
if [ "${1:-}" = -v ]; then
    printf '%s\n' "$differ" | while read -r f; do clang-format-14 --dry-run "$f" 2>&1; done
else
    printf '%s\n' "$differ"
fi
helvon_log "$(printf '%s\n' "$differ" | wc -l) files differ from .clang-format"
exit 1
