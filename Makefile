# make play: install what is missing, build the game, start it.
# make test: install what is missing, build everything, run every test, then again under
#            AddressSanitizer and UndefinedBehaviorSanitizer.
# make bench: a Release build of its own, then the speed and memory figures (medians).
# make package: the Debian package of the game.
# make soak: a thousand seeded five-year games of random play, every rule checked each step.
# make fuzz: install clang, build the fuzz targets and run each for FUZZ_SECONDS.
# make windows: cross-build the game core, zelvo-headless.exe and the unit tests for Windows.
# make test-windows: make windows, then every Windows test under Wine.
# make windows-zip: make windows, then the download, build-windows/zelvo-VERSION-windows-x64.zip.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
RELEASE_BUILD ?= build-release
WINDOWS_BUILD ?= build-windows
BENCH_RUNS ?= 5
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# The player's games, settings and statements: outside the build, so cleaning it loses none.
PLAYDIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/zelvo
# What playing needs: the game, its sounds, and the headless runner beside it.
GAME_TARGETS = zelvo zelvo-headless sounds

# The fuzz targets, each run for FUZZ_SECONDS (clang and libFuzzer, in build-fuzz/).
FUZZ_SECONDS ?= 120

.PHONY: play test bench build configure package soak fuzz windows test-windows windows-zip clean

configure:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

play:
	@scripts/install-deps --play
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j$(JOBS) --target $(GAME_TARGETS)
	@scripts/keep-old-games $(BUILD) "$(PLAYDIR)"
	$(BUILD)/zelvo --dir "$(PLAYDIR)"

build:
	@scripts/install-deps
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZELVO_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j$(JOBS)

# Never part of `make test`: figures are only worth something from an optimised build on a
# quiet machine.
bench:
	@scripts/install-deps
	@cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(RELEASE_BUILD) -j$(JOBS) --target zelvo zelvo-headless sounds zelvo_bench zelvo-busy-save
	@bench/run-benchmarks $(RELEASE_BUILD) $(BENCH_RUNS)

# The Debian package, zelvo_VERSION_ARCH.deb in the build folder.
package:
	@scripts/install-deps --package
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j$(JOBS) --target $(GAME_TARGETS) manpages
	cd $(BUILD) && cpack

# SOAK_SEEDS=N plays another number of games.
SOAK_SEEDS ?= 1000
soak: build
	BUILD=$(BUILD) scripts/soak $(SOAK_SEEDS) $(JOBS)

fuzz:
	@scripts/install-deps --fuzz
	@JOBS=$(JOBS) scripts/fuzz $(FUZZ_SECONDS)

# Windows, cross-built with mingw-w64: the .exe files need no DLL beside them. The sounds are
# those the Linux build synthesises, copied beside the programs as a portable game has them.
windows:
	@scripts/install-deps --windows
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j$(JOBS) --target sounds
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j$(JOBS)
	@rm -rf $(WINDOWS_BUILD)/sounds && cp -r $(BUILD)/sounds $(WINDOWS_BUILD)/sounds

# Every Windows test under Wine, in a Wine folder made afresh in the build folder: the unit
# tests, every transcript against the same expected files as on Linux, and the determinism
# game against the same digest.
test-windows: windows
	rm -rf $(WINDOWS_BUILD)/wine
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j$(JOBS)

# What a Windows player downloads: unzipped anywhere, it is the whole game.
windows-zip: windows
	@scripts/make-windows-zip $(WINDOWS_BUILD)

# The build folders only: the player's folder is never touched.
clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(RELEASE_BUILD) $(WINDOWS_BUILD) build-fuzz
