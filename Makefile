# The two commands a newcomer needs; CMake does the real work.
BUILD_DIR := build
SANITIZE_DIR := build-sanitize
CONFIGURE := cmake -G Ninja -Wno-dev
JOBS := $(shell nproc)

.PHONY: run test artwork build clean

run: build
	cd $(BUILD_DIR) && ./app/denkfalke

test:
	@scripts/install-deps.sh test
	$(CONFIGURE) -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	$(CONFIGURE) -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DDENKFALKE_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

build:
	@scripts/install-deps.sh run
	$(CONFIGURE) -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS) --target denkfalke

# Redraws every picture, pointer and icon under resources/ from tools/artgen.
artwork:
	@scripts/install-deps.sh art
	$(CONFIGURE) -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS) --target artgen
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/artgen/artgen resources

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
