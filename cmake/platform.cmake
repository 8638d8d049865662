# What differs between the systems the core is built for. A source named
# *_posix.cpp is built on Linux only, *_windows.cpp on Windows only.
if(WIN32)
    enable_language(RC)
    set(ZORVA_PLATFORM_SUFFIX windows)
    set(ZORVA_OTHER_PLATFORM_SUFFIX posix)
    # The system converts and collates; the LoTW download (libcurl) stays Linux-only here.
    set(ZORVA_INI_CONVERTER SI_CONVERT_WIN32)
    set(ZORVA_TEXT_LIBS)
    # SimpleIni is one header; the cross build takes it from the build machine.
    find_file(SIMPLEINI_HEADER SimpleIni.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    # Debian's header keeps the template's body for its own library, built for Linux only.
    configure_file(${SIMPLEINI_HEADER} ${CMAKE_BINARY_DIR}/simpleini/SimpleIni.h COPYONLY)
    file(WRITE ${CMAKE_BINARY_DIR}/simpleini/simpleini.cpp
         "#define SI_IMPLEMENTATION\n#include <SimpleIni.h>\n"
         "template class CSimpleIniTempl<char, SI_NoCase<char>, SI_ConvertA<char>>;\n")
    add_library(zorva_simpleini STATIC ${CMAKE_BINARY_DIR}/simpleini/simpleini.cpp)
    target_compile_definitions(zorva_simpleini PUBLIC SI_CONVERT_WIN32)
    target_compile_options(zorva_simpleini PRIVATE -w)
    target_include_directories(zorva_simpleini SYSTEM PUBLIC ${CMAKE_BINARY_DIR}/simpleini)
    add_library(zorva::simpleini ALIAS zorva_simpleini)
    set(ZORVA_INI_LIBS zorva::simpleini)
    option(ZORVA_LOTW "Build the LoTW download (needs libcurl)" OFF)
    # The About picture is decoded by libjpeg's 6.2 interface; Qt's static JPEG plugin brings
    # libjpeg 8 under the same names, which would take its calls. No program needs the plugin.
    define_property(TARGET PROPERTY QT_NO_PLUGINS INHERITED)
    define_property(DIRECTORY PROPERTY QT_NO_PLUGINS INHERITED)
    set_property(GLOBAL PROPERTY QT_NO_PLUGINS Qt6::QJpegPlugin)
else()
    set(ZORVA_PLATFORM_SUFFIX posix)
    set(ZORVA_OTHER_PLATFORM_SUFFIX windows)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(SIMPLEINI REQUIRED IMPORTED_TARGET simpleini)
    pkg_check_modules(ICU REQUIRED IMPORTED_TARGET icu-i18n icu-uc)
    set(ZORVA_INI_CONVERTER SI_CONVERT_ICU)
    set(ZORVA_TEXT_LIBS PkgConfig::ICU)
    set(ZORVA_INI_LIBS PkgConfig::SIMPLEINI PkgConfig::ICU)
    option(ZORVA_LOTW "Build the LoTW download (needs libcurl)" ON)
endif()

# The system libraries the core's platform files call (none beyond the C library on Linux).
add_library(zorva_system INTERFACE)
add_library(zorva::system ALIAS zorva_system)
if(WIN32)
    target_link_libraries(zorva_system INTERFACE shell32)
endif()

# Drops from a list of sources those of the other platform.
function(zorva_keep_this_platform list_var)
    set(kept ${${list_var}})
    list(FILTER kept EXCLUDE REGEX "_${ZORVA_OTHER_PLATFORM_SUFFIX}(_test)?\\.cpp$")
    set(${list_var} ${kept} PARENT_SCOPE)
endfunction()

# Windows: the program's icon and a version resource (name, description, version)
# for an executable; nothing elsewhere.
function(zorva_add_program_resource target description)
    if(NOT WIN32)
        return()
    endif()
    set(ZORVA_ICON_FILE ${CMAKE_SOURCE_DIR}/data/zorva_rade.ico)
    set(ZORVA_RESOURCE_NAME ${target})
    set(ZORVA_RESOURCE_DESCRIPTION ${description})
    set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/windows_resource.rc.in ${resource} @ONLY)
    target_sources(${target} PRIVATE ${resource})
endfunction()
