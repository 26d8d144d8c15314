# Replacing a file keeps its attributes, as the Linux program keeps a file's
# permission bits: a CAMERASETUP.dat made hidden stays hidden once rewritten.
include("${CMAKE_CURRENT_LIST_DIR}/Wine.cmake")

set(card_folder "${WORK}/${CARD_FOLDER_NAME}")
fresh_folder("${card_folder}")
windows_path(card "${card_folder}")
set(file "${card}\\CAMERASETUP.dat")

run(first ${windows_program} camera --clock 2026-01-02T03:04:05 --out "${card}")
expect_status("the first write's exit status" first 0)
run(hide "${WINE}" attrib +h "${file}")
expect_status("attrib +h" hide 0)
run(second ${windows_program} camera --clock 2026-01-02T03:04:06 --out "${card}")
expect_status("the second write's exit status" second 0)
run(attributes "${WINE}" attrib "${file}")
if(NOT attributes_out_text MATCHES "^[A-Z ]*H[A-Z ]* +[A-Za-z]:")
    message(FATAL_ERROR "the rewritten file lost its hidden attribute: [${attributes_out_text}]")
endif()
file(GLOB entries RELATIVE "${card_folder}" "${card_folder}/*")
expect_equal("the folder's entries" "${entries}" "CAMERASETUP.dat")
