# The two commands of the README. Each does its own set-up on a fresh Debian 12 machine.
BUILD_DIR ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps configure clean screenshots

run: build
	./scripts/run-kavo.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The main window's views and settings pages as PNG files, rendered offscreen.
screenshots: build
	$(BUILD_DIR)/tools/screenshots/kavo-screenshots $(BUILD_DIR)/screenshots

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

deps:
	./scripts/install-deps.sh

clean:
	rm -rf $(BUILD_DIR)
