# What a Linux install puts beside the programs: the licences that must travel with them, and the desktop entry
# through which desktops know the editor's name and icon. Included from the root CMakeLists.txt after the
# programs' own install rules.
include(GNUInstallDirs)

# Named here rather than taken from CMAKE_INSTALL_DOCDIR, which follows the capitalised project name.
set(BRINDLE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/brindlework)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt
        DESTINATION ${BRINDLE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/licenses/ DESTINATION ${BRINDLE_INSTALL_DOCDIR}/licenses)

# Desktop entries and icon themes are the free desktops' way; Windows finds the program's icon in its resources.
if(TARGET brindlework AND NOT WIN32)
    # The entry stays out of the menus (NoDisplay): the suite starts the editor, always with a file or a folder.
    install(FILES ${PROJECT_SOURCE_DIR}/app/brindlework.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    # The icon theme's folders, which the entry's Icon=brindlework and the task switchers look in; the theme has no
    # folder for the odd sizes 20 and 40.
    foreach(size 16 24 32 48 64 256)
        install(FILES ${BRINDLE_PROGRAM_ICON_FOLDER}/ProgramIcon${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME brindlework.png)
    endforeach()
endif()
