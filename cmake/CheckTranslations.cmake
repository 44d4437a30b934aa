# Fails when a text the program shows has no finished English translation: runs lupdate over the sources
# into a copy of the .ts file, so a text not in the file yet comes in unfinished too, and lists them.
# Usage: cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<src> -DTS_FILE=<sorvanta_en.ts> -DWORK_DIR=<dir>
#        -P CheckTranslations.cmake
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(ts_name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${ts_name})
file(COPY_FILE ${TS_FILE} ${copy})
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none -extensions cpp,h ${SOURCE_DIR} -ts ${copy}
    RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
file(READ ${copy} text)
# A ";" would split the lists below.
string(REPLACE "&amp;" "&" text "${text}")
string(REPLACE ";" "," text "${text}")
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*<translation type=\"unfinished\"" unfinished "${text}")
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*<translation></translation>" empty "${text}")
list(APPEND unfinished ${empty})
list(LENGTH unfinished count)
if(count GREATER 0)
    string(REGEX REPLACE "</?source>|<translation[^;]*" "" texts "${unfinished}")
    string(REPLACE ";" "\n  " texts "${texts}")
    message(FATAL_ERROR "${count} texts without an English translation in ${ts_name}:\n  ${texts}\n"
        "Run: cmake --build <build> --target update_translations, then translate them in ${TS_FILE}")
endif()
