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

# velk_add_room(NAME SOURCES... [PLATFORM_SOURCES stem...] [WIN32_SOURCES file...]
#               [DEPENDS target...])
# A static library for one room; each PLATFORM_SOURCES stem gets the file
# <stem>_<platform>.cpp of the platform being built.
function(velk_add_room name)
    cmake_parse_arguments(ROOM "" "" "SOURCES;PLATFORM_SOURCES;WIN32_SOURCES;DEPENDS" ${ARGN})
    set(sources ${ROOM_SOURCES})
    if(WIN32)
        list(APPEND sources ${ROOM_WIN32_SOURCES})
    endif()
    foreach(stem IN LISTS ROOM_PLATFORM_SOURCES)
        list(APPEND sources ${stem}_${VELK_PLATFORM}.cpp)
    endforeach()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ROOM_DEPENDS} PRIVATE velk_options)
endfunction()
