# Set-up, build, run and test on Debian 12. Every target installs what is missing first.

PACKAGES := cmake g++ make pkg-config qtbase5-dev qtmultimedia5-dev libqt5multimedia5-plugins \
	gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav \
	gstreamer1.0-plugins-ugly espeak-ng xdg-utils libcurl4-openssl-dev libjsmn-dev libsqlite3-dev fonts-liberation2 \
	desktop-file-utils appstream xvfb xauth xdotool clang libfuzzer-14-dev python3 \
	qttools5-dev qttools5-dev-tools qttranslations5-l10n at-spi2-core dbus-daemon dbus-bin python3-pyatspi lintian
JOBS ?= 2
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps build run test soak test-sanitize fuzz bench install package format clean default-dictionary

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		if [ "$$(id -u)" = 0 ]; then \
			echo "Installing:$$missing"; \
			apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing || exit 1; \
		else \
			echo "Quillora needs these Debian packages. Install them as root, then run make again:"; \
			echo "  sudo apt-get install$$missing"; \
			exit 1; \
		fi; \
	fi

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build build -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "Quillora needs a graphical display and none is set (DISPLAY, WAYLAND_DISPLAY); without one, try: xvfb-run -a make run (Debian package xvfb)"; \
		exit 1; \
	fi
	./build/quillora

# Every test but the long soak of the main window, which has a target of its own.
test: build
	ctest --test-dir build --output-on-failure -j$(JOBS) -LE soak

soak: build
	ctest --test-dir build --output-on-failure -L soak
	@grep -h 'resident memory' build/Testing/Temporary/LastTest.log

# Into /usr/local, or PREFIX; DESTDIR as usual.
PREFIX ?= /usr/local
install: build
	cmake --install build --prefix "$(PREFIX)"

# A Debian package of the program, quillora_<version>_<arch>.deb, in build/.
package: build
	cd build && cpack -G DEB

# Speed figures, measured side by side in one run; each benchmark says its target.
bench: build
	cmake --build build --target bench

# The whole suite with AddressSanitizer and UndefinedBehaviorSanitizer, stopping at the first report.
test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLORA_SANITIZE=ON
	cmake --build build-sanitize -j$(JOBS)
	ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --test-dir build-sanitize --output-on-failure --stop-on-failure

# Every fuzz target in fuzz/, built with clang, ASan and UBSan, run for FUZZ_SECONDS each from its seeds and the
# corpus of earlier runs. Stops at the first finding, whose input is kept in build-fuzz/findings/.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := $(basename $(notdir $(wildcard fuzz/fuzz_*.cpp)))
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLORA_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS) --target fuzzers
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p build-fuzz/corpus/$$target build-fuzz/findings; \
		echo "== $$target, $(FUZZ_SECONDS) s"; \
		ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
			build-fuzz/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=build-fuzz/findings/$$target- build-fuzz/corpus/$$target fuzz/seeds/$$target \
			|| exit 1; \
	done

# Speaks tools/default-words.txt into the sample Default dictionary, which holds nothing else.
default-dictionary: build
	rm -f Default/*.wav
	./build/tools/quillora-make-dictionary --output Default tools/default-words.txt

format:
	find app progress widgets builder text words dictionaries settings statistics update platform tests tools fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null \
		| xargs -r clang-format -i

clean:
	rm -rf build build-sanitize build-fuzz
