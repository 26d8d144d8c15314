# The Windows build of the core and of mms-setup-cli, without Qt; included by the
# top-level CMakeLists.txt when no Qt for Windows is found.

# CLI11 and nlohmann/json are headers only, so that a cross build can take the build
# machine's copies. It reaches them through a folder that holds nothing else: the
# build machine's whole include folder would shadow the target system's C headers.
if(CMAKE_CROSSCOMPILING)
    set(host_headers "${PROJECT_BINARY_DIR}/host-headers")
    file(MAKE_DIRECTORY "${host_headers}")
    foreach(library CLI nlohmann)
        find_path(${library}_HOST_INCLUDE ${library} NO_CMAKE_FIND_ROOT_PATH REQUIRED)
        file(CREATE_LINK "${${library}_HOST_INCLUDE}/${library}" "${host_headers}/${library}" SYMBOLIC)
    endforeach()
    add_library(CLI11::CLI11 INTERFACE IMPORTED)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    set_target_properties(CLI11::CLI11 nlohmann_json::nlohmann_json PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${host_headers}")
endif()

add_subdirectory(version)
add_subdirectory(catalogue)
add_subdirectory(settings)
add_subdirectory(advice)
add_subdirectory(cli)

if(BUILD_TESTING)
    add_subdirectory(tests/windows)
endif()
