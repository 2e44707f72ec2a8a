# The two commands a newcomer needs, plus a few for maintainers.
#   make play   build everything and start the game under Wine
#   make test   build everything and run the whole suite
# Every target installs the Debian packages it needs first.

CONTENT_DIR := $(CURDIR)/build/release/content
FUZZ_SECONDS ?= 20

.PHONY: all play test deps host release windows fuzz-build fuzz bench contact-sheet screenshots dist clean

all: windows

deps:
	@scripts/install-deps.sh

host: deps
	cmake --preset host >/dev/null
	cmake --build --preset host

# Native optimised build: the content tool, which draws every picture, sound
# and the music into $(CONTENT_DIR), and the benchmarks.
release: deps
	cmake --preset release >/dev/null
	cmake --build --preset release
	cmake --build --preset release --target content

windows: release
	cmake --preset windows -DVARNOLT_CONTENT_DIR=$(CONTENT_DIR) >/dev/null
	cmake --build --preset windows

play: windows
	@scripts/play.sh build/windows/game

fuzz-build: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

fuzz: fuzz-build
	scripts/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

test: host windows fuzz-build
	scripts/check-layers.py
	ctest --preset host
	scripts/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)
	ctest --preset windows

# One PNG per page (new and solved) and one of the screens, buttons and
# dialogs, composed from the content the tool drew.
contact-sheet: release
	build/release/tools/content/varnolt-content contact-sheet $(CONTENT_DIR) build/contact-sheets
	@echo "Contact sheets are in build/contact-sheets/"

# The game folder a Windows player unzips and runs, and beside it the
# installer package (built with the Windows build) for those who install.
dist: windows
	scripts/make-dist.py build/windows/game build/Varnolt-win64.zip
	cp build/windows/Varnolt.msi build/Varnolt-win64.msi
	@echo "Wrote build/Varnolt-win64.msi"

# The title screen, a page unsolved and solved, the about box and the ending
# picture, played under Wine on the test session's screen, for review.
screenshots: windows
	scripts/screenshots.py build/windows $(CONTENT_DIR) build/screenshots

bench: release
	scripts/run-benchmarks.sh build/release

clean:
	rm -rf build
