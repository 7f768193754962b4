# Thin wrappers over CMake. `make run` and `make test` install what is missing first.
# `make snapshots SCENES="pictures storyart"` renders only the named scenes.
JOBS ?= $(shell nproc)

.PHONY: all deps run test bench snapshots levels clean install uninstall soak fuzz autoplay

# Where `make install` puts the game; DESTDIR stages it elsewhere (packages).
PREFIX ?= /usr/local

# `make run` builds only the game and its data; the tools, tests and benchmarks are built
# by the targets that use them.
RELEASE = cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null && cmake --build build-release -j $(JOBS)

all: deps
	$(RELEASE) --target morgavelle

deps:
	@scripts/install-deps

run: all
	cd build-release && ./morgavelle

# The test build runs with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORGAVELLE_SANITIZE=ON >/dev/null
	cmake --build build -j $(JOBS)
	cd build && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

bench: all
	$(RELEASE)
	@for b in build-release/bench_*; do echo "== $$b"; (cd build-release && ./$$(basename $$b)) || exit 1; done

# The monkey soak: a million frames of random input over every screen, under the sanitizers,
# from four fixed seeds. A failure prints the seed and frame to replay.
SOAKFRAMES ?= 250000
SOAKSEEDS ?= 1 2 3 4
soak: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORGAVELLE_SANITIZE=ON >/dev/null
	cmake --build build -j $(JOBS) --target soak
	cd build && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 ./soak $(SOAKFRAMES) $(SOAKSEEDS)

# The whole adventure played by machine, first start to the ending, under the sanitizers.
autoplay: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORGAVELLE_SANITIZE=ON >/dev/null
	cmake --build build -j $(JOBS) --target autoplay
	cd build && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 ./autoplay

# Every loader fuzzed for FUZZTIME seconds from the real files (libFuzzer where clang has it).
FUZZTIME ?= 60
fuzz: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORGAVELLE_SANITIZE=ON >/dev/null
	cmake --build build -j $(JOBS) --target data fuzzloop
	JOBS=$(JOBS) scripts/fuzz $(FUZZTIME)

snapshots: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORGAVELLE_SANITIZE=ON >/dev/null
	cmake --build build -j $(JOBS) --target snapshot
	cd build && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ./snapshot snapshots $(SCENES)
	@echo "snapshots written to build/snapshots/"

# Plays every level over LEVELDEALS deals with both players and rewrites
# content/levels/report.md; the perfect player searches at most LEVELBUDGET positions a deal.
# The full run takes hours on two cores: `make levels LEVELDEALS=60 LEVELBUDGET=300000` is
# the shorter one the report in the repository comes from (its last line names the figures).
LEVELDEALS ?= 1000
LEVELBUDGET ?= 2000000
levels: all
	$(RELEASE) --target levelcheck
	./build-release/levelcheck build-release $(LEVELDEALS) $(LEVELBUDGET) content/levels/report.md

# The program, its data, the launcher, icons, metainfo with screenshots, and the manual page.
# The manifest in build-release lists every file, for `make uninstall`.
install: all
	$(RELEASE)
	DESTDIR="$(DESTDIR)" cmake --install build-release --prefix "$(PREFIX)"

uninstall:
	DESTDIR="$(DESTDIR)" scripts/uninstall build-release/install_manifest.txt

clean:
	rm -rf build build-release build-fuzz
