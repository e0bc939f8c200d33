# The newcomer's entry points. Each target installs what it needs first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
PACKAGE_BUILD ?= build-package

.PHONY: all deps configure build run test install uninstall package bench fuzz sanitize clean

all: build

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/app/fundorix; \
	else \
		echo "No display found: showing the default plan through fundorix-cli calc instead."; \
		$(BUILD)/cli/fundorix-cli calc; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# DESTDIR (staged installs) reaches cmake through the environment.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# Removes what the last `make install` put in place (give the same DESTDIR).
uninstall:
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt | xargs -r -d '\n' rm -f --

# The Debian package, from a build of its own without the tests.
package: deps
	bash scripts/install-deps dpkg-dev file
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUNDORIX_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack
	@ls $(PACKAGE_BUILD)/fundorix_*.deb

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DFUNDORIX_BENCH=ON -DFUNDORIX_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	bash bench/run build-bench

fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUNDORIX_FUZZ=ON -DFUNDORIX_TESTS=OFF \
		-DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz -j $(JOBS)
	bash fuzz/run build-fuzz

sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DFUNDORIX_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(PACKAGE_BUILD) build-bench build-fuzz build-asan
