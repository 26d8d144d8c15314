# The card's folder written as Windows takes it (FORM): with a separator at its end,
# with forward slashes, without its drive letter, or relative to the current folder.
# The file lands in that folder with the Linux program's bytes, and the message
# names it as the folder was given.
include("${CMAKE_CURRENT_LIST_DIR}/Wine.cmake")

set(card_folder "${WORK}/${CARD_FOLDER_NAME}")
fresh_folder("${card_folder}")
windows_path(card "${card_folder}")
string(REPLACE "\\" "/" card_with_slashes "${card}")
string(SUBSTRING "${card}" 2 -1 card_without_drive)
# The current folder of a script is the test's, where ctest starts it.
file(RELATIVE_PATH card_relative "${CMAKE_CURRENT_BINARY_DIR}" "${card_folder}")
string(REPLACE "/" "\\" card_relative "${card_relative}")

set(out_trailing-separator "${card}\\")
set(wrote_trailing-separator "${card}\\CAMERASETUP.dat")
set(out_forward-slashes "${card_with_slashes}")
set(wrote_forward-slashes "${card_with_slashes}\\CAMERASETUP.dat")
set(out_no-drive-letter "${card_without_drive}")
set(wrote_no-drive-letter "${card_without_drive}\\CAMERASETUP.dat")
set(out_relative "${card_relative}")
set(wrote_relative "${card_relative}\\CAMERASETUP.dat")

set(options camera --clock 2026-01-02T03:04:05)
run(linux ${linux_program} ${options} --out -)
run(windows ${windows_program} ${options} --out "${out_${FORM}}")
expect_status("exit status" windows 0)
expect_stream("standard output" windows out "wrote ${wrote_${FORM}}\n")
file(READ "${card_folder}/CAMERASETUP.dat" written HEX)
expect_equal("CAMERASETUP.dat, in hexadecimal" "${written}" "${linux_out}")
