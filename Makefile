# The project's everyday commands. Every target first makes sure the
# Debian packages are present (scripts/install-deps is a no-op otherwise).
JOBS ?= $(shell nproc)

.PHONY: deps build run test test-release test-asan test-tsan bench fuzz demo matrici deb clean

deps:
	@scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

run: build
	./build/release/ludomatic

test: test-release test-asan

test-release: build
	ctest --preset release -j $(JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The windows that run work on other threads, under ThreadSanitizer (not
# part of make test: a separate build of the program).
test-tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS) --target TestTFrmSviluppo TestTFormRicalcoloAutomatico TestTFormPrincipa \
		TestTFrmCalcGaranzie TestTFrmInfoStatistiche TestTFormDownload test_core
	ctest --preset tsan

bench: build
	./build/release/ludomatic-bench

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target fuzz_lettori
	mkdir -p build/fuzz/corpus
	./build/fuzz/fuzz_lettori -max_total_time=$${FUZZ_SECONDS:-60} build/fuzz/corpus

# Regenerates the demonstration archive, coupon and team lists in data/.
demo: build
	./build/release/genera-dati-demo tools/demo/sources data

# Regenerates the library of ready-made reduced systems in data/Matrici.
matrici: build
	./build/release/genera-matrici data

# The Debian package, build/release/ludomatic_<version>_<arch>.deb.
deb: build
	cd build/release && cpack -G DEB

clean:
	rm -rf build
