# Fails when a core source (sorvanta_core: QtCore, libcurl and ICU only) includes another Qt module
# in any spelling (<QtWidgets/QWidget>, "QtGui/QImage", <qt6/QtGui/qimage.h>, <../QtGui/QImage>), a
# header of a ui/ folder, or a file named by a macro, which cannot be checked. A bare <QWidget> or
# <QImage> needs no check: the core has no include path to the other modules, so it does not resolve.
#
# Usage: cmake -DSOURCES=<file>|<file>|... -DSTAMP=<file touched when all is well> -P CheckCoreIncludes.cmake
string(REPLACE "|" ";" sources "${SOURCES}")
set(problems "")
foreach(source IN LISTS sources)
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"][^>\"]*[>\"])")
            string(APPEND problems "\n  ${source}: ${line}  (an include by macro cannot be checked)")
            continue()
        endif()
        set(included "${CMAKE_MATCH_1}")
        # Every folder of the path counts: <QtCore/../QtGui/QImage> is QtGui.
        string(REGEX REPLACE "[<>\"]" "" path "${included}")
        string(REPLACE "/" ";" folders "${path}")
        list(POP_BACK folders)
        list(FILTER folders INCLUDE REGEX "^Qt[A-Za-z0-9]+$")
        list(FILTER folders EXCLUDE REGEX "^QtCore$")
        if(folders)
            list(JOIN folders ", " modules)
            string(APPEND problems "\n  ${source}: ${line}  (${modules}: not for the core)")
        elseif("/${path}" MATCHES "/ui/")
            string(APPEND problems "\n  ${source}: ${line}  (a ui/ header)")
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "The core (sorvanta_core) may include QtCore, libcurl, ICU and core headers only:${problems}")
endif()
if(STAMP)
    file(TOUCH "${STAMP}")
endif()
