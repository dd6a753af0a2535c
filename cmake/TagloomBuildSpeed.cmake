# Precompiled Qt headers for the libraries and programs with enough sources to gain from them.
# Off under a compiler cache: it cannot cache compilations that use a precompiled header unless
# told to be sloppy about it, and a warm cache is faster anyway.

if(CMAKE_CXX_COMPILER_LAUNCHER)
    set(tagloom_pch_default OFF)
else()
    set(tagloom_pch_default ON)
endif()
option(TAGLOOM_PRECOMPILED_HEADERS "Precompile the Qt headers of the bigger targets"
       ${tagloom_pch_default})

# A faster linker where there is one: the ~70 links (every test links the program) took 34
# job-seconds with the default one and a fifth of that with lld. The three binaries the package
# ships keep the default linker: linked with lld the program started about 1 ms slower (38.5 ms
# against 37.8 ms to a painted window, on Xvfb). -DTAGLOOM_LINKER=bfd uses the default for all.
include(CheckLinkerFlag)
set(TAGLOOM_LINKER "" CACHE STRING "Linker for -fuse-ld= (empty: lld, else gold, if they work)")
set(TAGLOOM_SHIPPED_BINARIES tagloom tagloom_windows tagloom_web)
if(TAGLOOM_LINKER)
    set(tagloom_linkers ${TAGLOOM_LINKER})
else()
    set(tagloom_linkers lld gold)
endif()
set(tagloom_fast_linker "")
foreach(linker IN LISTS tagloom_linkers)
    check_linker_flag(CXX -fuse-ld=${linker} TAGLOOM_LINKER_${linker}_WORKS)
    if(TAGLOOM_LINKER_${linker}_WORKS)
        set(tagloom_fast_linker ${linker})
        break()
    endif()
endforeach()

# Call once every target exists: the fast linker for all but the shipped binaries.
function(tagloom_link_quickly)
    if(NOT tagloom_fast_linker)
        return()
    endif()
    tagloom_built_targets("SHARED_LIBRARY|MODULE_LIBRARY|EXECUTABLE" targets)
    list(REMOVE_ITEM targets ${TAGLOOM_SHIPPED_BINARIES})
    foreach(target IN LISTS targets)
        target_link_options(${target} PRIVATE -fuse-ld=${tagloom_fast_linker})
    endforeach()
endfunction()

# Unity builds: each target compiles its sources in batches, so the Qt headers and the inline code
# they bring are read and compiled once a batch instead of once a file (the libraries built in
# 82 job-seconds instead of 199). Same default as above; -DCMAKE_UNITY_BUILD=OFF turns it off.
# Names in anonymous namespaces must therefore not clash between the files of one target.
if(NOT DEFINED CMAKE_UNITY_BUILD AND tagloom_pch_default)
    set(CMAKE_UNITY_BUILD ON)
endif()

set(TAGLOOM_PCH_CORE <QDir> <QFile> <QFileInfo> <QHash> <QList> <QObject> <QPointer> <QString>
    <QStringList>)
set(TAGLOOM_PCH_WIDGETS ${TAGLOOM_PCH_CORE} <QApplication> <QLabel> <QLineEdit> <QPainter>
    <QPixmap> <QPlainTextEdit> <QPushButton> <QWidget>)

