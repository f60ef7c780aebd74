# Kelpora's front door: every command a developer or CI needs.
#
#   make run     install what the build needs, build (release) and start the aquarium
#   make build   the same without starting it
#   make test    build everything and run the whole suite, then the unit and render tests
#                again under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench   frame time and start-up time offscreen, each element on the plain path and with the
#                frame's levers, then the real window under Xvfb on both
#
# Packages are installed with apt-get (through sudo when not root) only when one is missing.

BUILD_DIR   ?= build
ASAN_DIR    ?= build-asan
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)

# What the program and its build-time generators need; the help text wants a bold sans-serif face.
BUILD_PACKAGES := cmake g++ make pkg-config libwxgtk3.2-dev libgl-dev libglu1-mesa-dev libosmesa6-dev \
                  libfreetype-dev libfontconfig-dev fonts-dejavu-core libsdl2-mixer-dev libcairo2-dev \
                  libgtest-dev libbenchmark-dev
# What the tests need on top: a private X server, input and screenshots, sound statistics.
TEST_PACKAGES  := xvfb xauth x11-utils xdotool imagemagick sox

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all run build test bench deps test-deps configure clean

all: build

deps:
	@bash tools/ensure-packages $(BUILD_PACKAGES)

test-deps:
	@bash tools/ensure-packages $(BUILD_PACKAGES) $(TEST_PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/kelpora

test: test-deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 600
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DKELPORA_SANITIZE=ON -DKELPORA_BUILD_APP=OFF >/dev/null
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && ctest --output-on-failure --timeout 900 -L 'unit|render'

bench: build test-deps
	./$(BUILD_DIR)/kelpora_bench
	bash bench/window_bench.sh ./$(BUILD_DIR)/kelpora

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
