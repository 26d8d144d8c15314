# One option set: the Windows program writes the same bytes as the Linux one, into a
# folder whose name has spaces and letters beyond ASCII, says the same advice, reads
# its file back to the same JSON, replaces it alike when started from it, and writes
# the same bytes to standard output.
include("${CMAKE_CURRENT_LIST_DIR}/Wine.cmake")

script_arguments(options)
list(GET options 0 command)
set(file_of_camera CAMERASETUP.dat)
set(file_of_mms MMSSETUP.dat)
set(file_of_email SMTPSETUP.dat)
set(name "${file_of_${command}}")

set(linux_folder "${WORK}/linux")
set(windows_folder "${WORK}/${CARD_FOLDER_NAME}")
fresh_folder("${linux_folder}")
fresh_folder("${windows_folder}")
windows_path(card "${windows_folder}")

run(linux ${linux_program} ${options} --out "${linux_folder}")
expect_status("the Linux program's exit status" linux 0)
run(windows ${windows_program} ${options} --out "${card}")
expect_status("exit status" windows 0)
# Advice on the settings, as the Linux program gives it.
expect_stream("standard error" windows err "${linux_err_text}")
expect_stream("standard output" windows out "wrote ${card}\\${name}\n")
expect_same_file("${name}" "${windows_folder}/${name}" "${linux_folder}/${name}")
file(GLOB entries RELATIVE "${windows_folder}" "${windows_folder}/*")
expect_equal("the folder's entries" "${entries}" "${name}")

run(linux_inspect ${linux_program} inspect --json "${linux_folder}/${name}")
run(windows_inspect ${windows_program} inspect --json "${card}\\${name}")
expect_status("inspect's exit status" windows_inspect 0)
expect_one_line("inspect --json" windows_inspect out)
string(JSON inspected GET "${windows_inspect_out_text}" file)
expect_equal("the inspected file's name" "${inspected}" "${card}\\${name}")
string(JSON windows_report REMOVE "${windows_inspect_out_text}" file)
string(JSON linux_report REMOVE "${linux_inspect_out_text}" file)
expect_equal("inspect --json without the file's name" "${windows_report}" "${linux_report}")

# Started from the file just written, the programs replace it in place: --out
# defaults to the folder of --from's file. The camera keeps the file's clock.
set(from_options_camera --clock keep)
run(linux_from ${linux_program} ${command} ${from_options_${command}} --from "${linux_folder}/${name}")
run(windows_from ${windows_program} ${command} ${from_options_${command}} --from "${card}\\${name}")
expect_status("the Linux program's exit status with --from" linux_from 0)
expect_status("exit status with --from" windows_from 0)
expect_stream("standard output with --from" windows_from out "wrote ${card}\\${name}\n")
expect_same_file("${name} replaced with --from" "${windows_folder}/${name}" "${linux_folder}/${name}")

# Standard output takes the file's bytes as they are: its CR LF stay, no LF gains a CR.
run(linux_stdout ${linux_program} ${options} --out -)
run(windows_stdout ${windows_program} ${options} --out -)
expect_equal("--out -, in hexadecimal" "${windows_stdout_out}" "${linux_stdout_out}")
