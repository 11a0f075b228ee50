# SPDX-License-Identifier: MIT
# The Debian package: `cpack -G DEB` in an optimised build (scripts/package does both).
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
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Libraries the executables link to are found by dpkg-shlibdeps; what they load at run time is not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "zsh, qt6-qpa-plugins, qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript, qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-templates, qml6-module-qtquick-layouts, qml6-module-qtquick-window, qml6-module-qtquick-dialogs, qml6-module-qt-labs-folderlistmodel, qml6-module-qt-labs-platform, fonts-material-design-icons-iconfont")

include(CPack)
