#!/bin/sh
# Speed and memory of Tarnwick under Wine against the bare platform calls: bench.sh [build-dir]
# Builds the benchmark programs (Release), makes the file trees from the Linux side in the Wine
# prefix's drive C:, runs engine and floor alternately and prints the medians as a table.
# BENCH_RUNS (default 5), BENCH_RENAME_RUNS (default 3), BENCH_CASE_RUNS (default 2; even, so
# that each side changes the letter case both ways equally often) and BENCH_UNDO_RUNS (default 2;
# even, so that the undo goes both ways equally often and the tree ends as it began) and
# BENCH_FORMAT_RUNS (default 41) and BENCH_MILLION_RUNS (default 3; the million files) set the
# runs of each side. BENCH_ROWS (default: all) names the rows to run, separated by blanks:
# collect10k collect100k tree100k tree1m rename10k rename100k case10k undo10k undo100k scripts
# preview100k preview300k.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench-win}
runs=${BENCH_RUNS:-5}
renameRuns=${BENCH_RENAME_RUNS:-3}
caseRuns=${BENCH_CASE_RUNS:-2}
undoRuns=${BENCH_UNDO_RUNS:-2}
formatRuns=${BENCH_FORMAT_RUNS:-41}
millionRuns=${BENCH_MILLION_RUNS:-3}
rows=${BENCH_ROWS:-collect10k collect100k tree100k tree1m rename10k rename100k case10k undo10k
    undo100k scripts preview100k preview300k}
cd "$root"

# True when one of the rows given is to run.
row() {
    for wanted in $rows; do
        for given in "$@"; do [ "$wanted" = "$given" ] && return 0; done
    done
    return 1
}

[ -f "$build/build.ninja" ] ||
    cmake --preset windows -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target engine_bench preview_bench -- --quiet
build=$(cd "$build" && pwd)

WINEPREFIX="$build/wineprefix"
. "$root/tools/wine-env.sh"
wine_session

# The trees the rows ask for: 10,000, 100,000 and 300,000 files in one folder, 100,000 and
# 1,000,000 files in 1,000 folders, and 10,000 files with capital letters in one folder.
trees="$WINEPREFIX/drive_c/tarnwick-bench"
echo "Making the trees in $trees ..."
rm -rf "$trees"
mkdir -p "$trees"
files() { mkdir "$trees/$1" && (cd "$trees/$1" && seq -f "$2" "$3" "$4" | xargs touch); }
inFolders() {
    mkdir "$trees/$1" && (cd "$trees/$1" && seq -f 'album_%04.0f' 1 1000 | xargs mkdir &&
        awk -v n="$2" 'BEGIN { for (d = 1; d <= 1000; d++) for (f = 100001; f <= 100000 + n; f++)
                                   printf "album_%04d/%d.jpg\n", d, f }' | xargs touch)
}
! row collect10k rename10k undo10k || files one10k '%.0f.jpg' 100001 110000
! row case10k || files case10k 'IMG_%05.0f.JPG' 1 10000
! row collect100k preview100k || files one100k '%.0f.jpg' 100001 200000
! row preview300k || files one300k '%.0f.jpg' 100001 400000
! row tree100k rename100k undo100k || inFolders tree100k 100
! row tree1m || inFolders tree1m 1000

engine() { "$WINE" "$build/engine_bench.exe" "$@"; }
preview() { "$WINE" "$build/preview_bench.exe" "$@"; }
log="$build/bench.log"
: >"$log"
{
    echo
    echo "Tarnwick under $("$WINE" --version), $(nproc) cores; medians; engine and floor alternately."
    echo "Collection: $runs runs each, $((runs * 5)) for 10,000 files (collect + sort + format,"
    echo "numbering on, against a bare FindFirstFileA/FindNextFileA walk). Renaming: $renameRuns runs"
    echo "each (renameAll against a bare MoveFileExA loop over the same names, both directions"
    echo "alternately); a change of letter case alone: $caseRuns runs each, against two bare renames"
    echo "per file through a temporary name."
    echo "Undo: $undoRuns runs (the undo of a Rename against two Renames of the same files, both"
    echo "directions alternately; for 100,000 files with two earlier Renames held beneath it)."
    echo "Formatting in UTF-8: $formatRuns runs each (100,000 names in several scripts against as"
    echo "many ASCII names of the same character counts, every operation on)."
    echo "Goals: ratio <= 1.1 for collection, renaming, undoing and formatting; the"
    echo "million files in at most 10 times the time of the 100,000 in 1,000 folders; the Preview"
    echo "dialog open in at most 1.1 of its floor (medians of three, alternately with its floor: a bare"
    echo "edit control of the same styles and font, given the whole text in one call) and the whole"
    echo "process under 200 MB at its peak."
    echo
    echo "| Measurement                                                         | Tarnwick s|   Floor s | Ratio |"
    echo "|---------------------------------------------------------------------|-----------|-----------|-------|"
} >"$build/bench.table"
# The row of 10,000 files takes a twentieth of a second a run: five times the runs steady its median.
! row collect10k || engine collect 'C:\tarnwick-bench\one10k' 0 "$((runs * 5))" \
    "Collect 10,000 files, one folder, mask *.jpg" '*.jpg' >>"$build/bench.table" 2>>"$log"
! row collect100k || engine collect 'C:\tarnwick-bench\one100k' 0 "$runs" \
    "Collect 100,000 files, one folder, mask *.jpg" '*.jpg' >>"$build/bench.table" 2>>"$log"
! row tree100k || engine collect 'C:\tarnwick-bench\tree100k' 1 "$runs" \
    "Collect 100,000 files, 1,000 folders" >>"$build/bench.table" 2>>"$log"
! row tree1m || engine collect 'C:\tarnwick-bench\tree1m' 1 "$millionRuns" \
    "Collect 1,000,000 files, 1,000 folders" >>"$build/bench.table" 2>>"$log"
! row rename10k || engine rename 'C:\tarnwick-bench\one10k' 0 "$renameRuns" \
    "Rename 10,000 files, one folder" >>"$build/bench.table" 2>>"$log"
! row rename100k || engine rename 'C:\tarnwick-bench\tree100k' 1 "$renameRuns" \
    "Rename 100,000 files, 1,000 folders" >>"$build/bench.table" 2>>"$log"
! row case10k || engine case 'C:\tarnwick-bench\case10k' 0 "$caseRuns" \
    "Change the letter case of 10,000 files" >>"$build/bench.table" 2>>"$log"
! row undo10k || engine undo 'C:\tarnwick-bench\one10k' 0 "$undoRuns" \
    "Undo the renaming of 10,000 files, one folder" >>"$build/bench.table" 2>>"$log"
! row undo100k || engine undo 'C:\tarnwick-bench\tree100k' 1 "$undoRuns" \
    "Undo the renaming of 100,000 files, 1,000 folders, two earlier Renames held" 2 \
    >>"$build/bench.table" 2>>"$log"
! row scripts || engine scripts 100000 100 "$formatRuns" \
    "Format 100,000 names in several scripts (UTF-8), every operation on" \
    >>"$build/bench.table" 2>>"$log"
! row preview100k || preview 'C:\tarnwick-bench\one100k' "Preview dialog, 100,000 entries" \
    >>"$build/bench.table" 2>>"$log"
! row preview300k || preview 'C:\tarnwick-bench\one300k' "Preview dialog, 300,000 entries" \
    >>"$build/bench.table" 2>>"$log"
tr -d '\r' <"$build/bench.table"
echo
echo "Single runs (seconds):"
tr -d '\r' <"$log"
rm -rf "$trees"
