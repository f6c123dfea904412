# Halvane: the two builds and every test layer. Each target installs what it is missing.
#   make test   build both, run unit, conformance (sim and Wine) and sandbox tests
#   make win    the Windows application folder at build/win/app/
#   make run    start the program under Wine in a sandboxed prefix kept under build/
.PHONY: all native win test run deps clean format

JOBS ?= 2
NATIVE := build/native
WIN := build/win
APP := $(WIN)/app

all: native win

deps:
	@tools/install-deps all

native:
	@tools/install-deps native
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win:
	@tools/install-deps win
	@cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS)
	@tools/make-app-folder $(WIN) $(APP)

test: native win
	@tools/run-tests $(NATIVE) $(WIN)

run: win
	@echo "The main window is not built yet; the console companion is:"
	@tools/wine-sandbox --prefix build/run-prefix --copy $(APP) 'C:\Program Files\' \
		'C:\Program Files\app\halvanec.exe' --help

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf build
