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

.PHONY: test run

test:
	$(prepare)
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 300

run:
	$(prepare)
	@bash scripts/run.sh $(BUILD_DIR)
