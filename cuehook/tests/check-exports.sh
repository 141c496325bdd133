#!/usr/bin/env bash
# Cuehook.dll exports its 28 C functions at ordinals 1 to 28 (callers import them by
# ordinal) and the two HookCBTKeyboard functions by name.
set -euo pipefail
dll=$1
exports=$(x86_64-w64-mingw32-objdump -p "$dll")
status=0
for ordinal in $(seq 1 28); do
    if ! grep -Eq "^[[:space:]]+\[[[:space:]]*$((ordinal - 1))\] \+base\[[[:space:]]*$ordinal\] [0-9a-f]+ Export RVA" <<<"$exports"; then
        echo "Cuehook.dll exports nothing at ordinal $ordinal"
        status=1
    fi
done
for name in _ZN15HookCBTKeyboard25InstallGlobalKeyboardProcEP6HWND__ _ZN15HookCBTKeyboard21UnInstallKeyboardProcEv; do
    if ! grep -Eq "\] $name\$" <<<"$exports"; then
        echo "Cuehook.dll does not export $name by name"
        status=1
    fi
done
[ $status -eq 0 ] && echo "Cuehook.dll exports ordinals 1 to 28 and the two keyboard functions."
exit $status
