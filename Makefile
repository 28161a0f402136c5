# make run: install what is missing, build, play. make test: install, build, run every test
# (the install tree and the Debian package are checked too). make install: install the game
# under PREFIX (DESTDIR honoured). make package: build the Debian package in $(BUILD).
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev \
           libgtest-dev libbenchmark-dev libgif-dev fonts-dejavu-core
# Packaging and its checks.
PACKAGES += dpkg-dev file desktop-file-utils appstream lintian
PREFIX ?= /usr/local
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test bench install package clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/epee

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/epee_bench

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
