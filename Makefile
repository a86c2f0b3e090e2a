# The front door: every command installs what is missing first.
.PHONY: deps test bench fuzz

deps:
	@scripts/install-deps

test: deps
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: deps
	cmake --preset release
	cmake --build --preset release
	build/release/bench/calc/tarvo_calc_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

fuzz: deps
	cmake --preset asan
	cmake --build --preset asan --target tarvo_calculate_fuzzer
	mkdir -p build/fuzz-corpus
	build/asan/fuzz/tarvo_calculate_fuzzer -max_total_time=60 -print_final_stats=1 build/fuzz-corpus fuzz/seeds
