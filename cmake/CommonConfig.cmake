# One place for the language standard, the warnings and the sanitizer switch.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

add_library(zelpor_options INTERFACE)
target_compile_options(zelpor_options INTERFACE
    -Wall -Wextra -Wold-style-cast -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -pedantic -Wno-missing-field-initializers
    $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)

# CI builds with this ON so that a new warning fails the build.
option(ZELPOR_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
if(ZELPOR_WARNINGS_AS_ERRORS)
    target_compile_options(zelpor_options INTERFACE -Werror)
endif()

option(ZELPOR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ZELPOR_SANITIZE)
    # GCC leaves float-to-int overflow out of "undefined": a NaN or huge float
    # from a damaged file reaching an integer conversion must fail the tests.
    add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined,float-cast-overflow)
    add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

# Qt strictness for the widget layer only.
add_library(zelpor_qt_options INTERFACE)
target_compile_definitions(zelpor_qt_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)

# Reuse object files between build folders when ccache is there (optional).
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM AND NOT DEFINED CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()
