# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
GENERATOR ?= Ninja
CMAKE_ARGS ?=

.PHONY: all deps configure build run test format-check bench package clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	@$(BUILD_DIR)/client/tessarine $(ARGS)

test: build format-check
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2
	@# The random-input tests of host and client again, with AddressSanitizer and UBSan.
	@cmake -S . -B $(BUILD_DIR)-sanitize -G $(GENERATOR) -DTESS_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_DIR)-sanitize --target net_fuzz_tests client_fuzz_tests
	@cd $(BUILD_DIR)-sanitize && ctest --output-on-failure -R "HostFuzz|ClientFuzz"
	@# The Qt-free part built for Windows, its tests run under Wine.
	@bash scripts/test-windows-core.sh $(BUILD_DIR)-windows

# Every tracked C++ file as clang-format writes it.
format-check: deps
	@bash scripts/check-format.sh

# The Debian package of the build: build/tessarine_<version>_<arch>.deb.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

bench: deps
	@bash bench/run.sh

clean:
	@rm -rf $(BUILD_DIR)
