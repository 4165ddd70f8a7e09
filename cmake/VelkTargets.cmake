# Compiler settings shared by every target of the project.

add_library(velk_options INTERFACE)
target_compile_options(velk_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
    -Wold-style-cast -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough
    $<$<BOOL:${VELK_WARNINGS_AS_ERRORS}>:-Werror>)

# Windows executables ship without their symbol tables.
if(WIN32)
    target_link_options(velk_options INTERFACE $<$<CONFIG:Release>:-s>)
endif()

if(VELK_SANITIZE)
    target_compile_options(velk_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(velk_options INTERFACE -fsanitize=address,undefined)
endif()

if(VELK_FUZZ)
    target_compile_options(velk_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# velk_platform_sources(VAR STEM...): for each STEM the file of the platform
# being built, as its suffix names the platform it needs: <stem>_win32.cpp on
# Windows; elsewhere <stem>_linux.cpp (Linux-only calls) on Linux, else
# <stem>_posix.cpp (POSIX calls only).
function(velk_platform_sources var)
    set(sources)
    foreach(stem IN LISTS ARGN)
        if(WIN32)
            list(APPEND sources ${stem}_win32.cpp)
        elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${stem}_linux.cpp)
            list(APPEND sources ${stem}_linux.cpp)
        else()
            list(APPEND sources ${stem}_posix.cpp)
        endif()
    endforeach()
    set(${var} ${sources} PARENT_SCOPE)
endfunction()

# velk_add_room(NAME SOURCES... [PLATFORM_SOURCES stem...] [WIN32_SOURCES file...]
#               [DEPENDS target...])
# A static library for one room, with the platform file of each
# PLATFORM_SOURCES stem (velk_platform_sources).
function(velk_add_room name)
    cmake_parse_arguments(ROOM "" "" "SOURCES;PLATFORM_SOURCES;WIN32_SOURCES;DEPENDS" ${ARGN})
    velk_platform_sources(platform ${ROOM_PLATFORM_SOURCES})
    set(sources ${ROOM_SOURCES} ${platform})
    if(WIN32)
        list(APPEND sources ${ROOM_WIN32_SOURCES})
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ROOM_DEPENDS} PRIVATE velk_options)
endfunction()
