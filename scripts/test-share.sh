#!/bin/bash
# The test share: of all the code the project holds, how much is tests. Code is every
# C++, shell, Python and CMake file (tracked, or new and not ignored) under src/, tools/,
# cmake/, scripts/, bench/, fuzz/ and tests/, and the top CMakeLists.txt; tests are those
# under tests/ and fuzz/. A line counts when it holds code: blank lines and comments do
# not (C++: // and /* */; shell, Python, CMake: lines starting with #). Data (images,
# sounds, seed corpora, the help file) is no code.
#
#   scripts/test-share.sh        one line per folder, then the totals and the share
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Lines of code in the C++ files given: comments cut, string and character literals
# kept whole (a "//" inside one is no comment).
cpp_lines() {
    [ $# -eq 0 ] && { echo 0; return; }
    awk '
    FNR == 1 { block = 0 }
    {
        line = $0; code = ""; i = 1; n = length(line)
        while (i <= n) {
            c = substr(line, i, 1); two = substr(line, i, 2)
            if (block) {
                if (two == "*/") { block = 0; i += 2 } else i++
                continue
            }
            if (two == "//") break
            if (two == "/*") { block = 1; i += 2; continue }
            if (c == "\"" || c == "\047") {
                q = c; code = code c; i++
                while (i <= n) {
                    d = substr(line, i, 1); code = code d; i++
                    if (d == "\\") { code = code substr(line, i, 1); i++; continue }
                    if (d == q) break
                }
                continue
            }
            code = code c; i++
        }
        if (code ~ /[^ \t\r]/) count++
    }
    END { print count + 0 }' "$@"
}

# Lines of code in shell, Python and CMake files: not blank, not starting with #.
hash_lines() {
    [ $# -eq 0 ] && { echo 0; return; }
    cat "$@" | grep -cvE '^[[:space:]]*(#|$)' || true
}

count() { # folder or file ... -> lines of code
    local cpp=() other=() f
    while IFS= read -r f; do
        case $f in
        *.cpp | *.h) cpp+=("$f") ;;
        *.sh | *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt) other+=("$f") ;;
        *) [ -x "$f" ] && head -c 2 "$f" | grep -q '#!' && other+=("$f") ;;
        esac
    done < <(git ls-files --cached --others --exclude-standard -- "$@" | sort -u |
        while IFS= read -r f; do [ -f "$f" ] && echo "$f"; done)
    echo $(($(cpp_lines "${cpp[@]}") + $(hash_lines "${other[@]}")))
}

product=0
tests=0
for part in src tools cmake scripts bench CMakeLists.txt fuzz tests; do
    n=$(count "$part")
    case $part in
    fuzz | tests) tests=$((tests + n)) kind=tests ;;
    *) product=$((product + n)) kind=product ;;
    esac
    printf '%-15s %-8s %6d\n' "$part" "$kind" "$n"
done
total=$((product + tests))
printf '%-15s %-8s %6d\n' "all" "" "$total"
printf 'test share: %d of %d lines of code = %d.%d %%\n' "$tests" "$total" \
    $((tests * 100 / total)) $((tests * 1000 / total % 10))
