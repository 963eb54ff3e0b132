#!/bin/bash
# Checks that platform/README.md names every file under platform/ and names
# no file that is not there. A file is named by its path from platform/ in
# backquotes; `X` in a name stands for each contract of the table (the
# backquoted first column), `<kind>` for each control kind the text lists as a
# backquoted plain word. Prints each file left out or named wrongly and fails
# when there is one.
set -uo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PLATFORM=$REPO/platform
README=$PLATFORM/README.md

mapfile -t quoted < <(grep -o '`[^`]*`' "$README" | tr -d '`' | sort -u)
mapfile -t contracts < <(grep -o '^| `[a-z_]*\.h`' "$README" | sed 's/^| `//; s/\.h`$//')
mapfile -t kinds < <(printf '%s\n' "${quoted[@]}" | grep -E '^[a-z][a-z_]*$')

declare -A named=()
for name in "${quoted[@]}"; do
    [[ $name =~ ^[A-Za-z0-9_/]*(\<kind\>|X)?[A-Za-z0-9_/]*\.(h|cpp)$ ]] || continue
    if [[ $name == *'<kind>'* ]]; then
        for kind in "${kinds[@]}"; do named[${name//<kind>/$kind}]=pattern; done
    elif [[ $name == *X.* ]]; then
        for contract in "${contracts[@]}"; do named[${name/X./$contract.}]=pattern; done
    else
        named[$name]=plain
    fi
done

faults=0
while IFS= read -r file; do
    [[ $file == README.md || $file == CMakeLists.txt ]] && continue
    if [[ -z ${named[$file]:-} ]]; then
        echo "platform/README.md does not name platform/$file"
        faults=$((faults + 1))
    fi
done < <(cd "$PLATFORM" && find . -type f | sed 's|^\./||' | sort)

# A name written out must be a file, under platform/ or, for the programs'
# files it mentions, under the repository's root. A pattern may name a file
# that a contract does without (a backend with no X.cpp of its own).
for name in "${!named[@]}"; do
    [[ ${named[$name]} == plain ]] || continue
    [[ -f $PLATFORM/$name || ( $name == */* && -f $REPO/$name ) ]] && continue
    echo "platform/README.md names $name, which is not there"
    faults=$((faults + 1))
done

if ((faults)); then
    echo "$faults fault(s) in platform/README.md"
    exit 1
fi
echo "platform/README.md names every file under platform/"
