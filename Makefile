# The two commands of the README. Each does its own set-up on a fresh Debian 12 machine.
BUILD_DIR ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
PREFIX ?= $(HOME)/.local

.PHONY: run test build programs installable deps configure clean screenshots sanitize install \
	uninstall deb translations fuzz

# Builds only what it runs; the tests and benchmarks are built by make test.
run: programs
	./scripts/run-kavo.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The main window's views and settings pages as PNG files, rendered offscreen; in one of
# Kavo's languages with LANG=<code> (make screenshots LANG=jp: build/screenshots-jp/).
KAVO_LANGUAGE_CODES = ae bg cn cz de en es fr gr hi it jp kr nl pt ru tr ua
SCREENSHOT_LANGUAGE = $(filter $(KAVO_LANGUAGE_CODES),$(LANG))
screenshots: build
	$(BUILD_DIR)/tools/screenshots/kavo-screenshots \
		$(BUILD_DIR)/screenshots$(if $(SCREENSHOT_LANGUAGE),-$(SCREENSHOT_LANGUAGE)) $(SCREENSHOT_LANGUAGE)

# Brings the eighteen translation sources up to date with the texts of Kavo and its pages.
translations: configure
	cmake --build $(BUILD_DIR) --target translations

# Every test again, built with the address and undefined-behaviour sanitizers in a folder of
# its own. Leaks are not reported: Qt and its web engine keep some memory until exit.
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# The fuzz targets, built with clang's libFuzzer and sanitizers in a folder of their own, each
# run for FUZZ_SECONDS; their corpora and crash inputs are kept under tests/fuzz/, which the
# ordinary test suite replays.
FUZZ_SECONDS ?= 300
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVO_FUZZ=ON \
		-DKAVO_WARNINGS_AS_ERRORS=OFF -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build build-fuzz -j $(JOBS) --target fuzz_spell_parser fuzz_spells fuzz_settings_import fuzz_native_message
	./scripts/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

programs: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target kavo kavoctl

# What make install and make deb put in place: the programs, and the icons and manual pages
# that the build renders.
installable: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target kavo kavoctl kavo_data

# kavo and kavoctl in $(PREFIX)/bin, with the menu entry, the icons, the kavo: scheme handler,
# the manual pages and the completions. Only an installed Kavo registers itself to start with
# the session.
# What it installed is kept in installed-files.txt: cpack and the tests install from the build
# folder too, and each writes its own install_manifest.txt.
install: installable
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	cp $(BUILD_DIR)/install_manifest.txt $(BUILD_DIR)/installed-files.txt

# The Debian package of the build, installing into /usr: $(BUILD_DIR)/package/kavo_<version>_amd64.deb.
deb: installable
	cd $(BUILD_DIR) && cpack -G DEB -B package

uninstall:
	@if [ -f $(BUILD_DIR)/installed-files.txt ]; then \
		xargs -d '\n' rm -fv < $(BUILD_DIR)/installed-files.txt && rm $(BUILD_DIR)/installed-files.txt; \
	else echo "Nothing installed from $(BUILD_DIR)"; fi

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

deps:
	./scripts/install-deps.sh

clean:
	rm -rf $(BUILD_DIR)
