# Where `cmake --install` puts the two programs and, on a Linux desktop, what makes
# them an installed program: the menu entry and its icons, the AppStream metadata,
# the manual pages, the bash completion and the licence.
include(GNUInstallDirs)

install(TARGETS mms-setup mms-setup-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

if(NOT UNIX OR APPLE)
    return()
endif()

# The AppStream id is the reverse of the project's placeholder domain, mms-setup.invalid;
# the homepage and the screenshots' addresses are under that domain too. Change them
# together once the project has a domain of its own.
set(MMS_APPSTREAM_ID "invalid.mms_setup.mms_setup")
set(MMS_HOMEPAGE "https://mms-setup.invalid/")
# The day this version was released: the metadata's release and the manual pages' date.
set(MMS_RELEASE_DATE "2026-12-11")

set(packaging_source "${PROJECT_SOURCE_DIR}/packaging")
set(packaging_binary "${PROJECT_BINARY_DIR}/packaging")

install(FILES "${packaging_source}/mms-setup.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

configure_file("${packaging_source}/mms-setup.metainfo.xml.in"
               "${packaging_binary}/${MMS_APPSTREAM_ID}.metainfo.xml" @ONLY)
install(FILES "${packaging_binary}/${MMS_APPSTREAM_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

foreach(size 16 32 48 64 128 256)
    install(FILES "${packaging_source}/icons/${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME mms-setup.png)
endforeach()

install(FILES "${packaging_source}/mms-setup-cli.bash"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions"
        RENAME mms-setup-cli)

# Installs SOURCE gzip-compressed into DESTINATION, as Debian's policy asks of manual
# pages and changelogs; man and zless read them so.
function(mms_install_compressed source destination)
    get_filename_component(name "${source}" NAME)
    set(compressed "${packaging_binary}/${name}.gz")
    add_custom_command(OUTPUT "${compressed}"
                       COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" sh "${source}" "${compressed}"
                       DEPENDS "${source}"
                       VERBATIM)
    add_custom_target(compress-${name} ALL DEPENDS "${compressed}")
    install(FILES "${compressed}" DESTINATION "${destination}")
endfunction()

configure_file("${packaging_source}/mms-setup.1.in" "${packaging_binary}/mms-setup.1" @ONLY)
mms_install_compressed("${packaging_binary}/mms-setup.1" "${CMAKE_INSTALL_MANDIR}/man1")

# mms-setup-cli's page takes each command's section from the built program's --help.
configure_file("${packaging_source}/mms-setup-cli.1.in" "${packaging_binary}/mms-setup-cli.1.in" @ONLY)
add_custom_command(OUTPUT "${packaging_binary}/mms-setup-cli.1"
                   COMMAND sh "${packaging_source}/cli-manpage.sh" "$<TARGET_FILE:mms-setup-cli>"
                           "${packaging_binary}/mms-setup-cli.1.in" "${packaging_binary}/mms-setup-cli.1"
                   DEPENDS mms-setup-cli "${packaging_source}/cli-manpage.sh" "${packaging_binary}/mms-setup-cli.1.in"
                   VERBATIM)
mms_install_compressed("${packaging_binary}/mms-setup-cli.1" "${CMAKE_INSTALL_MANDIR}/man1")

# Debian's layout for the licence and the history: /usr/share/doc/mms-setup/.
install(FILES "${packaging_source}/copyright" DESTINATION "${CMAKE_INSTALL_DOCDIR}")
configure_file("${packaging_source}/changelog.in" "${packaging_binary}/changelog" @ONLY)
mms_install_compressed("${packaging_binary}/changelog" "${CMAKE_INSTALL_DOCDIR}")
