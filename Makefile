# The front door: every command installs what is missing first.
.PHONY: deps test bench bench-startup bench-startup-instructions bench-web stress fuzz run screenshot windows web listen

deps:
	@scripts/install-deps

test: deps
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan
	cmake --preset web
	cmake --build --preset web
	ctest --preset web
	cmake --preset windows-x64
	cmake --build --preset windows-x64
	ctest --preset windows-x64
	cmake --preset windows-x86
	cmake --build --preset windows-x86
	ctest --preset windows-x86

# Tarvo.exe for 64- and 32-bit Windows, each as a portable zip and an installer, in build/windows/.
windows: deps
	cmake --preset windows-x64
	cmake --build --preset windows-x64
	cd build/windows-x64 && cpack -B ../windows
	cmake --preset windows-x86
	cmake --build --preset windows-x86
	cd build/windows-x86 && cpack -B ../windows
	@ls -l build/windows/Tarvo-*

# Tarvo in the browser: the static site in build/web/site/ and its zip.
web: deps
	cmake --preset web
	cmake --build --preset web
	@ls -l build/web/site build/web/Tarvo-*-web.zip

bench: deps
	cmake --preset release
	cmake --build --preset release
	build/release/bench/calc/tarvo_calc_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen build/release/bench/ui/tarvo_handler_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Start-up beside a bare Qt window, xcalc and galculator, under one Xvfb.
bench-startup: deps
	@scripts/install-deps bench-startup
	cmake --preset release
	cmake --build --preset release
	bench/startup/run

# The same start-up counted in instructions under callgrind, which a busy machine does not change.
bench-startup-instructions: deps
	@scripts/install-deps bench-startup-instructions
	cmake --preset release
	cmake --build --preset release --target tarvo_startup_breakdown
	bench/startup/count-instructions

# The page's start-up in headless Chromium beside a static page with the same controls.
bench-web: deps
	cmake --preset web
	cmake --build --preset web
	bench/web/run build/web/site

# The random user of the main window, 100,000 events, with the outcomes it reached.
stress: deps
	cmake --preset release
	cmake --build --preset release --target tst_stress
	QT_QPA_PLATFORM=offscreen TARVO_STRESS_EVENTS=100000 build/release/tests/stress/tst_stress -silent

fuzz: deps
	cmake --preset asan
	cmake --build --preset asan --target tarvo_calculate_fuzzer
	mkdir -p build/fuzz-corpus
	build/asan/fuzz/tarvo_calculate_fuzzer -runs=10000000 -max_total_time=600 -max_len=64 -print_final_stats=1 \
		build/fuzz-corpus fuzz/seeds

# The program needs a graphical session; it says so in one line without one.
run: deps
	cmake --preset release
	cmake --build --preset release --target tarvo
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: Tarvo needs a graphical session; without one use: xvfb-run -a build/release/program/qt/tarvo"; exit 1; fi
	build/release/program/qt/tarvo

# PNGs of the main window (fresh, after 1, -3, 2 and after 1, 0, -2), Help and About, under Xvfb;
# then those of Tarvo.exe under Wine but the calculated one, as *-windows.png; then the page's
# in headless Chromium, as *-web.png, with a message box and a phone's screen.
screenshot: deps
	@scripts/install-deps screenshot
	cmake --preset release
	cmake --build --preset release --target tarvo_screenshot
	mkdir -p build/screenshots
	xvfb-run -a -s "-screen 0 1280x800x24" build/release/program/qt/screenshot/tarvo_screenshot build/screenshots
	cmake --preset windows-x64
	cmake --build --preset windows-x64 --target tarvo_screenshot
	scripts/wine-session start build/screenshots/wine
	scripts/wine-session exec build/screenshots/wine 96 build/windows-x64/program/win32/screenshot/tarvo_screenshot.exe \
		"Z:$(subst /,\\,$(CURDIR))\\build\\screenshots"; status=$$?; \
		scripts/wine-session stop build/screenshots/wine; exit $$status
	for name in form1 form1-long-roots help about; do \
		/usr/bin/convert build/screenshots/$$name-windows.bmp build/screenshots/$$name-windows.png && \
		rm build/screenshots/$$name-windows.bmp; done
	cmake --preset web
	cmake --build --preset web
	scripts/web-screenshots build/web/site build/screenshots

# The Debian package of a Release build: build/release/tarvo_<version>_<arch>.deb.
.PHONY: package
package: deps
	cmake --preset release
	cmake --build --preset release
	cd build/release && cpack -G DEB

# What the Orca screen reader says at each step of a short session with the Linux program,
# then with the page in Chromium.
listen: deps
	@scripts/install-deps listen
	cmake --preset release
	cmake --build --preset release --target tarvo
	scripts/listen build/release/program/qt/tarvo
	cmake --preset web
	cmake --build --preset web
	scripts/listen --page build/web/site
