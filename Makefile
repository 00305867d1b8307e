# make play: install what is missing, build the game, start it.
# make test: install what is missing, build everything, run every test, then again under
#            AddressSanitizer and UndefinedBehaviorSanitizer.
# make soak: a thousand seeded five-year games of random play, every rule checked each step.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# The player's games, settings and statements: outside the build, so cleaning it loses none.
PLAYDIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/zelvo
# What playing needs: the game, its sounds, and the headless runner beside it.
GAME_TARGETS = zelvo zelvo-headless sounds

.PHONY: play test build configure soak clean

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

# SOAK_SEEDS=N plays another number of games.
SOAK_SEEDS ?= 1000
soak: build
	BUILD=$(BUILD) scripts/soak $(SOAK_SEEDS) $(JOBS)

# The build folders only: the player's folder is never touched.
clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
