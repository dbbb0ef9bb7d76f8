# Two commands do everything on a fresh Debian 12 machine:
#   make test   install what is missing, build, run every test through CTest
#   make run    install what is missing, build, start Korvane with a simulated unit

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

define prepare
	@bash scripts/setup.sh
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DKORVANE_WERROR=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)
endef

# And for installing it:
#   make package        build the Debian package ./korvane_<version>_<arch>.deb
#   make package-test   install that package, try it, remove it again (root or sudo)

PACKAGE_DIR ?= build-package

.PHONY: test run package package-test

test:
	$(prepare)
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 300

run:
	$(prepare)
	@bash scripts/run.sh $(BUILD_DIR)

# A tree of its own without tests and benchmarks: only what the package holds.
package:
	@bash scripts/setup.sh
	@cmake -S . -B $(PACKAGE_DIR) -G Ninja -DKORVANE_WERROR=ON -DKORVANE_BUILD_TESTS=OFF -DKORVANE_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(PACKAGE_DIR) -j $(JOBS)
	@rm -f $(PACKAGE_DIR)/korvane_*.deb
	@cd $(PACKAGE_DIR) && cpack -G DEB
	@rm -f korvane_*.deb && cp $(PACKAGE_DIR)/korvane_*.deb .

package-test: package
	@bash tests/packaging/deb_install_test.sh $(PACKAGE_DIR)
