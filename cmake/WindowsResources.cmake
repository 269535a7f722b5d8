# Gives a Windows program its icon, its version information and its application manifest, one resource script
# for each, from cmake/windows/. The version is the project's, the one source of truth.
function(brindle_windows_resources program description)
    set(BRINDLE_PROGRAM ${program})
    set(BRINDLE_PROGRAM_DESCRIPTION ${description})
    set(BRINDLE_MANIFEST ${PROJECT_SOURCE_DIR}/cmake/windows/program.manifest)
    set(patch 0)
    if(PROJECT_VERSION_PATCH)
        set(patch ${PROJECT_VERSION_PATCH})
    endif()
    set(BRINDLE_VERSION_NUMBERS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${patch},0")
    set(script ${CMAKE_BINARY_DIR}/resources/${program}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.rc.in ${script} @ONLY)
    target_sources(${program} PRIVATE ${script})
    set_source_files_properties(${script} TARGET_DIRECTORY ${program}
        PROPERTIES OBJECT_DEPENDS "${BRINDLE_PROGRAM_ICON_FILE};${BRINDLE_MANIFEST}")
endfunction()
