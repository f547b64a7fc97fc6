# The clock's stress program under ThreadSanitizer, in a build of its own
# (TSan cannot be mixed with the native build's AddressSanitizer; its flags
# are set with the subset's): only the subset, the plugin's code and the
# program. tests/tsan/run-tsan.sh configures, builds and runs it.
include(cmake/release.cmake)
add_subdirectory(plugin)
add_subdirectory(tests/tsan)
