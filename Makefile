# Set-up and build for Debian and Ubuntu: `make run` and `make test` install what is
# missing, build into build/ and run the program or the whole test suite. Each build
# is a preset of CMakePresets.json, named after its folder.

BUILD_DIR    := build
SANITIZE_DIR := build-sanitize
JOBS         := $(shell nproc 2>/dev/null || echo 2)
PACKAGES     := cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation2 libcli11-dev nlohmann-json3-dev
# The tools the packaging tests run: the menu entry's and the metadata's validators,
# dpkg-shlibdeps (with file, which CPack needs to find the programs), groff for the
# manual pages and lintian.
PACKAGES     += desktop-file-utils appstream dpkg-dev file groff-base lintian
# libclang-rt-dev brings the fuzzer runtime of Debian's default clang.
FUZZ_PACKAGES := clang libclang-rt-dev
SUDO         := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
# The browser page: the core through Debian's emscripten, tested in Debian's Chromium.
WEB_DIR      := build-web
WEB_PACKAGES := emscripten chromium
MMS_SETUP_CLI ?= $(abspath $(BUILD_DIR)/cli/mms-setup-cli)

.PHONY: all deps build sanitize-build run test test-web web fuzz bench bench-web package clean

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
	cmake --preset native
	cmake --build --preset native -j $(JOBS)

# The same suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-build: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)

# Opens the desktop program; without a display, says how to use the command-line
# companion instead.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to open mms-setup on; use the command-line companion instead, e.g. $(BUILD_DIR)/cli/mms-setup-cli camera --out DIR"; \
	else \
	  $(BUILD_DIR)/app/mms-setup; \
	fi

# The native build's suite includes the packaging tests (label "packaging"): the
# installed files, the menu entry and metadata, the manual pages, the completion and
# the Debian package.
test: build sanitize-build test-web
	ctest --preset native -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# $(BUILD_DIR)/mms-setup_VERSION_ARCH.deb, for `sudo apt install ./$(BUILD_DIR)/mms-setup_*.deb`.
package: build
	cmake --build --preset native --target package

# Builds $(WEB_DIR)/web/mms-setup.html, the self-contained page.
web:
	$(MAKE) deps EXTRA_PACKAGES="$(WEB_PACKAGES)"
	cmake --preset web
	cmake --build --preset web -j $(JOBS)

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
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus
	build-fuzz/tests/fuzz_decoders build-fuzz/corpus -max_total_time=$(FUZZ_SECONDS) -max_len=2048

bench: build
	bench/run.sh $(BUILD_DIR)

# The page's size and its time until ready against a static page with one form.
bench-web: web node_modules/.package-lock.json
	node bench/page.mjs $(WEB_DIR)/web/mms-setup.html

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) build-fuzz $(WEB_DIR) node_modules
