# What the scripts of the Windows suite share. Each gets by -D: WINE, WINESERVER,
# WINEPREFIX, WINDOWS_CLI (mms-setup-cli.exe), LINUX_CLI (the Linux build's program)
# and WORK (a folder of its own); the program's arguments follow "--".
cmake_minimum_required(VERSION 3.25)

set(ENV{WINEPREFIX} "${WINEPREFIX}")
set(ENV{WINEDEBUG} -all)
# No offer to install .NET or a browser engine into a new prefix.
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
# Wine reads the arguments it passes on in the locale's character set.
set(ENV{LC_ALL} C.UTF-8)

# The card's folder: spaces, and letters that no Windows code page holds together,
# so that only names passed as UTF-16 reach it.
set(CARD_FOLDER_NAME "Carte mémoire Größe カメラ")

# The arguments after "--" on cmake's command line.
function(script_arguments out)
    set(arguments)
    set(seen_separator FALSE)
    math(EXPR last "${CMAKE_ARGC} - 1")
    foreach(i RANGE ${last})
        if(seen_separator)
            list(APPEND arguments "${CMAKE_ARGV${i}}")
        elseif(CMAKE_ARGV${i} STREQUAL "--")
            set(seen_separator TRUE)
        endif()
    endforeach()
    set(${out} "${arguments}" PARENT_SCOPE)
endfunction()

# The path as a Windows program sees it: Wine's drive Z: is the root folder.
function(windows_path out path)
    string(REPLACE "/" "\\" path "${path}")
    set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()

# A folder as the test starts it: empty.
function(fresh_folder path)
    file(REMOVE_RECURSE "${path}")
    file(MAKE_DIRECTORY "${path}")
endfunction()

# Every file and folder under `folder` with the SHA-256 of each file, to show that a
# refused write changed nothing and left no temporary behind.
function(folder_snapshot out folder)
    file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${folder}" "${folder}/*")
    list(SORT entries)
    set(snapshot)
    foreach(entry IN LISTS entries)
        if(IS_DIRECTORY "${folder}/${entry}")
            list(APPEND snapshot "${entry}/")
        else()
            file(SHA256 "${folder}/${entry}" hash)
            list(APPEND snapshot "${entry} ${hash}")
        endif()
    endforeach()
    set(${out} "${snapshot}" PARENT_SCOPE)
endfunction()

# Runs a program with its standard streams in files: CMake's own capture would turn
# CR LF into LF, and the background processes Wine starts would keep a pipe open.
# Sets PREFIX_status; PREFIX_out and PREFIX_err, the streams' bytes in hexadecimal;
# PREFIX_out_text and PREFIX_err_text, the same read as text (CR LF as LF) for
# parsing and for messages.
function(run prefix)
    set(streams "${WORK}/streams/${prefix}")
    file(MAKE_DIRECTORY "${WORK}/streams")
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status INPUT_FILE /dev/null
                    OUTPUT_FILE "${streams}.out" ERROR_FILE "${streams}.err")
    set(${prefix}_status "${status}" PARENT_SCOPE)
    foreach(stream out err)
        file(READ "${streams}.${stream}" bytes HEX)
        file(READ "${streams}.${stream}" text)
        set(${prefix}_${stream} "${bytes}" PARENT_SCOPE)
        set(${prefix}_${stream}_text "${text}" PARENT_SCOPE)
    endforeach()
endfunction()

# The two programs, for run().
set(windows_program "${WINE}" "${WINDOWS_CLI}")
set(linux_program "${LINUX_CLI}")

# Linux's text as Windows prints it, in hexadecimal: standard output and standard
# error are text streams there, whose every LF is written as CR LF.
function(windows_text out text)
    string(REPLACE "\n" "\r\n" text "${text}")
    string(HEX "${text}" bytes)
    set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

function(expect_equal what actual expected)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${what}:\n  got      [${actual}]\n  expected [${expected}]")
    endif()
endfunction()

# PREFIX_status of run() is `expected`; its standard error tells why not.
function(expect_status what prefix expected)
    if(NOT ${prefix}_status STREQUAL expected)
        message(FATAL_ERROR "${what}: ${${prefix}_status}, not ${expected}; standard error:\n${${prefix}_err_text}")
    endif()
endfunction()

# A captured stream (PREFIX_out or PREFIX_err) holds exactly `text` with Windows's line ends.
function(expect_stream what prefix stream text)
    windows_text(expected "${text}")
    if(NOT ${prefix}_${stream} STREQUAL expected)
        message(FATAL_ERROR "${what}:\n  got      [${${prefix}_${stream}_text}]\n  expected [${text}] with CR LF"
                            "\n  got, in hexadecimal:      ${${prefix}_${stream}}\n  expected, in hexadecimal: ${expected}")
    endif()
endfunction()

# A captured stream is one line, ended by CR LF.
function(expect_one_line what prefix stream)
    if(NOT ${prefix}_${stream} MATCHES "^([0-9a-f][0-9a-f])*0d0a$" OR NOT ${prefix}_${stream}_text MATCHES "^[^\n]*\n$")
        message(FATAL_ERROR "${what} is not one line ended by CR LF: [${${prefix}_${stream}_text}]")
    endif()
endfunction()

function(expect_same_file what actual expected)
    file(READ "${actual}" actual_bytes HEX)
    file(READ "${expected}" expected_bytes HEX)
    expect_equal("${what}, in hexadecimal" "${actual_bytes}" "${expected_bytes}")
endfunction()
