#!/usr/bin/env bash
# Installs the build into a scratch prefix with `cmake --install --prefix` and checks the
# installed programs there (tests/install/installed_programs_check.sh).
#   install_test.sh BUILD_DIR SCRATCH VERSION WITH_EDITOR(0|1)
set -uo pipefail

build_dir=$1 scratch=$2 version=$3 with_editor=$4
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$scratch"
mkdir -p "$scratch"
if ! cmake --install "$build_dir" --prefix "$scratch/prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log" >&2
    echo "FAIL: cmake --install failed (is everything built?)" >&2
    exit 1
fi
bash "$here/installed_programs_check.sh" "$scratch/prefix" "$scratch/run" "$version" "$with_editor"
status=$?
# Keep the scratch folder for a look after a failure only.
[ $status -eq 0 ] && rm -rf "$scratch"
exit $status
