# The libFuzzer targets, in a build of their own made with clang: every
# source with the fuzzer's coverage and the sanitizers, only what the
# targets need. tests/fuzz/run-fuzz.sh configures, builds and runs it.
add_compile_options(-g -O1 -fsanitize=fuzzer-no-link,address,undefined
                    -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
include(cmake/release.cmake)
add_subdirectory(plugin)
add_subdirectory(dialoggen)
add_subdirectory(tests/fuzz)
