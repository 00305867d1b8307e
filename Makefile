# make play: install what is missing, build, start the game.
# make test: install what is missing, build, run every test, then again under
#            AddressSanitizer and UndefinedBehaviorSanitizer.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: play test build deps clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

play: build
	cd $(BUILD) && ./zelvo

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZELVO_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
