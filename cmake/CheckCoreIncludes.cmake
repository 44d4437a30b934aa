# Fails when a core source (sorvanta_core: QtCore, libcurl, ICU and uchardet only) includes another Qt
# module in any spelling (<QtWidgets/QWidget>, "QtGui/QImage", <qt6/QtGui/qimage.h>, <../QtGui/QImage>),
# a header of a ui/ folder, a header of a layer above its own, or a file named by a macro, which cannot
# be checked. A bare <QWidget> or <QImage> needs no check: the core has no include path to the other
# modules, so it does not resolve. The layers, lowest first: base, settings, retrieval, display,
# editors; startup composes them all. A source outside these folders has no layer to keep.
#
# Usage: cmake -DSOURCES=<file>|<file>|... -DSTAMP=<file touched when all is well> -P CheckCoreIncludes.cmake
string(REPLACE "|" ";" sources "${SOURCES}")
set(layers base settings retrieval display editors startup)
set(problems "")
foreach(source IN LISTS sources)
    set(own_layer -1)
    if(source MATCHES "/src/([a-z]+)/[^/]+$")
        list(FIND layers "${CMAKE_MATCH_1}" own_layer)
    endif()
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
        elseif(own_layer GREATER_EQUAL 0 AND path MATCHES "^([a-z]+)/")
            list(FIND layers "${CMAKE_MATCH_1}" included_layer)
            if(included_layer GREATER own_layer)
                string(APPEND problems "\n  ${source}: ${line}  (${CMAKE_MATCH_1} is a layer above)")
            endif()
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "The core (sorvanta_core) may include QtCore, libcurl, ICU, uchardet and the headers of its own layer and those below only:${problems}")
endif()
if(STAMP)
    file(TOUCH "${STAMP}")
endif()
