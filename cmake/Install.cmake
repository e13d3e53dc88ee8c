# Installation: one program folder under the prefix (the program, its fresh data file and
# its help document side by side, as in the build folder), a launcher on the path, the
# menu entry and the icon; and the Debian package made from the same rules.
include(GNUInstallDirs)

set(ORVALUNE_PROGRAM_DIR lib/orvalune)
set(ORVALUNE_SHARED_HOME /var/lib/orvalune CACHE PATH
    "Data folder shared by everyone of the machine when the program folder is read-only")

install(TARGETS orvalune orvalune_sound DESTINATION ${ORVALUNE_PROGRAM_DIR})
install(FILES resources/help/AjudaAgenda.html DESTINATION ${ORVALUNE_PROGRAM_DIR})
install(DIRECTORY resources/help/images DESTINATION ${ORVALUNE_PROGRAM_DIR}
        FILES_MATCHING PATTERN "*.png")

# The fresh data file is made by the project's own tool at install time; an existing one
# (somebody's agenda) is left as it is.
install(CODE "
    set(data \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ORVALUNE_PROGRAM_DIR}/dadosn.lst\")
    message(STATUS \"Data file: \${data}\")
    execute_process(COMMAND \"$<TARGET_FILE:orvalune-mkdata>\" --keep-existing \"\${data}\"
                    RESULT_VARIABLE made)
    if(NOT made EQUAL 0)
        message(FATAL_ERROR \"The fresh data file could not be made: \${data}\")
    endif()")

configure_file(resources/desktop/orvalune.in ${CMAKE_BINARY_DIR}/install/orvalune @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/orvalune DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/desktop/orvalune.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/images/orvalune.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES resources/images/orvalune48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME orvalune.png)

# Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(ORVALUNE_PROGRAM_FOLDER ${CPACK_PACKAGING_INSTALL_PREFIX}/${ORVALUNE_PROGRAM_DIR})
configure_file(resources/desktop/postinst.in ${CMAKE_BINARY_DIR}/install/postinst @ONLY)
set(CPACK_PACKAGE_NAME orvalune)
set(CPACK_PACKAGE_VENDOR "Orvalune")
set(CPACK_PACKAGE_CONTACT "Orvalune <orvalune@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Agenda pessoal da família")
set(CPACK_PACKAGE_DESCRIPTION
    "Agenda para um computador compartilhado pela família: compromissos com lembretes e\n\
alarmes, endereços e aniversários, finanças do mês, tarefas, anotações, calculadora,\n\
cópia de segurança e impressão. Os dados ficam num único arquivo criptografado.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6network6 (>= 6.4), \
libqt6printsupport6 (>= 6.4), libqt6multimedia6 (>= 6.4), qt6-qpa-plugins, qt6-translations-l10n, libsqlcipher0, libical3, \
zlib1g, libssl3, libcups2, libc6, libstdc++6, adduser")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/install/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

if(ORVALUNE_TESTS)
    add_test(NAME install
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR}
                     ${ORVALUNE_SHARED_HOME})
    # The installed program driven from outside; once, on the plain build.
    if(NOT ORVALUNE_SANITIZE)
        add_test(NAME walkthrough
                 COMMAND sh ${CMAKE_SOURCE_DIR}/tests/walkthrough/run_walkthrough.sh
                         ${CMAKE_BINARY_DIR})
        set_tests_properties(walkthrough PROPERTIES TIMEOUT 300 RUN_SERIAL ON)
    endif()
endif()
