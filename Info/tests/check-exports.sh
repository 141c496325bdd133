#!/usr/bin/env bash
# Info.dll exports the record classes whole: constructors, destructor, assignment,
# comparison and the virtual operations, under their C++ names.
set -euo pipefail
dll=$1
exports=$(x86_64-w64-mingw32-objdump -p "$dll")
status=0
for symbol in \
    _ZN10InfoScFileC1Ev _ZN10InfoScFileC1ERKS_ _ZN10InfoScFileaSERKS_ _ZNK10InfoScFileeqERKS_ \
    _ZN10InfoScFileD0Ev _ZN10InfoScFile16LoadFromRegistryEv _ZN10InfoScFile14SaveToRegistryEj \
    _ZN14InfoScSettingsC1Ev _ZN14InfoScSettings12SetSelectionE13EnumSendParamb \
    _ZN9SendParam17ReadRegistryValueERK7CStringS2_Ri \
    _ZN19InfoGlobalFunctions19GetScImageDirectoryEv; do
    if ! grep -q "\b$symbol\b" <<<"$exports"; then
        echo "Info.dll does not export $symbol"
        status=1
    fi
done
[ $status -eq 0 ] && echo "Info.dll exports the record classes."
exit $status
