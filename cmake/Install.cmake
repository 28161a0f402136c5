# Installing the game on a desktop (cmake --install) and its Debian package (cpack):
# the program, its desktop entry, icons, AppStream metadata, manual page and documents.
include(GNUInstallDirs)

set(EPEE_APP_ID io.github.epee.legendaire)
set(EPEE_PACKAGE epee-legendaire)
# Debian keeps games in their own directory, which is on every player's path.
set(EPEE_INSTALL_GAMESDIR games CACHE PATH "Where the program is installed, under the prefix")
set(EPEE_MAINTAINER "Studio de L'Épée légendaire <studio@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

# Installed directories are 755 whatever the umask of whoever builds the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Debian wants the changelog and the manual page compressed, without a timestamp.
set(EPEE_DIST_OUT ${CMAKE_BINARY_DIR}/dist)
set(EPEE_COMPRESSED)
foreach(doc changelog epee.6)
  add_custom_command(
    OUTPUT ${EPEE_DIST_OUT}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${EPEE_DIST_OUT}
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/dist/${doc} > ${EPEE_DIST_OUT}/${doc}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/dist/${doc}
    COMMENT "Compressing ${doc}")
  list(APPEND EPEE_COMPRESSED ${EPEE_DIST_OUT}/${doc}.gz)
endforeach()
add_custom_target(epee_dist ALL DEPENDS ${EPEE_COMPRESSED})

install(TARGETS epee RUNTIME DESTINATION ${EPEE_INSTALL_GAMESDIR})
install(FILES dist/${EPEE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/${EPEE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128 256)
  install(FILES assets/icons/epee-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${EPEE_APP_ID}.png)
endforeach()
install(FILES ${EPEE_DIST_OUT}/epee.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES dist/copyright ${EPEE_DIST_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${EPEE_PACKAGE})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${EPEE_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${EPEE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small adventure game in French: find the legendary sword")
set(CPACK_PACKAGE_DESCRIPTION
    "L'Épée légendaire is a small single-player adventure game, every text in\n"
    "French. The player spells the hero's name, then walks tile by tile across\n"
    "a forest island, a corridor of houses, a cave and the room of the sword.\n"
    "Chests, keys, doors, a switch, a mage and an orb stand between the hero\n"
    "and the legendary sword. Plays with the keyboard or a gamepad.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${EPEE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are the libraries the program links; the typeface is built in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The voice (--parole) speaks through speech-dispatcher, opened only when speech is on.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS speech-dispatcher)
include(CPack)

foreach(check install package)
  add_test(NAME ${check}_check
           COMMAND sh ${CMAKE_SOURCE_DIR}/tests/check-install.sh ${check} ${CMAKE_BINARY_DIR}
                   ${PROJECT_VERSION})
  # Skipped where the package tools are missing; `make test` installs them.
  set_tests_properties(${check}_check PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600 LABELS package)
endforeach()
