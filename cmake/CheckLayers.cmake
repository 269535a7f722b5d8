# The layers of the sources, checked as a test: every include names its folder from the one include root, the
# project's root, and reaches only into its own folder or the folders below it; Qt reaches neither the base, the
# item data nor the checker, which build without it.
#   app      -> ui, platform, itemdata, base     main and start-up
#   ui       -> platform, itemdata, base         the two windows, their widgets and artwork
#   platform -> base                             the desktop's services on Qt
#   checker  -> itemdata, base                   brindlework-check, without Qt
#   table    -> itemdata, base                   brindlework-table, without Qt
#   itemdata -> base                             the item files, without Qt
#   base                                         files, file utilities and the command line, without Qt
# Usage: cmake -DSOURCE_DIR=<project root> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
set(below_app app ui platform itemdata base)
set(below_ui ui platform itemdata base)
set(below_platform platform base)
set(below_checker checker itemdata base)
set(below_table table itemdata base)
set(below_itemdata itemdata base)
set(below_base base)
set(without_qt base itemdata checker table)

set(faults)
foreach(layer app ui platform checker table itemdata base)
    file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]*)\"")
                set(included ${CMAKE_MATCH_1})
                string(REGEX MATCH "^[^/]+" folder ${included})
                if(included MATCHES "\\.moc$")
                    # moc's output for a file's own classes, made beside it in the build
                elseif(NOT included MATCHES "/" OR included MATCHES "\\.\\.")
                    list(APPEND faults "${source}: \"${included}\" does not name its folder from the project's root")
                elseif(NOT folder IN_LIST below_${layer})
                    list(APPEND faults "${source}: \"${included}\" reaches up from ${layer}/ into ${folder}/")
                endif()
            elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[^>]*)>" AND layer IN_LIST without_qt)
                list(APPEND faults "${source}: <${CMAKE_MATCH_1}> brings Qt into ${layer}/, which builds without it")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " listed)
    message(FATAL_ERROR "The layers are broken:\n  ${listed}")
endif()
message(STATUS "The layers hold: every include points down from its folder, and no Qt reaches base/, itemdata/, checker/ or table/")
