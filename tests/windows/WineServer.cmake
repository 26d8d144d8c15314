# ACTION=start: creates the Wine prefix if there is none yet (about 10 s) and keeps one
# Wine server running for the whole suite, so that each run of the program starts in
# a fraction of a second and no run meets a server on its way out.
# ACTION=stop: ends that server.
include("${CMAKE_CURRENT_LIST_DIR}/Wine.cmake")

if(ACTION STREQUAL "start")
    if(NOT EXISTS "${WINEPREFIX}/system.reg")
        run(boot "${WINE}" wineboot --init)
        expect_status("wineboot --init" boot 0)
        # wineboot returns before what it started has finished.
        run(settle "${WINESERVER}" --wait)
    endif()
    # The server stays in the background with the standard streams it was given:
    # pipes would keep this test waiting for their end until the server ends.
    execute_process(COMMAND "${WINESERVER}" --persistent RESULT_VARIABLE status
                    INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE "${WINEPREFIX}/wineserver.log")
    # Exit status 2: a server for this prefix is running already.
    if(NOT status MATCHES "^[02]$")
        file(READ "${WINEPREFIX}/wineserver.log" log)
        message(FATAL_ERROR "wineserver --persistent failed (${status}): ${log}")
    endif()
else()
    run(server "${WINESERVER}" --kill)
endif()
