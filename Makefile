# The two commands a newcomer needs: `make run` and `make test`.
# Both install missing Debian packages first, then configure and build.
.PHONY: all deps build run today weather-server install-device test sanitize bench clean

JOBS ?= $(shell nproc)

all: build

deps:
	@scripts/install-deps

build/default/build.ninja: | deps
	@cmake --preset default >/dev/null

build: deps build/default/build.ninja
	@cmake --build --preset default -j $(JOBS)

# Starts the calendar (installing it into the device first); without a display it
# prints today and writes a screenshot.
run: build
	@scripts/run-calendar

# Starts the Today screen with the VelmoraToday item (installed with LichVelmora first); without a
# display it writes a screenshot. Arguments: make today ARGS="--page 1 --screen wvga".
today: build
	@scripts/run-today $(ARGS)

# Starts the weather server the Today item downloads from, on 127.0.0.1:8765 (the device's default).
# Offline: make weather-server ARGS="--fixture tools/velmora-weatherd/fixtures".
weather-server: build
	@build/default/tools/velmora-weatherd/velmora-weatherd $(ARGS)

# Installs LichVelmora into the device ($$VELMORA_DEVICE_ROOT or the default) without starting it.
install-device: build
	@build/default/app/shell/lichvelmora --install-only

test: build
	@ctest --preset default -j $(JOBS)

sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	@ctest --preset sanitize -j $(JOBS)

bench: build
	@build/default/bench/velmora-bench
	@build/default/bench/almanac-bench
	@build/default/bench/chart-bench

clean:
	rm -rf build
