# Sourced by test.sh and .ci/run: how the sanitized build reports. Every finding ends the
# process with an error; leaks inside the toolkit's own libraries (GTK, GLib, fontconfig and
# the like, which keep caches for the life of the process) are suppressed by
# scripts/lsan-third-party.supp, never leaks of Dextrel's code.
dextrel_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The tool tests preload the simulated logger in front of the sanitizer's runtime.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:verify_asan_link_order=0
export LSAN_OPTIONS="suppressions=$dextrel_root/scripts/lsan-third-party.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
unset dextrel_root
