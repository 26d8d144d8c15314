# `make package`: a Debian package of what cmake/Install.cmake installs, written into
# the build folder as mms-setup_VERSION_ARCH.deb. The version is the project's.
set(CPACK_PACKAGE_NAME mms-setup)
set(CPACK_PACKAGE_VENDOR "The mms-setup developers")
set(CPACK_PACKAGE_CONTACT "The mms-setup developers <maintainers@mms-setup.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings files for cellular trail cameras")
# Debian wraps the long description at 80 columns, a space before each line.
set(CPACK_PACKAGE_DESCRIPTION
    "A cellular trail camera reads its settings from three small binary files on
its memory card: CAMERASETUP.dat (capture, clock and schedule), MMSSETUP.dat
(sending pictures by MMS) and SMTPSETUP.dat (sending them by e-mail). The
desktop program mms-setup writes them byte for byte as the camera expects,
with a built-in catalogue of mobile operators; the command line mms-setup-cli
writes and inspects the same files, for people who prepare many cards and for
scripts.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MMS_HOMEPAGE}")
    # dpkg-shlibdeps works out the libraries; the windows draw their texts in Liberation Sans.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
    # Debian's own packages are stripped, their folders 0755 whatever the packager's umask.
    set(CPACK_STRIP_FILES ON)
    set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()

include(CPack)
