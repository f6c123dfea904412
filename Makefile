# Halvane: the two builds and every test layer. Each target installs what it is missing.
#   make test   build both, run unit, conformance (sim and Wine) and sandbox tests
#   make win    the Windows application folder at build/win/app/
#   make run    start the program under Wine in a sandboxed prefix kept under build/
#   make fuzz   every fuzz target for FUZZ_SECONDS (default 60) each, then 10000 random runs of
#               the deletion invariant
.PHONY: all native win test run deps clean format native-asan fuzz-build fuzz build-native \
	build-win build-asan

JOBS ?= 2
NATIVE := build/native
WIN := build/win
APP := $(WIN)/app
ASAN := build/native-asan
FUZZ := build/fuzz
RELEASE := build/native-release
FUZZ_SECONDS ?= 60
INVARIANT_RUNS ?= 10000

all: native win

deps:
	@tools/install-deps all

native:
	@tools/install-deps native
	@$(MAKE) --no-print-directory build-native

win:
	@tools/install-deps win
	@$(MAKE) --no-print-directory build-win

# The unit suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz
# targets as replay programs for their seed corpora.
native-asan:
	@tools/install-deps native
	@$(MAKE) --no-print-directory build-asan

# The builds themselves, with what they need installed already.
build-native:
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

build-win:
	@cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS)
	@tools/make-app-folder $(WIN) $(APP)

build-asan:
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DHV_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN) -j $(JOBS) --target unit_tests fuzz_replay

# The fuzz targets of tests/fuzz, built with clang, libFuzzer and both sanitizers.
fuzz-build:
	@tools/install-deps fuzz
	@cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=Debug -DHV_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) --target fuzz_targets

# One build after the other: on two cores, side by side they only get in each other's way.
test:
	@tools/install-deps native
	@tools/install-deps win
	@$(MAKE) --no-print-directory build-native build-win build-asan
	@tools/run-tests $(NATIVE) $(WIN)

# The invariant runs use an optimised build of the unit suite: ten thousand runs take minutes.
fuzz: fuzz-build
	@FUZZ_SECONDS=$(FUZZ_SECONDS) tests/fuzz/run-fuzz.sh fuzz $(FUZZ)
	@cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(RELEASE) -j $(JOBS) --target unit_tests
	@HV_INVARIANT_RUNS=$(INVARIANT_RUNS) $(RELEASE)/tests/unit/unit_tests \
		--gtest_filter='DeletionInvariant.*' --gtest_brief=1

# With a display the program just runs there. Without one it comes up on a virtual display,
# build/screenshot.png shows its main window a moment after it appears, and it is ended.
RUN_SANDBOX := tools/wine-sandbox --prefix build/run-prefix --copy $(APP) 'C:\Program Files\Halvane'
RUN_EXE := C:\Program Files\Halvane\halvane.exe
RUN_SHOT := $(CURDIR)/build/screenshot.png
run: win
	@if [ -n "$$DISPLAY" ]; then \
		$(RUN_SANDBOX) --host -- env DISPLAY="$$DISPLAY" bash -c 'cd "$$HV_DRIVE_C" && "$$HV_WINE" "$$0"' '$(RUN_EXE)'; \
	else \
		$(RUN_SANDBOX) --xvfb --host -- bash -c ' \
			cd "$$HV_DRIVE_C"; \
			"$$HV_WINE" explorer /desktop=hv,1024x768 "$$0" & \
			for i in $$(seq 60); do xdotool search --onlyvisible --name "^Halvane V6.50$$" >/dev/null && break; sleep 0.5; done; \
			sleep 2; import -window root "$$1" && echo "Screenshot: $$1"; \
			"$$HV_WINESERVER" -k; wait' '$(RUN_EXE)' '$(RUN_SHOT)'; \
	fi

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf build
