# Set-up and build for Debian and Ubuntu: `make run` and `make test` install what is
# missing, build into build/ and run the program or the whole test suite.

BUILD_DIR    := build
SANITIZE_DIR := build-sanitize
JOBS         := $(shell nproc 2>/dev/null || echo 2)
PACKAGES     := cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation2 libcli11-dev nlohmann-json3-dev
FUZZ_PACKAGES := clang libclang-rt-14-dev
SUDO         := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
# The browser page: the core through Debian's emscripten, tested in Debian's Chromium.
WEB_DIR      := build-web
WEB_PACKAGES := emscripten chromium
# Debian's emcc finds Debian's acorn only through NODE_PATH.
EMSCRIPTEN_ENV := NODE_PATH=/usr/share/nodejs
MMS_SETUP_CLI ?= $(abspath $(BUILD_DIR)/cli/mms-setup-cli)

.PHONY: all deps build sanitize-build run test test-web web fuzz bench bench-web clean

all: build

# Installs only the Debian packages that are missing.
deps:
	@command -v dpkg-query >/dev/null || { echo "Not a Debian system: install $(PACKAGES) by hand."; exit 0; }; \
	missing=""; \
	for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The same suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-build: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DMMS_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)

# Opens the desktop program; without a display, says how to use the command-line
# companion instead.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to open mms-setup on; use the command-line companion instead, e.g. $(BUILD_DIR)/cli/mms-setup-cli camera --out DIR"; \
	else \
	  $(BUILD_DIR)/app/mms-setup; \
	fi

test: build sanitize-build test-web
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# Builds $(WEB_DIR)/web/mms-setup.html, the self-contained page.
web:
	$(MAKE) deps EXTRA_PACKAGES="$(WEB_PACKAGES)"
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_DIR) -DCMAKE_BUILD_TYPE=Release
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_DIR) -j $(JOBS)

# The page's test tools, as package-lock.json pins them.
node_modules/.package-lock.json: package-lock.json
	@command -v npm >/dev/null || $(MAKE) deps EXTRA_PACKAGES="nodejs npm"
	npm ci --no-audit --no-fund

# The page driven in headless Chromium, compared with the command line's bytes.
test-web: web build node_modules/.package-lock.json
	MMS_PAGE=$(abspath $(WEB_DIR)/web/mms-setup.html) MMS_SETUP_CLI=$(MMS_SETUP_CLI) \
	  node --test --test-concurrency=1 tests/web/

# Coverage-guided fuzzing of the settings-file decoders with libFuzzer (FUZZ_SECONDS, default 60).
FUZZ_SECONDS ?= 60
fuzz:
	$(MAKE) deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DMMS_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_decoders
	mkdir -p build-fuzz/corpus
	build-fuzz/tests/fuzz_decoders build-fuzz/corpus -max_total_time=$(FUZZ_SECONDS) -max_len=2048

bench: build
	$(MAKE) deps EXTRA_PACKAGES="xvfb"
	bench/run.sh $(BUILD_DIR)

# The page's size and its time until ready against a static page with one form.
bench-web: web node_modules/.package-lock.json
	node bench/page.mjs $(WEB_DIR)/web/mms-setup.html

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) build-fuzz $(WEB_DIR) node_modules
