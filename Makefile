# make run: install what is missing, build, play. make check: build and run the unit tests
# alone, in under a minute once built, for daily work. make test: install, build, run every test
# (the install tree and the Debian package are checked too), then the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short fuzzing run, the real program
# under Xvfb, one run under valgrind, the game in headless Chromium (make web-test) and the
# Windows build under Wine (make windows-test), and the portable Linux build in Debian 11, 12
# and 13 trees and under qemu-aarch64 (make linux-test). make install: install the game
# under PREFIX (DESTDIR honoured). make package: build the Debian package in $(BUILD).
BUILD ?= build
WEB_BUILD ?= build-web
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
CCACHE = $(shell command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths inside the clone are hashed relative to it, and the build folder's own path not at
# all, so that every build folder of every clone shares one compiler cache.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1
JOBS ?= $(shell nproc)
# A test that names no time limit of its own gets this one.
CTEST = ctest --output-on-failure --timeout 120
PACKAGES = cmake g++ make pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev \
           libgtest-dev libbenchmark-dev libgif-dev fonts-dejavu-core python3-fonttools \
           clang-14 libclang-rt-14-dev libx11-dev xvfb xdotool imagemagick valgrind ccache
# Speech: the client library's header (the library itself is opened only when speech is on),
# and for its test the service with its espeak-ng voice and audio plugins.
PACKAGES += libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng \
            speech-dispatcher-audio-plugins espeak-ng
# Packaging and its checks.
PACKAGES += dpkg-dev file desktop-file-utils appstream lintian
# The browser build and its tests. Debian's emcc needs Debian's node modules even when
# another node comes first in PATH; npm comes with some nodes, and from Debian otherwise.
# The libraries' -dev packages name the versions whose sources tools/thirdparty.sh builds.
WEB_PACKAGES = cmake make g++ dpkg-dev emscripten chromium nodejs python3 python3-fonttools \
               fonts-dejavu-core binaryen brotli xvfb webkit2gtk-driver python3-selenium \
               libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libfreetype-dev \
               $(shell command -v npm >/dev/null || echo npm)
WEB_ENV = NODE_PATH=/usr/share/nodejs
# The Windows build: MinGW-w64, Wine to run it, GoogleTest's sources to cross-build the tests.
WIN_BUILD ?= build-win
WIN_PACKAGES = g++-mingw-w64-x86-64-posix wine wine64 googletest dpkg-dev xvfb xdotool imagemagick
# The portable Linux build for x86-64 and arm64: clang against Debian 11 trees made by
# debootstrap, qemu to run the arm64 program here.
LINUX_BUILD ?= build-linux
LINUX_ARCHES = x86_64 aarch64
LINUX_PACKAGES = cmake make clang-14 lld binutils-aarch64-linux-gnu debootstrap debian-archive-keyring \
                 qemu-user qemu-user-static googletest dpkg-dev libsdl2-dev libsdl2-ttf-dev \
                 libsdl2-image-dev libfreetype-dev fonts-dejavu-core python3-fonttools \
                 xvfb xdotool imagemagick \
                 desktop-file-utils binutils util-linux libspeechd-dev
PREFIX ?= /usr/local
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps test-deps build run check test unit-tests asan-tests fuzz e2e valgrind bench measure art install \
        package clean windows-deps windows windows-test web-deps web serve web-test measure-web \
        linux-deps linux linux-test

all: build

# Installs whichever of the packages listed in $(1) are missing.
install_missing = @missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

deps:
	$(call install_missing,$(PACKAGES))

windows-deps:
	$(call install_missing,$(WIN_PACKAGES))

build: deps
	cmake -S . -B $(BUILD) $(CCACHE) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/epee

# The quick tier: the test suite less what is labelled long (the million random events, the
# walk through every door) or package (the install tree and the Debian package).
# It ends with its own time.
check: deps
	@started=$$(date +%s); \
	cmake -S . -B $(BUILD) $(CCACHE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null && \
	cmake --build $(BUILD) -j $(JOBS) --target epee_tests epee epee_record epee_shell_alone && \
	$(CTEST) --test-dir $(BUILD) -j $(JOBS) -LE 'long|package'; \
	status=$$?; echo "make check: $$(($$(date +%s) - started)) s"; exit $$status

# The whole proof in stages, each timed and within its limit (tools/stages.sh); it ends with
# the table of their times. The packages and the build come first; then two lanes side by
# side, each about half the time: the sanitizers, the fuzzers and valgrind keep a core busy,
# then the desktop's real-time quest; the browsers, Wine and the Debian trees mostly wait on
# the clock, and build their platforms between. A stage is "target:limit in seconds".
STAGE_LOGS ?= $(BUILD)/stages
FIRST_STAGES = test-deps:1200 build:1500
CORE_LANE = unit-tests:1200 asan-tests:2400 fuzz:900 valgrind:600 e2e:900
CLOCK_LANE = web-test:2400 windows-test:2400 linux-test:2400
test:
	MAKE="$(MAKE)" tools/stages.sh $(STAGE_LOGS) "$(FIRST_STAGES)" "$(CORE_LANE)" "$(CLOCK_LANE)"

# Every package the stages need, installed at once before they run side by side.
test-deps: deps web-deps windows-deps linux-deps

# Run by tools/stages.sh (STAGED set), a stage finds the build made before the lanes split
# instead of building it again beside another lane.
BUILT = $(if $(STAGED),,build)

unit-tests: $(BUILT)
	$(CTEST) --test-dir $(BUILD) -j $(JOBS)

asan-tests: deps
	cmake -S . -B $(ASAN_BUILD) $(CCACHE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEPEE_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target epee_tests epee_record epee epee_shell_alone
	$(CTEST) --test-dir $(ASAN_BUILD) -j $(JOBS) -LE package

# The game's fuzzer starts from the recorded games and keeps what it finds in
# $(FUZZ_BUILD)/corpus; the settings reader's fuzzer runs beside it, on the other core.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) $(CCACHE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DEPEE_FUZZ=ON -DEPEE_SANITIZE=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target epee_fuzz epee_fuzz_settings epee_replay
	rm -rf $(FUZZ_BUILD)/seeds && mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/settings-corpus
	$(FUZZ_BUILD)/epee_replay --seeds $(FUZZ_BUILD)/seeds tests/replays/*.replay >/dev/null
	$(FUZZ_BUILD)/epee_fuzz_settings -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=4200 \
	  -dict=fuzz/settings.dict \
	  -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/settings- $(FUZZ_BUILD)/settings-corpus \
	  >$(FUZZ_BUILD)/settings-fuzz.log 2>&1 & settings=$$!; \
	$(FUZZ_BUILD)/epee_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=4096 \
	  -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/seeds; \
	game=$$?; wait $$settings; status=$$?; tail -12 $(FUZZ_BUILD)/settings-fuzz.log; \
	[ $$game = 0 ] && [ $$status = 0 ]

e2e: $(BUILT)
	tests/e2e.sh $(BUILD)
	tests/e2e_keys.sh $(BUILD)
	tests/speech.sh $(BUILD)

valgrind: $(BUILT)
	tests/valgrind.sh $(BUILD)

bench: build
	./$(BUILD)/epee_bench

# Speed and cost of the real program under Xvfb (CPU, memory, start-up, timer fidelity).
measure: build
	tools/measure.sh $(BUILD)

# The game for web browsers in $(WEB_BUILD)/site, its libraries built once into the cache.
web-deps:
	$(call install_missing,$(WEB_PACKAGES))

web: web-deps
	prefix=$$(tools/thirdparty.sh emscripten) && \
	$(WEB_ENV) cmake -S . -B $(WEB_BUILD) $(CCACHE) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake -DEPEE_THIRDPARTY_PREFIX=$$prefix
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target epee_site epee_replay

# Served as a host would: the .br or .gz copy of a file when the browser accepts it.
serve: web
	python3 tools/serve.py $(WEB_BUILD)/site 8000

# The recorded games in node, built as the page's game is, give the digests recorded on
# Linux; headless Chromium plays the page: the quest to its first door, the end screen, the
# timers, errors; then weighs it: what a first visit sends, the site's size, the loading
# screen; then on phones and tablets: the quest by touch to its first door with every
# control, the layout, the page offline; the "Touches" dialog; the game's words as a screen
# reader and the browser's voice get them; then WebKit's MiniBrowser, the engine of every
# browser on an iPhone, plays the opening under Xvfb (tests/web/webkit.py).
# The keys go out in real time, as a player's would; on a shared machine the browser runs
# at a higher priority where it may, as the game in the foreground would on a desktop.
WEB_PRIORITY = $(shell nice -n -10 true 2>/dev/null && echo nice -n -10)
web-test: web
	node $(WEB_BUILD)/epee_replay.js --check tests/replays/*.replay
	cd tests/web && npm ci --no-audit --no-fund
	$(WEB_PRIORITY) node tests/web/play.mjs $(WEB_BUILD)/site
	node tests/web/weight.mjs $(WEB_BUILD)/site
	$(WEB_PRIORITY) node tests/web/touch.mjs $(WEB_BUILD)/site
	$(WEB_PRIORITY) node tests/web/keys.mjs $(WEB_BUILD)/site
	$(WEB_PRIORITY) node tests/web/speech.mjs $(WEB_BUILD)/site
	$(WEB_PRIORITY) xvfb-run -a -s '-screen 0 1280x1024x24' /usr/bin/python3 tests/web/webkit.py \
	  $(WEB_BUILD)/site $(WEB_BUILD)/shots

# The time to the title in headless Chromium on a slow phone and on a desktop (median of 5),
# then the page's processor time at the title and while walking, beside a bare page drawing
# the same changes (tests/web/bare.html).
measure-web: web
	cd tests/web && npm ci --no-audit --no-fund
	tools/measure-web.sh $(WEB_BUILD)/site
	node tests/web/cpu.mjs $(WEB_BUILD)/site

# build-win/epee.exe and its zip; SDL2, SDL2_ttf, SDL2_image and FreeType are built once from
# Debian's sources into a cache outside the build (tools/thirdparty.sh).
windows: deps windows-deps
	prefix=$$(tools/thirdparty.sh mingw) && \
	cmake -S . -B $(WIN_BUILD) $(CCACHE) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DEPEE_THIRDPARTY_PREFIX="$$prefix"
	cmake --build $(WIN_BUILD) -j $(JOBS)

# The test suite and the recorded games under Wine, then the real epee.exe under Wine in Xvfb
# (the Linux build lends its window-closing tool).
windows-test: windows $(BUILT)
	tests/windows.sh $(WIN_BUILD) $(BUILD)

linux-deps:
	$(call install_missing,$(LINUX_PACKAGES))

# $(LINUX_BUILD)/epee-legendaire-<version>-linux-{x86_64,aarch64}.tar.gz; the libraries are
# built once into the cache (tools/thirdparty.sh linux and aarch64), the Debian 11 trees
# too (tools/debian-tree.sh).
linux: linux-deps
	for arch in $(LINUX_ARCHES); do \
	  prefix=$$(tools/thirdparty.sh $$([ $$arch = x86_64 ] && echo linux || echo $$arch)) && \
	  cmake -S . -B $(LINUX_BUILD)/$$arch $(CCACHE) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/linux-$$arch.cmake -DEPEE_THIRDPARTY_PREFIX="$$prefix" \
	    -DEPEE_LINUX_ARCHIVE_DIR=$(abspath $(LINUX_BUILD)) && \
	  cmake --build $(LINUX_BUILD)/$$arch -j $(JOBS) --target epee_linux_archive epee_replay || exit 1; \
	done

# The portable programs in Debian 11, 12 and 13 trees holding no SDL, and the arm64 one under
# qemu-aarch64 (the Linux build lends its window-closing tool).
linux-test: linux $(BUILT)
	tests/linux.sh $(LINUX_BUILD) $(BUILD)

# Rewrites the pictures and icons in assets/ from their text sources in assets/src; the test
# suite checks that the shipped files are what the sources make.
art: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target artgen
	$(BUILD)/tools/artgen assets/src assets

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WIN_BUILD) $(WEB_BUILD) $(LINUX_BUILD)
