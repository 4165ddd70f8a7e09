# What `cmake --install` puts in place: the starter and a sample config.ini,
# to be copied beside velk.exe. scripts/package.sh packs it reproducibly, a
# zip for Windows and a tar.gz for Linux (where the starter needs Debian's
# Qt 6 libraries).
install(FILES ${PROJECT_SOURCE_DIR}/demo/config.ini DESTINATION .)
