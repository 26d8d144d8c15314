# A command that writes no file prints what the Linux program prints, every line
# ending CR LF, with the same exit status STATUS; a usage error (2) is one line.
include("${CMAKE_CURRENT_LIST_DIR}/Wine.cmake")

script_arguments(arguments)
run(linux ${linux_program} ${arguments})
run(windows ${windows_program} ${arguments})
expect_status("the Linux program's exit status" linux "${STATUS}")
expect_status("exit status" windows "${STATUS}")
expect_stream("standard output" windows out "${linux_out_text}")
expect_stream("standard error" windows err "${linux_err_text}")
if(STATUS EQUAL 2)
    expect_one_line("a usage error" windows err)
endif()
