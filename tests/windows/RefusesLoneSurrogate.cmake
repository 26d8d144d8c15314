# An argument that is not UTF-16 cannot name a file the program could find again: it
# is refused, exit status 2, on one line that names it by its place.
include("${CMAKE_CURRENT_LIST_DIR}/Wine.cmake")

windows_path(program "${WINDOWS_CLI}")
run(windows "${WINE}" "${LONE_SURROGATE_HELPER}" "${program}" inspect)
expect_status("exit status" windows 2)
expect_stream("standard error" windows err "mms-setup-cli: argument 2 is not valid Unicode\n")
expect_stream("standard output" windows out "")
