# What shipped binaries are built with (VELK_RELEASE_FLAGS, on in the release
# presets; the sanitizer and fuzzing builds have their own instrumentation):
#  - hardening, as Debian's dpkg-buildflags give it with hardening=+all, and
#    on Windows ASLR (high entropy), DEP and the stack protector;
#  - reproducibility: no build path and no time stamp in a binary.
# scripts/check-binaries.sh checks the packaged binaries for all of it.
option(VELK_RELEASE_FLAGS "Harden the binaries and make them reproducible" OFF)
if(NOT VELK_RELEASE_FLAGS)
    return()
endif()
if(VELK_SANITIZE OR VELK_FUZZ)
    message(FATAL_ERROR "VELK_RELEASE_FLAGS is for release builds, not sanitizer or fuzzing builds")
endif()

# Source and build folders are written as "." and "build", wherever the clone lies.
target_compile_options(velk_options INTERFACE
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

# _FORTIFY_SOURCE is undefined first (a compiler may define its own level)
# and then set, in one list of options: CMake writes compile definitions
# before compile options, so splitting the two would undefine it again.
# Level 3 needs GCC 12; mingw-w64 has level 2 (with libssp). The release
# presets optimise at -O2, as Debian's hardened builds do: at -O3, GCC 12
# with level 3 warns of an overflow in std::wstring's move that cannot
# happen (a known false positive), and warnings are errors in the tests.
if(WIN32)
    set(velk_fortify_level 2)
elseif(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12)
    set(velk_fortify_level 3)
else()
    set(velk_fortify_level 2)
endif()
target_compile_options(velk_options INTERFACE
    -fstack-protector-strong -Wformat -Werror=format-security
    -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=${velk_fortify_level})
target_link_options(velk_options INTERFACE -fstack-protector-strong)

if(WIN32)
    target_link_options(velk_options INTERFACE
        LINKER:--dynamicbase LINKER:--nxcompat LINKER:--high-entropy-va LINKER:--no-insert-timestamp)
else()
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
        target_compile_options(velk_options INTERFACE -fcf-protection)
    endif()
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    target_link_options(velk_options INTERFACE LINKER:-z,relro LINKER:-z,now LINKER:-z,noexecstack)
endif()
