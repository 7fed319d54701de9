#!/bin/sh
# The house checks on every submission: formatting, cppcheck and the layers of src. Quiet when
# clean.
set -e
cd "$(dirname "$0")/.."
files=$(git ls-files 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' \
    'tools/*.cpp')
clang-format --dry-run -Werror $files
cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability \
    --inline-suppr --std=c++17 --language=c++ -I src -D_WIN32 \
    --suppress=missingIncludeSystem src
tools/check-layers.sh
