# The two commands of the README, for a fresh Debian 12 machine:
#   make run   installs what is missing, builds a Release and starts the riddle book
#   make test  installs what is missing, builds and runs every test (no display needed)
#   make package  builds the Debian package
#   make windows  builds the Windows installer and zip into build-windows/ (Qt for Windows is built
#                 from Debian's source once, into a cache outside the clone)
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test bench package windows clean

all: build

build:
	@scripts/install-deps build
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) --parallel $(JOBS)

run:
	@scripts/install-deps run
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) --parallel $(JOBS) --target zarvona
	@cd $(BUILD)/bin && ./zarvona

# Extra settings for the test build: continuous integration passes -DZARVONA_WERROR=ON.
CMAKE_FLAGS :=

test:
	@scripts/install-deps test
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DZARVONA_BUILD_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) --parallel $(JOBS)
	@cd $(BUILD) && ctest --output-on-failure --parallel $(JOBS)

# A Debian package of the program in build/, to install with apt-get install ./build/zarvona_*.deb
package:
	@scripts/install-deps package
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) --parallel $(JOBS) --target zarvona
	@cd $(BUILD) && cpack -G DEB

windows:
	@scripts/build-windows build-windows

bench:
	@scripts/install-deps bench
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DZARVONA_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) --parallel $(JOBS)
	@bench/run $(BUILD)

clean:
	rm -rf $(BUILD) build-windows
