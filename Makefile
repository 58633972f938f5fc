# The two commands of the README, plus a few conveniences. Each sets up what it needs.
BUILD   ?= build
JOBS    ?= $(shell nproc)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Debian packages for building, testing and running (see README).
PACKAGES := cmake ninja-build g++ make libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev libsqlite3-dev sqlite3 srecord binutils poppler-utils \
            xvfb xdotool qt6-translations-l10n

.PHONY: deps configure build test sanitize demo demo-display bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same tests built with the address and undefined-behaviour sanitizers in a folder of their
# own; any undefined behaviour stops the test, leaks are reported when a program ends.
SANITIZE_BUILD := build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
# Under the sanitizers GCC's flow analysis takes members of the standard library's regex states
# (which the test framework includes) for uninitialised: false alarms in system headers.
SANITIZE_WARNINGS := -Wno-maybe-uninitialized
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DBUILD_BENCHMARKS=OFF \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS) $(SANITIZE_WARNINGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	    -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan.supp \
	    ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

# Both programs, the demo project made anew, the editor opened on the panel (the person leaves
# it by Ctrl+Q or the close box), then the project as the bus tool keeps it.
DEMO := $(BUILD)/demo
demo: demo-display configure
	cmake --build $(BUILD) -j $(JOBS) --target bustool pultor
	rm -rf $(DEMO) && mkdir -p $(DEMO)
	$(BUILD)/bin/bustool init --demo $(DEMO)/project.db
	$(BUILD)/bin/bustool run $(DEMO)/project.db --timeout 600 "edit 1.1.1"
	$(BUILD)/bin/bustool show $(DEMO)/project.db

demo-display:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make demo shows the editor's window: no DISPLAY or WAYLAND_DISPLAY is set."; \
	    exit 1; fi

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
