# The archive players download, around the portable Linux program that the toolchain file
# cmake/linux-toolchain.cmake builds: one folder with the program, its desktop entry, icons,
# AppStream metadata, manual page, a French read-me, the licences and an installer for the
# desktop entry.
set(BUILD_GMOCK OFF CACHE BOOL "")
set(INSTALL_GTEST OFF CACHE BOOL "")
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_link_options(epee PRIVATE -s)

set(EPEE_APP_ID io.github.epee.legendaire)
set(EPEE_LINUX_NAME epee-legendaire-${PROJECT_VERSION}-linux-${EPEE_LINUX_ARCH})
set(EPEE_LINUX_ARCHIVE_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Where the archive is written")
set(EPEE_LINUX_DIR ${CMAKE_BINARY_DIR}/archive/${EPEE_LINUX_NAME})
set(EPEE_LINUX_ARCHIVE ${EPEE_LINUX_ARCHIVE_DIR}/${EPEE_LINUX_NAME}.tar.gz)
include(${CMAKE_CURRENT_LIST_DIR}/Licences.cmake)
configure_file(${CMAKE_SOURCE_DIR}/dist/linux/LISEZMOI.txt ${EPEE_LINUX_DIR}/LISEZMOI.txt @ONLY)

set(EPEE_LINUX_FILES
    ${CMAKE_SOURCE_DIR}/dist/linux/installer.sh ${CMAKE_SOURCE_DIR}/dist/${EPEE_APP_ID}.desktop
    ${CMAKE_SOURCE_DIR}/dist/${EPEE_APP_ID}.metainfo.xml ${CMAKE_SOURCE_DIR}/dist/epee.6)
set(EPEE_COPY_FILES)
foreach(file IN LISTS EPEE_LINUX_FILES)
  list(APPEND EPEE_COPY_FILES COMMAND ${CMAKE_COMMAND} -E copy ${file} ${EPEE_LINUX_DIR}/)
endforeach()
foreach(size 48 128 256)
  list(APPEND EPEE_LINUX_FILES ${CMAKE_SOURCE_DIR}/assets/icons/epee-${size}.png)
  list(APPEND EPEE_COPY_FILES COMMAND ${CMAKE_COMMAND} -E copy
       ${CMAKE_SOURCE_DIR}/assets/icons/epee-${size}.png ${EPEE_LINUX_DIR}/icons/${size}x${size}/${EPEE_APP_ID}.png)
endforeach()
epee_copy_licences(${EPEE_LINUX_DIR}/licences EPEE_COPY_LICENCES)
add_custom_command(
  OUTPUT ${EPEE_LINUX_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${EPEE_LINUX_DIR}/licences
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:epee> ${EPEE_LINUX_DIR}/epee
  ${EPEE_COPY_FILES}
  ${EPEE_COPY_LICENCES}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${EPEE_LINUX_ARCHIVE}
  COMMAND tar --owner=0 --group=0 --sort=name -czf ${EPEE_LINUX_ARCHIVE} ${EPEE_LINUX_NAME}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/archive
  DEPENDS epee ${EPEE_LINUX_FILES} ${EPEE_LICENCES} ${EPEE_LINUX_DIR}/LISEZMOI.txt
  COMMENT "Packing ${EPEE_LINUX_NAME}.tar.gz")
add_custom_target(epee_linux_archive ALL DEPENDS ${EPEE_LINUX_ARCHIVE})
