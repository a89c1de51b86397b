#!/bin/sh
# Configures and builds everything into build/ (the program folder is build/program).
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
