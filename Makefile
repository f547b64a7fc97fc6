# The commands a person remembers. Each one installs what the machine lacks,
# configures and builds what it needs.
.PHONY: all setup native win32 win64 test test-native test-win32 test-win64 demo fuzz bench dist format clean

JOBS ?= $(shell nproc)

all: native win32

setup:
	@bash scripts/setup.sh

native: setup
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

win32: setup
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS)

# The 64-bit Windows build: for now what is architecture-neutral (the 3.x
# interface's layouts, the date core), tested under 64-bit Wine.
win64: setup
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64 -j $(JOBS)

test: test-native test-win32 test-win64

test-native: native
	@ctest --preset native -j $(JOBS)

test-win32: win32
	@ctest --preset win32 -j $(JOBS)

test-win64: win64
	@ctest --preset win64 -j $(JOBS)

# Every libFuzzer target, one after another at low priority, for FUZZ_RUNS
# executions each (make test runs each for 20 seconds); FUZZ_TARGETS picks.
FUZZ_RUNS ?= 10000000
fuzz: setup
	@nice -n 19 tests/fuzz/run-fuzz.sh build/fuzz $(FUZZ_RUNS) $(FUZZ_TARGETS)

# Benchmarks under Wine: each ratio against the bare calls, with its control.
bench: win32
	@cmake --build --preset win32 --target benches -j $(JOBS)
	@bash bench/run-benches.sh build/win32

# The zips a user unpacks into the host's plugin folder, named by the version
# and what they serve: the 1.60 plugin's, and the 3.x plugin's for x86 and
# for x64; builds only what the zips hold, none of the tests.
dist: setup
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 --target dist dist3 -j $(JOBS)
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64 --target dist3 -j $(JOBS)
	@ls -1 build/win32/Horalis-*.zip build/win64/Horalis-*.zip

# The host stand-in with Horalis in this terminal; KEYS='F11 Enter Enter'
# runs it scripted (FROM=editor|viewer|panels, LNG=Rus, FILE=, DUMP=1,
# KEEP=1). GEN=3 runs the plugin for the host's 3.x interface (Horalis3,
# built when this tree has it) through the stand-in's second face, ARCH=x64
# its 64-bit build in the 64-bit stand-in. Builds only what it runs. The
# variables reach demo.sh in the environment (make exports those given on
# its command line), never through the shell's word splitting.
DEMO_PRESET = $(if $(filter x64,$(ARCH)),win64,win32)
demo: setup
ifeq ($(GEN)$(ARCH),x64)
	@echo "demo: the 64-bit stand-in loads only 3.x plugins: add GEN=3" >&2; exit 1
endif
	@cmake --preset $(DEMO_PRESET) >/dev/null
ifeq ($(GEN),3)
	@cmake --build --preset $(DEMO_PRESET) -j $(JOBS) --target farhost $$(cmake --build \
	  --preset $(DEMO_PRESET) --target help | grep -qx 'Horalis3: phony' && echo Horalis3 resources3)
else
	@cmake --build --preset $(DEMO_PRESET) -j $(JOBS) --target Horalis DialogGen resources farhost
endif
	@bash hoststandin/demo.sh

format:
	@git ls-files '*.c' '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
