# A write that must be refused: exit status STATUS, REASON on one line, and the folder
# exactly as it was, its old file byte for byte and no temporary left. OBSTACLE puts
# into the card's folder a CAMERASETUP.dat with the read-only attribute ("read-only"),
# a writable one ("old-file"), or a folder of that name ("folder"). "@CARD@" in REASON
# and in the arguments stands for the card folder's Windows path.
include("${CMAKE_CURRENT_LIST_DIR}/Wine.cmake")

set(card_folder "${WORK}/${CARD_FOLDER_NAME}")
fresh_folder("${card_folder}")
windows_path(card "${card_folder}")
set(target "${card_folder}/CAMERASETUP.dat")
if(OBSTACLE STREQUAL "folder")
    file(MAKE_DIRECTORY "${target}")
else()
    run(old ${linux_program} camera --clock 2001-02-03T04:05:06 --serial OLD1 --out "${card_folder}")
    expect_status("writing the old file" old 0)
endif()
if(OBSTACLE STREQUAL "read-only")
    # Wine lets an administrator replace a read-only file, where Windows refuses: the
    # program has to refuse it itself.
    run(attrib "${WINE}" attrib +r "${card}\\CAMERASETUP.dat")
    expect_status("attrib +r" attrib 0)
endif()

script_arguments(given)
set(arguments)
foreach(argument IN LISTS given)
    string(REPLACE "@CARD@" "${card}" argument "${argument}")
    list(APPEND arguments "${argument}")
endforeach()
string(REPLACE "@CARD@" "${card}" REASON "${REASON}")

folder_snapshot(before "${card_folder}")
run(windows ${windows_program} ${arguments})
expect_status("exit status" windows "${STATUS}")
expect_stream("standard error" windows err "mms-setup-cli: ${REASON}\n")
expect_stream("standard output" windows out "")
folder_snapshot(after "${card_folder}")
expect_equal("the card's folder afterwards" "${after}" "${before}")
