# `make package`: the Debian package larkspan_<version>_amd64.deb, made by
# CPack from the install rules, with the prefix /usr. Its dependencies are
# computed from the binaries (dpkg-shlibdeps), plus what the program needs
# at run time without linking it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME larkspan)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_DEBIAN_PACKAGE_RELEASE "${LARKSPAN_DEBIAN_REVISION}")
set(CPACK_PACKAGE_VENDOR "The Larkspan developers")
set(CPACK_PACKAGE_CONTACT "The Larkspan developers <${LARKSPAN_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "storage planner for video-surveillance installations")
set(CPACK_PACKAGE_DESCRIPTION
    "Larkspan plans the disk space of a video-surveillance site. An installer
lists the site's channel groups (a name, a channel count, an IPC camera or a
DVR/NVR recorder, and either a fixed rate from resolution, frame rate and
encoding or the recommended rate of a typical scene); Larkspan sums the
bitrate and shows, live, how long a disk records or how much disk a
recording period needs. English and Chinese interface and user manual.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LARKSPAN_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system plug-ins. Qt's Chinese catalogues, which the program
# folder links to, translate the standard dialogs of the Chinese interface;
# without them those stay English and everything else is still Chinese. A
# PDF viewer opens the manual, a CJK font shows Chinese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, xdg-utils, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "mupdf | evince | okular")
# /etc/larkspan/Setup.xml is a configuration file: an upgrade keeps the
# administrator's changes (and asks when the shipped file changed too).
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_CURRENT_LIST_DIR}/conffiles")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
