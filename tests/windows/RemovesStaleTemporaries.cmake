# A write removes the temporaries that interrupted writes of the same file left behind
# once they are a minute old, and nothing else: a younger one may be another writer's,
# an older one of another file is that file's writer's to remove.
include("${CMAKE_CURRENT_LIST_DIR}/Wine.cmake")

set(card_folder "${WORK}/${CARD_FOLDER_NAME}")
fresh_folder("${card_folder}")
windows_path(card "${card_folder}")
set(stale CAMERASETUP.dat.tmp-0A1B2C)
set(young CAMERASETUP.dat.tmp-3D4E5F)
set(other_file MMSSETUP.dat.tmp-0A1B2C)
foreach(name ${stale} ${young} ${other_file})
    file(WRITE "${card_folder}/${name}" "left behind\n")
endforeach()
run(backdate touch --date "2 minutes ago" "${card_folder}/${stale}" "${card_folder}/${other_file}")
expect_status("touch" backdate 0)

run(windows ${windows_program} camera --clock 2026-01-02T03:04:05 --out "${card}")
expect_status("exit status" windows 0)
file(GLOB entries RELATIVE "${card_folder}" "${card_folder}/*")
list(SORT entries)
expect_equal("the folder's entries" "${entries}" "CAMERASETUP.dat;${young};${other_file}")
