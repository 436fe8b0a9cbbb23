#!/usr/bin/env bash
# check-layers.sh: the folders of the program in build order, each including only headers of its
# own folder and of those before it; the plain C++ folders include no Qt header; the top-level
# CMakeLists.txt adds the folders in that order. Prints what breaks the order and fails then.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
layers=(stats core graphics platform widgets plans standards app)
plain=" stats core graphics plans standards "
found=0
for i in "${!layers[@]}"; do
    folder=${layers[$i]}
    [ -d "$root/$folder" ] || continue
    # The folders after this one, and the tests, which no program code may include.
    above=$(IFS='|'; echo "${layers[*]:$((i + 1))}")
    pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<](${above:+$above|}tests)/"
    if [[ $plain == *" $folder "* ]]; then
        pattern="$pattern|^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q"
    fi
    if grep -rnE "$pattern" "$root/$folder" --include='*.h' --include='*.cpp'; then
        found=1
    fi
done
built=$(sed -nE 's/^add_subdirectory\(([a-z]+)\)$/\1/p' "$root/CMakeLists.txt" |
    grep -vxE 'tests|bench' | tr '\n' ' ')
expected=""
for folder in "${layers[@]}"; do
    [ -d "$root/$folder" ] && expected="$expected$folder "
done
if [ "$built" != "$expected" ]; then
    echo "CMakeLists.txt adds the folders as: $built; expected: $expected"
    found=1
fi
if [ $found -ne 0 ]; then
    echo "check-layers: the lines above break the build order: $(IFS=" "; echo "${layers[*]}") (plain C++ in stats, core, graphics, plans and standards)." >&2
fi
exit $found
