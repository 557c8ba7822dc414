#!/usr/bin/env bash
# Checks that the bash completion and the manual pages know every command, option and fixed
# value of tallo-db (as its --help tells them), every word of the editor's command line, and
# that both programs and both pages carry the project's version.
#   command_list_test.sh TALLO_DB COMPLETION MAN_DIR VERSION WORDS_SOURCE [TALLO_EDITOR]
# MAN_DIR holds the configured tallo-db.1 and tallo-editor.1; WORDS_SOURCE is the source file
# of the editor's command-line words.
set -uo pipefail

tool=$1 completion=$2 man_dir=$3 version=$4 words_source=$5 editor=${6:-}
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A manual page as plain text: no font changes, no escaped hyphens.
plain_page() {
    sed -e 's/\\-/-/g' -e 's/\\f[BIPR]//g' -e 's/\\&//g' "$1"
}
tool_page=$(plain_page "$man_dir/tallo-db.1")
editor_page=$(plain_page "$man_dir/tallo-editor.1")

# The text of one ".SS <path>" section of the tallo-db page.
page_section() {
    awk -v heading=".SS $1" '
        $0 == heading { inside = 1; next }
        /^\.S[SH] / { inside = 0 }
        inside { print }' <<<"$tool_page"
}

# The completion's word list of a command path.
completion_words() {
    grep -E "^ *\"$1\"\) echo " "$completion" | sed -E 's/^[^)]*\) echo "([^"]*)".*/\1/'
}

has_word() { # has_word WORD LIST...
    local word=$1
    shift
    [[ " $* " == *" $word "* ]]
}

# Walks the commands as --help lists them.
paths_checked=0
check_path() {
    local path=$1 help section subs options choices word
    # shellcheck disable=SC2086
    if ! help=$("$tool" $path --help 2>&1); then
        fail "tallo-db $path --help failed"
        return
    fi
    paths_checked=$((paths_checked + 1))
    subs=$(awk '/^[A-Za-z]+:$/ { section = $0; next }
                section == "Subcommands:" && /^  [a-z]/ { print $1 }' <<<"$help")
    options=$(awk '/^[A-Za-z]+:$/ { section = $0; next }
                   section == "Options:" && /^  -/ { print $1 }' <<<"$help" |
              tr ',' '\n' | grep -E '^--' | sed -E 's/[:=].*//')
    choices=$(grep -oE '\{[^}]*\}' <<<"$help" | tr -d '{}' | tr ',' '\n')

    local listed
    listed=$(completion_words "$path")
    if [ -z "$listed" ]; then
        fail "the completion has no line for '$path'"
    fi
    for word in $subs $options; do
        has_word "$word" $listed || fail "the completion of '$path' lacks $word"
    done
    for word in $choices; do
        grep -qw -- "$word" "$completion" || fail "the completion lacks '$word' ($path)"
    done

    if [ -z "$path" ]; then
        for word in $options; do
            grep -q -- "$word" <<<"$tool_page" || fail "tallo-db.1 lacks $word"
        done
    elif [ -z "$subs" ]; then
        section=$(page_section "$path")
        if [ -z "$section" ]; then
            fail "tallo-db.1 has no section '$path'"
        else
            for word in $options $choices; do
                case "$word" in --help | --help-all) continue ;; esac
                grep -q -- "$word" <<<"$section" || fail "tallo-db.1 '$path' lacks $word"
            done
            grep -q "^tallo-db $path " <<<"$section" || fail "tallo-db.1 '$path' has no example"
        fi
    fi
    for word in $subs; do
        check_path "${path:+$path }$word"
    done
}
check_path ""
[ "$paths_checked" -ge 10 ] || fail "only $paths_checked command paths were found in the help"

# Every word of the editor's command line (the string literals of its parser).
editor_words=$(grep -oE '"[A-Za-z_-][A-Za-z0-9_-]*"' "$words_source" | tr -d '"' | sort -u)
[ "$(wc -w <<<"$editor_words")" -ge 10 ] || fail "too few editor words found in $words_source"
for word in $editor_words --version; do
    grep -q -- "$word" <<<"$editor_page" || fail "tallo-editor.1 lacks the word $word"
done
grep -qE '(^| )tallo-editor -master ' <<<"$editor_page" || fail "tallo-editor.1 has no build example"

# The version, in the programs and the pages.
[ "$("$tool" --version)" = "tallo-db $version" ] || fail "tallo-db --version: $("$tool" --version)"
if [ -n "$editor" ]; then
    out=$(timeout 20 "$editor" --version)
    status=$?
    [ "$out" = "tallo-editor $version" ] && [ $status -eq 0 ] ||
        fail "tallo-editor --version: '$out' with status $status"
fi
for page in tallo-db tallo-editor; do
    head -1 "$man_dir/$page.1" | grep -qF "\"Tallo $version\"" || fail "$page.1 lacks the version"
done

echo "$paths_checked command paths checked"
if [ $failures -ne 0 ]; then
    echo "$failures failures" >&2
    exit 1
fi
