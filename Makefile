# Tavrin: `make run` starts the portable program under Wine, `make test` runs every test
# of both presets, `make bench` runs the benchmarks, `make release` packs the zip users
# download, `make proof` runs the long proofs (tools/proof). Missing Debian packages are
# installed first (as root) or named with the command that installs them.

WINDOWS_BUILD ?= build/windows
HOST_BUILD ?= build/host
PORTABLE_DIR ?= build/portable
# Where `make release` puts tavrin-<version>-win-x64.zip and its SHA256SUMS.
RELEASE_DIR ?= build
# Wine names the user after the Unix account: the portable data folder's default.
SAMPLE_DATA_DIR ?= $(PORTABLE_DIR)/data/$(shell id -un)
# Holds the CTestTestfile.cmake that joins the tests of both presets.
TEST_ROOT ?= build
JOBS ?= 2
# cmake --build runs make again: keep its output free of directory notices.
MAKEFLAGS += --no-print-directory

PACKAGES := cmake make g++ clang libclang-rt-14-dev clang-16 libclang-rt-16-dev \
	googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev rapidjson-dev \
	g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth \
	fonts-ipafont-gothic fonts-wine imagemagick

.PHONY: help deps configure-windows configure-host run test bench release proof

help:
	@echo "make run    build tavrin.exe, assemble $(PORTABLE_DIR) (sample data when it has none) and start it under Wine"
	@echo "make test   build both presets and run all their tests"
	@echo "make bench  build and run the benchmarks (host, and the window toolkit's under Wine)"
	@echo "make release  pack $(RELEASE_DIR)/tavrin-<version>-win-x64.zip and its SHA256SUMS"
	@echo "make proof  the long proofs (tools/proof): killed saves, fuzzing, damaged files, long use"
	@echo "make deps   install the Debian packages the build needs"

deps:
	@tools/install-deps $(PACKAGES)

configure-windows: deps
	cmake --preset windows -B $(WINDOWS_BUILD) -DTAVRIN_PORTABLE_DIR=$(abspath $(PORTABLE_DIR)) \
		-DTAVRIN_RELEASE_DIR=$(abspath $(RELEASE_DIR))

configure-host: deps
	cmake --preset host -B $(HOST_BUILD)

run: configure-windows
	cmake --build $(WINDOWS_BUILD) -j$(JOBS) --target portable
	@if [ ! -e $(SAMPLE_DATA_DIR)/items.dvk ] && [ ! -e $(SAMPLE_DATA_DIR)/groups.dvk ]; then \
		mkdir -p $(SAMPLE_DATA_DIR) && cp sample/items.dvk sample/groups.dvk $(SAMPLE_DATA_DIR)/ && \
		echo "Sample items and groups put into $(SAMPLE_DATA_DIR)"; \
	fi
	tools/run-on-screen $(PORTABLE_DIR)/tavrin.exe

test: configure-windows configure-host
	@rm -f $(TEST_ROOT)/ctest-summary.txt
	cmake --build $(HOST_BUILD) -j$(JOBS)
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)
	tools/run-tests $(TEST_ROOT) $(HOST_BUILD) $(WINDOWS_BUILD)

bench: configure-host configure-windows
	cmake --build $(HOST_BUILD) -j$(JOBS) --target drevak_bench itemlist_bench commandsearch_bench datasync_bench
	cmake --build $(WINDOWS_BUILD) -j$(JOBS) --target window_bench startup_bench bare_window \
		bare_window_libraries portable
	$(HOST_BUILD)/bench/drevak_bench
	$(HOST_BUILD)/bench/itemlist_bench
	$(HOST_BUILD)/bench/commandsearch_bench
	$(HOST_BUILD)/bench/datasync_bench
	tools/wine-run $(WINDOWS_BUILD)/bench/windows/window_bench.exe
	tools/wine-run $(WINDOWS_BUILD)/bench/windows/startup_bench.exe $(PORTABLE_DIR)/tavrin.exe \
		$(WINDOWS_BUILD)/bench/windows/bare_window.exe \
		$(WINDOWS_BUILD)/bench/windows/bare_window_libraries.exe

release: configure-windows
	cmake --build $(WINDOWS_BUILD) -j$(JOBS) --target release

# Hours, not minutes: never part of `make test` or .ci/run.
proof: configure-host configure-windows
	HOST_BUILD=$(HOST_BUILD) WINDOWS_BUILD=$(WINDOWS_BUILD) JOBS=$(JOBS) tools/proof
