# The two commands of the README: `make run` and `make test`. Both install what is missing first;
# `make run` builds only the program it starts.
SHELL := /bin/sh
HOST := build/host
WIN := build/windows

.PHONY: run test check dist deps build build-host build-windows clean screenshot

run:
	@if [ -z "$$DISPLAY" ]; then \
	  echo "No X display: run 'make run' from a desktop session, or set DISPLAY (for example: xvfb-run make run)."; \
	  exit 1; fi
	@$(MAKE) --no-print-directory deps
	@tools/build.sh windows $(WIN) tarnwick
	@tools/run-windows.sh $(WIN) $(WIN)/tarnwick.exe

test: deps build
	@status=0; \
	tools/check-sources.sh || status=1; \
	ctest --test-dir $(HOST) --output-on-failure -j2 || status=1; \
	tools/test-windows.sh $(WIN) -j2 || status=1; \
	exit $$status

# Formatting and cppcheck over the sources (also part of `make test`).
check: deps
	@tools/check-sources.sh

# dist/tarnwick-<version>-win64.zip and dist/tarnwick-<version>-x64.msi: the stripped program,
# README and LICENSE, as a portable copy and as a Windows Installer package.
dist: deps build-windows
	@tools/dist.sh $(WIN)
	@tools/msi.sh $(WIN)

# The pictures of the README: the Main dialog, the Preview dialog with names in several scripts,
# and the four dialogs at 144 DPI.
screenshot: deps build-windows
	@tools/screenshot.sh $(WIN) docs/main-dialog.png

deps:
	@tools/install-deps.sh

build: build-host build-windows

build-host:
	@tools/build.sh host $(HOST)

build-windows:
	@tools/build.sh windows $(WIN)

clean:
	rm -rf build

# ---- Proof at scale: benchmarks, the long no-loss run and the fuzzer ----
.PHONY: bench fuzz no-loss mutants

# Speed and memory under Wine against the bare platform calls (about ten minutes).
bench: deps
	@tools/bench.sh build/bench-win

# The names fuzzer of the host build for FUZZ_SECONDS (default ten minutes).
fuzz: deps build-host
	@fuzz/run-fuzz.sh $(HOST)/fuzz $${FUZZ_SECONDS:-600}

# The randomized no-file-lost test with NO_LOSS_ROUNDS rounds (default 20000) instead of the 2000 of CI.
no-loss: deps build-windows
	@TARNWICK_NO_LOSS_ROUNDS=$${NO_LOSS_ROUNDS:-20000} TARNWICK_NO_LOSS_SECONDS=86400 \
	  tools/wine-run.sh $(WIN)/win_tests.exe --gtest_filter='NoLoss*'

# Faults put into the platform-free code on purpose, and how many of them the host tests notice:
# a sample of MUTANTS_SAMPLE (default 300) drawn with a fixed seed (MUTANTS_SEED); the survivors
# and the score are printed. About ten minutes; not part of `make test`.
mutants: deps
	@python3 tools/mutants.py --sample $${MUTANTS_SAMPLE:-300} --seed $${MUTANTS_SEED:-2024}
