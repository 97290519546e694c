# Quick start: `make run` and `make test`. Both install what is missing from Debian first.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make qt6-base-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev \
           libbenchmark-dev xvfb xauth \
           dpkg-dev file desktop-file-utils shared-mime-info povray clang libclang-rt-14-dev
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)
EXAMPLE ?= $(BUILD)/examples/house.lgo

.PHONY: all deps configure build run test screenshot bench sanitize-build sanitize fuzz clean \
        install uninstall package

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/brikolo ]; then \
	  $(BUILD)/brikolo $(abspath $(EXAMPLE)); \
	else \
	  $(BUILD)/brikolo-cli render $(EXAMPLE) $(BUILD)/house.png --shading && \
	  echo "Picture written to $(BUILD)/house.png"; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

screenshot: build
	tools/screenshot.sh $(BUILD) $(EXAMPLE)

bench: build
	$(BUILD)/bench/brikolo_bench --benchmark_min_time=0.2

# One clang build with AddressSanitizer and UndefinedBehaviorSanitizer serves
# both: the whole suite runs under the sanitizers, and the fuzz targets (built
# there with libFuzzer) run each for FUZZ_SECONDS on their committed corpus,
# FUZZ_JOBS at a time, from FUZZ_SEED (0: a new seed each run).
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= $(JOBS)
FUZZ_SEED ?= 0
export ASAN_OPTIONS ?= detect_leaks=1:strict_string_checks=1
export LSAN_OPTIONS ?= suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS ?= print_stacktrace=1
sanitize-build: deps
	@[ -f $(SANITIZE_BUILD)/CMakeCache.txt ] || cmake -S . -B $(SANITIZE_BUILD) \
	  -DCMAKE_CXX_COMPILER=clang++ -DBRIKOLO_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

sanitize: sanitize-build
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz: sanitize-build
	tools/run_fuzzers.sh $(SANITIZE_BUILD) $(FUZZ_SECONDS) $(FUZZ_JOBS) $(FUZZ_SEED)

# `make install PREFIX=/opt/brikolo`; DESTDIR=... stages the install elsewhere. The files
# installed are listed in $(BUILD)/installed-files.txt for `make uninstall`.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt > $(BUILD)/installed-files.txt

# Removes what the last `make install` put in place, and the folders of our own it leaves empty.
uninstall:
	@[ -f $(BUILD)/installed-files.txt ] || { echo "nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -f < $(BUILD)/installed-files.txt
	xargs -d '\n' -n1 dirname < $(BUILD)/installed-files.txt | grep '/brikolo\(/\|$$\)' | \
	  sort -ru | xargs -r -d '\n' rmdir --ignore-fail-on-non-empty
	rm $(BUILD)/installed-files.txt

# The Debian package, written to $(BUILD)/package/.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
