# Turns tab-separated text files (one row a line, "#" comments, empty lines skipped)
# into a constant C++ table, so that nothing is read at run time. Called as:
#   cmake -DOUTPUT=file.cpp -DINPUTS="a.txt;b.txt" -DHEADER=catalogue/X.h -DTYPE=Row
#         -DTABLE=kRows -DCOUNT=kRowCount -DCOLUMNS=3 [-DNUMBER_COLUMNS=0;2] [-DFILE_NUMBER=ON]
#         -P EmbedTable.cmake
# Each row becomes {cell, ...} for an aggregate TYPE: cells are C++ string literals,
# those in NUMBER_COLUMNS (counted from 0) whole numbers. With FILE_NUMBER the number
# that starts each file's name (as in 01-german.txt) comes first in each of its rows.
# The table is TABLE[], its length the int COUNT.

cmake_minimum_required(VERSION 3.25)

set(semicolon_placeholder "@SEMICOLON@")
set(rows "")
foreach(input IN LISTS INPUTS)
    get_filename_component(name "${input}" NAME)
    set(file_cells "")
    if(FILE_NUMBER)
        if(NOT name MATCHES "^([0-9]+)-.*\\.txt$")
            message(FATAL_ERROR "${input}: the name must start with a number, as in 01-german.txt")
        endif()
        math(EXPR file_number "${CMAKE_MATCH_1}")
        set(file_cells "${file_number}, ")
    endif()
    file(READ "${input}" content)
    string(REPLACE ";" "${semicolon_placeholder}" content "${content}")
    string(REPLACE "\r" "" content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    set(line_number 0)
    foreach(line IN LISTS lines)
        math(EXPR line_number "${line_number} + 1")
        if(line STREQUAL "" OR line MATCHES "^#")
            continue()
        endif()
        string(REPLACE "\t" ";" cells "${line}")
        list(LENGTH cells cell_count)
        if(NOT cell_count EQUAL COLUMNS)
            message(FATAL_ERROR "${input}:${line_number}: expected ${COLUMNS} columns separated by tabs, found ${cell_count}")
        endif()
        set(row "")
        set(column 0)
        foreach(cell IN LISTS cells)
            if(column IN_LIST NUMBER_COLUMNS)
                if(NOT cell MATCHES "^[0-9]+$")
                    message(FATAL_ERROR "${input}:${line_number}: column ${column} must be a number, not \"${cell}\"")
                endif()
                math(EXPR cell "${cell}")
                list(APPEND row "${cell}")
            else()
                string(REPLACE "\\" "\\\\" cell "${cell}")
                string(REPLACE "\"" "\\\"" cell "${cell}")
                list(APPEND row "\"${cell}\"")
            endif()
            math(EXPR column "${column} + 1")
        endforeach()
        list(JOIN row ", " row)
        string(REPLACE "${semicolon_placeholder}" ";" row "${row}")
        string(APPEND rows "    {${file_cells}${row}},\n")
    endforeach()
endforeach()

string(REPLACE ";" ", " input_names "${INPUTS}")
file(WRITE "${OUTPUT}.tmp"
"// Generated at build time from text files of catalogue/: edit those, not this one.\n"
"#include \"${HEADER}\"\n\n"
"namespace mms {\n\n"
"const ${TYPE} ${TABLE}[] = {\n${rows}};\n\n"
"const int ${COUNT} = int(sizeof(${TABLE}) / sizeof(${TABLE}[0]));\n\n"
"} // namespace mms\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
