# SPDX-License-Identifier: MIT
# The Debian package (`cpack -G DEB`) or the macOS disk image (`cpack -G DragNDrop`) of an optimised
# build; scripts/package makes whichever the system it runs on ships.
set(CPACK_PACKAGE_NAME berthwise)
set(CPACK_PACKAGE_VENDOR "The Berthwise developers")
set(CPACK_PACKAGE_CONTACT "The Berthwise developers <${BERTHWISE_CONTACT_EMAIL}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${BERTHWISE_WEBSITE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Customize your macOS Dock visually, safely, and instantly")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Berthwise changes the Dock's behaviour and appearance, adds spacers and stacks, applies presets, "
    "switches between saved profiles on a weekly schedule, and backs up and restores the Dock's "
    "preferences. Where there is no Dock it runs against the simulated Dock it ships with.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR DEB)
elseif(APPLE)
    set(CPACK_GENERATOR DragNDrop)
    set(CPACK_PACKAGE_FILE_NAME "Berthwise-${PROJECT_VERSION}")
    set(CPACK_DMG_VOLUME_NAME "Berthwise")
    # The bundle is completed and signed where CPack has staged it: the install step strips the
    # executable and rewrites its run paths, which would break a signature made before.
    set(BERTHWISE_SIGNING_IDENTITY "-" CACHE STRING
        "Identity the macOS app is signed with; - signs it ad hoc, for this Mac only")
    find_program(BERTHWISE_MACDEPLOYQT macdeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" REQUIRED)
    set(CPACK_BERTHWISE_DEPLOY_TOOL "${BERTHWISE_MACDEPLOYQT}")
    set(CPACK_BERTHWISE_QML_DIR "${PROJECT_SOURCE_DIR}/src/screens")
    set(CPACK_BERTHWISE_SIGNING_IDENTITY "${BERTHWISE_SIGNING_IDENTITY}")
    set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/macos/CompleteBundle.cmake")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Libraries the executables link to are found by dpkg-shlibdeps; what they load at run time is not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "zsh, qt6-qpa-plugins, qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript, qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-templates, qml6-module-qtquick-layouts, qml6-module-qtquick-window, qml6-module-qtquick-dialogs, qml6-module-qt-labs-folderlistmodel, qml6-module-qt-labs-platform, fonts-material-design-icons-iconfont")
# The desktop's own file dialogs come from a platform theme: GTK's on GNOME and its kin, the desktop
# portal's on KDE and elsewhere; without one, Qt's built-in dialog stands in. The makers' initials on
# the About screen are set in a rounded face where it is installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-gtk-platformtheme, qt6-xdgdesktopportal-platformtheme, xdg-desktop-portal, fonts-quicksand")

include(CPack)