# Whether `target` links Qt Widgets, directly or through the project's own libraries.
function(tagloom_links_widgets target out)
    set(seen "")
    set(todo ${target})
    set(found FALSE)
    while(todo)
        list(POP_FRONT todo current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        if(current STREQUAL "Qt6::Widgets")
            set(found TRUE)
            break()
        endif()
        if(current MATCHES "::")
            continue()
        endif()
        get_target_property(type ${current} TYPE)
        set(libs "")
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(direct ${current} LINK_LIBRARIES)
            if(direct)
                list(APPEND libs ${direct})
            endif()
        endif()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        if(interface)
            list(APPEND libs ${interface})
        endif()
        foreach(lib IN LISTS libs)
            if(NOT lib MATCHES "^\\$<")
                list(APPEND todo ${lib})
            endif()
        endforeach()
    endwhile()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# The precompiled header that suits `target`: widgets or core.
function(tagloom_header_flavour target out)
    tagloom_links_widgets(${target} widgets)
    if(widgets)
        set(${out} widgets PARENT_SCOPE)
    else()
        set(${out} core PARENT_SCOPE)
    endif()
endfunction()

function(tagloom_targets_in dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        tagloom_targets_in(${sub} more)
        list(APPEND targets ${more})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Every target in the tree whose type matches `types` (alternatives joined by "|").
function(tagloom_built_targets types out)
    tagloom_targets_in(${CMAKE_SOURCE_DIR} targets)
    set(matching "")
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(${types})$")
            list(APPEND matching ${target})
        endif()
    endforeach()
    set(${out} ${matching} PARENT_SCOPE)
endfunction()

# Call once every target exists (at the end of the top-level CMakeLists.txt).
function(tagloom_precompile_qt_headers)
    if(NOT TAGLOOM_PRECOMPILED_HEADERS)
        return()
    endif()
    tagloom_built_targets("STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|EXECUTABLE" targets)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        get_target_property(sources ${target} SOURCES)
        list(FILTER sources INCLUDE REGEX "\\.cpp$")
        list(LENGTH sources count)
        if(count LESS 4) # three sources or fewer: building the header costs more than it saves
            continue()
        endif()
        tagloom_header_flavour(${target} flavour)
        if(type STREQUAL "EXECUTABLE")
            string(TOUPPER ${flavour} upper)
            target_precompile_headers(${target} PRIVATE ${TAGLOOM_PCH_${upper}})
        else()
            # The libraries all compile the same way, so they share one header per flavour.
            target_precompile_headers(${target} REUSE_FROM tagloom_library_headers_${flavour})
        endif()
    endforeach()
endfunction()

# The holders of the libraries' shared headers: they link nothing of the program, so any
# library may wait for them.
if(TAGLOOM_PRECOMPILED_HEADERS)
    foreach(flavour core widgets)
        set(holder tagloom_library_headers_${flavour})
        file(WRITE ${CMAKE_BINARY_DIR}/${holder}.cpp "// Holds the libraries' shared header.\n")
        add_library(${holder} OBJECT ${CMAKE_BINARY_DIR}/${holder}.cpp)
        string(TOUPPER ${flavour} upper)
        if(flavour STREQUAL "widgets")
            target_link_libraries(${holder} PRIVATE Qt6::Widgets)
        else()
            target_link_libraries(${holder} PRIVATE Qt6::Core)
        endif()
        target_precompile_headers(${holder} PRIVATE ${TAGLOOM_PCH_${upper}})
    endforeach()
endif()

# tagloom_test_headers(<holder> <libraries> <header>...): a precompiled header for many test
# executables at once, built in the object library <holder> that links <libraries> (so it sees
# the same Qt definitions as the tests that use it). Qt Test defines the test's build folder on
# the command line and its headers test it, which would make a header precompiled in one folder
# unusable in the next; the tests do not look up data files that way, so it is dropped for them.
function(tagloom_test_headers holder libraries)
    if(NOT TAGLOOM_PRECOMPILED_HEADERS)
        return()
    endif()
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${holder}.cpp "// Holds the shared test header.\n")
    add_library(${holder} OBJECT ${CMAKE_CURRENT_BINARY_DIR}/${holder}.cpp)
    target_link_libraries(${holder} PRIVATE ${libraries})
    target_include_directories(${holder} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    tagloom_drop_test_folder(${holder})
    target_precompile_headers(${holder} PRIVATE ${ARGN})
    set_target_properties(${holder} PROPERTIES AUTOMOC OFF)
endfunction()

# -Winvalid-pch: a shared header the compiler cannot use (other definitions) is a warning, not a
# silent full parse.
function(tagloom_drop_test_folder target)
    target_compile_options(${target} PRIVATE -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR
                                             -Winvalid-pch)
endfunction()

# tagloom_use_test_headers(<test>): <test> compiles with the shared test header that matches what
# it links (a header built with other Qt modules' definitions would be of no use to the compiler).
# Tests of the web engine get none: too few to pay for a header of their own.
function(tagloom_use_test_headers target)
    get_target_property(libs ${target} LINK_LIBRARIES)
    if(libs MATCHES "WebEngine")
        return()
    endif()
    tagloom_header_flavour(${target} flavour)
    set(holder tagloom_test_headers_${flavour})
    if(NOT TARGET ${holder})
        return()
    endif()
    tagloom_drop_test_folder(${target})
    target_precompile_headers(${target} REUSE_FROM ${holder})
endfunction()
