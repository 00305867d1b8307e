# make play: install what is missing, build the game, start it.
# make test: install what is missing, build everything, run every test, then again under
#            AddressSanitizer and UndefinedBehaviorSanitizer.
# make fuzz: install clang, build the fuzz targets and run each for FUZZ_SECONDS.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# The player's games, settings and statements: outside the build, so cleaning it loses none.
PLAYDIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/zelvo
# What playing needs: the game, its sounds, and the headless runner beside it.
GAME_TARGETS = zelvo zelvo-headless sounds

# The fuzz targets, each run for FUZZ_SECONDS (clang and libFuzzer, in build-fuzz/).
FUZZ_SECONDS ?= 120

.PHONY: play test build configure clean fuzz

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

fuzz:
	@scripts/install-deps --fuzz
	@JOBS=$(JOBS) scripts/fuzz $(FUZZ_SECONDS)

# The build folders only: the player's folder is never touched.
clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-fuzz
