# The two commands a newcomer needs: `make run` and `make test`.
# Both install missing Debian packages first, then configure and build.
.PHONY: all deps build run test sanitize bench clean

JOBS ?= $(shell nproc)

all: build

deps:
	@scripts/install-deps

build/default/build.ninja: | deps
	@cmake --preset default >/dev/null

build: deps build/default/build.ninja
	@cmake --build --preset default -j $(JOBS)

# Until the calendar program exists this prints today's page in the terminal.
run: build
	@build/default/tools/velmora-cal/velmora-cal

test: build
	@ctest --preset default -j $(JOBS)

sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	@ctest --preset sanitize -j $(JOBS)

bench: build
	@build/default/bench/velmora-bench

clean:
	rm -rf build
