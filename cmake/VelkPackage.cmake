# What `cmake --install` puts in place and CPack packs: the starter and a
# sample config.ini, to be copied beside velk.exe. A zip for Windows, a
# tar.gz for Linux (where the starter needs Debian's Qt 6 libraries).
install(FILES ${PROJECT_SOURCE_DIR}/demo/config.ini DESTINATION .)

set(CPACK_PACKAGE_NAME Velk_Loader)
set(CPACK_PACKAGE_VENDOR none)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_SYSTEM_NAME windows-x64)
else()
    set(CPACK_GENERATOR TGZ)
    set(CPACK_SYSTEM_NAME linux-${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
