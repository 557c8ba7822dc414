#!/usr/bin/env bash
# Checks an installed copy of the programs under PREFIX (from `cmake --install --prefix` or an
# unpacked package): every file is where the install rules put it, and the installed tallo-db
# writes a small sample installation and builds its Master.dat, as the installed editor's build
# mode does. Used by tests/install/install_test.sh and scripts/package.
#   installed_programs_check.sh PREFIX SCRATCH VERSION WITH_EDITOR(0|1)
set -uo pipefail

prefix=$1 scratch=$2 version=$3 with_editor=$4
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
need_file() {
    [ -f "$prefix/$1" ] || fail "not installed: $1"
}

need_file bin/tallo-db
need_file share/man/man1/tallo-db.1
need_file share/bash-completion/completions/tallo-db
need_file share/doc/tallo/README.md
if [ "$with_editor" = 1 ]; then
    need_file bin/tallo-editor
    need_file lib/tallo/libtallo-renderer.so
    need_file share/man/man1/tallo-editor.1
    need_file share/applications/tallo-editor.desktop
    need_file share/icons/hicolor/scalable/apps/tallo-editor.svg
    for size in 16 24 32 48 64 128 256; do
        need_file "share/icons/hicolor/${size}x${size}/apps/tallo-editor.png"
    done
    # The editor loads the plug-in through its one exported entry point.
    if command -v nm >/dev/null && [ -f "$prefix/lib/tallo/libtallo-renderer.so" ]; then
        nm -D --defined-only "$prefix/lib/tallo/libtallo-renderer.so" | grep -qw GetPlugin ||
            fail "the installed plug-in exports no GetPlugin"
    fi
    if command -v desktop-file-validate >/dev/null &&
        [ -f "$prefix/share/applications/tallo-editor.desktop" ]; then
        desktop-file-validate "$prefix/share/applications/tallo-editor.desktop" ||
            fail "the desktop entry does not validate"
    fi
fi
[ -x "$prefix/bin/tallo-db" ] || { echo "$failures failures" >&2; exit 1; }

# The programs run in a world of their own: no settings, lock or documents of the user.
rm -rf "$scratch"
mkdir -p "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
run() {
    env -u TALLO_INSTALL_DIR -u TALLO_UI_LANGUAGE HOME="$scratch/home" \
        XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/runtime" \
        XDG_CACHE_HOME="$scratch/home/.cache" TALLO_DOCUMENTS_DIR="$scratch/home/Documents" \
        QT_QPA_PLATFORM=offscreen timeout 300 "$@"
}

said=$(run "$prefix/bin/tallo-db" --version)
[ "$said" = "tallo-db $version" ] || fail "installed tallo-db --version says '$said'"

install_dir="$scratch/installation"
if ! run "$prefix/bin/tallo-db" sample "$install_dir" --scale small --seed 11 >"$scratch/sample.log" 2>&1; then
    cat "$scratch/sample.log" >&2
    fail "installed tallo-db sample failed"
fi
if ! run "$prefix/bin/tallo-db" build "$install_dir" --lang eng --out "$scratch/tallo-db-Master.dat" \
    >"$scratch/build.log" 2>&1; then
    cat "$scratch/build.log" >&2
    fail "installed tallo-db build failed"
fi
[ -s "$scratch/tallo-db-Master.dat" ] || fail "installed tallo-db build wrote no Master.dat"

if [ "$with_editor" = 1 ]; then
    # An editor that does not know the word would open its window: give it little time.
    said=$(run timeout 20 "$prefix/bin/tallo-editor" --version)
    [ "$said" = "tallo-editor $version" ] || fail "installed tallo-editor --version says '$said'"
    rm -f "$install_dir/database/Master.dat"
    status=0
    run env TALLO_INSTALL_DIR="$install_dir" "$prefix/bin/tallo-editor" -master eng \
        >"$scratch/editor.log" 2>&1 || status=$?
    # The editor ends with status 1 on every road; its work shows in the file it wrote.
    if [ $status -ne 1 ] || [ ! -s "$install_dir/database/Master.dat" ]; then
        cat "$scratch/editor.log" >&2
        fail "installed tallo-editor -master eng: status $status, Master.dat $(
            [ -s "$install_dir/database/Master.dat" ] && echo written || echo missing)"
    elif ! cmp -s "$install_dir/database/Master.dat" "$scratch/tallo-db-Master.dat"; then
        fail "the editor's Master.dat differs from tallo-db build's"
    fi
fi

if [ $failures -ne 0 ]; then
    echo "$failures failures" >&2
    exit 1
fi
echo "installed programs in $prefix: all checks passed"
