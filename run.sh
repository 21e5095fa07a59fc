#!/usr/bin/env bash
# Builds rsa-demo (installing the build's packages first when any is missing)
# and starts it; the arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

ensure_packages
build_targets=(--target rsa-demo)
build_tree build
exec build/rsa-demo "$@"
