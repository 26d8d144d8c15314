# Turns the translators' text files (catalogue/strings/NN-language.txt, lines of
# "number<TAB>text", "#" comments) into a C++ table, so that nothing is read at run
# time. Called as: cmake -DOUTPUT=file.cpp -DINPUTS="a.txt;b.txt" -P EmbedStrings.cmake

set(semicolon_placeholder "@SEMICOLON@")
set(rows "")
foreach(input IN LISTS INPUTS)
    get_filename_component(name "${input}" NAME)
    if(NOT name MATCHES "^([0-9]+)-.*\\.txt$")
        message(FATAL_ERROR "${input}: the name must start with the language index, as in 01-german.txt")
    endif()
    math(EXPR language "${CMAKE_MATCH_1}")
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
        if(NOT line MATCHES "^([0-9]+)\t([^\t]*)$")
            message(FATAL_ERROR "${input}:${line_number}: expected a number, one tab and the text")
        endif()
        set(number "${CMAKE_MATCH_1}")
        set(text "${CMAKE_MATCH_2}")
        string(REPLACE "\\" "\\\\" text "${text}")
        string(REPLACE "\"" "\\\"" text "${text}")
        string(REPLACE "${semicolon_placeholder}" ";" text "${text}")
        string(APPEND rows "    {${language}, ${number}, \"${text}\"},\n")
    endforeach()
endforeach()

file(WRITE "${OUTPUT}.tmp"
"// Generated from catalogue/strings/*.txt at build time: edit those files, not this one.\n"
"#include \"catalogue/StringCatalogueData.h\"\n\n"
"namespace mms {\n\n"
"const StringEntry kStringEntries[] = {\n${rows}};\n\n"
"const int kStringEntryCount = int(sizeof(kStringEntries) / sizeof(kStringEntries[0]));\n\n"
"} // namespace mms\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
