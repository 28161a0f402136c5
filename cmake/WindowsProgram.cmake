# epee.exe as a Windows program (no console, the game's icon, version information and a
# manifest) and the zip players download: the program, a French read-me and the licences.
set_target_properties(epee PROPERTIES WIN32_EXECUTABLE ON)
target_link_libraries(epee PRIVATE SDL2::SDL2main)
target_link_options(epee PRIVATE -s)
# The timers' resolution; COM for the voice (SAPI and UI Automation).
target_link_libraries(epee_platform PUBLIC winmm ole32 oleaut32)

set(EPEE_WINDOWS_DIR ${CMAKE_SOURCE_DIR}/dist/windows)
set(EPEE_ICON ${CMAKE_SOURCE_DIR}/assets/icons/epee.ico)
configure_file(${EPEE_WINDOWS_DIR}/epee.manifest.in ${CMAKE_BINARY_DIR}/epee.manifest @ONLY)
configure_file(${EPEE_WINDOWS_DIR}/epee.rc.in ${CMAKE_BINARY_DIR}/epee.rc @ONLY)
target_sources(epee PRIVATE ${CMAKE_BINARY_DIR}/epee.rc)
set_property(SOURCE ${CMAKE_BINARY_DIR}/epee.rc APPEND PROPERTY OBJECT_DEPENDS
             ${EPEE_ICON} ${CMAKE_BINARY_DIR}/epee.manifest)

include(${CMAKE_CURRENT_LIST_DIR}/Licences.cmake)

set(EPEE_ZIP_NAME epee-legendaire-${PROJECT_VERSION}-win64)
set(EPEE_ZIP_DIR ${CMAKE_BINARY_DIR}/zip/${EPEE_ZIP_NAME})
set(EPEE_ZIP ${CMAKE_BINARY_DIR}/${EPEE_ZIP_NAME}.zip)
# Notepad and every other Windows editor read CRLF lines.
configure_file(${EPEE_WINDOWS_DIR}/LISEZMOI.txt ${EPEE_ZIP_DIR}/LISEZMOI.txt @ONLY NEWLINE_STYLE CRLF)
epee_copy_licences(${EPEE_ZIP_DIR}/licences EPEE_COPY_LICENCES)
add_custom_command(
  OUTPUT ${EPEE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${EPEE_ZIP_DIR}/licences
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:epee> ${EPEE_ZIP_DIR}/epee.exe
  ${EPEE_COPY_LICENCES}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${EPEE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${EPEE_ZIP} --format=zip ${EPEE_ZIP_NAME}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/zip
  DEPENDS epee ${EPEE_LICENCES} ${EPEE_ZIP_DIR}/LISEZMOI.txt
  COMMENT "Packing ${EPEE_ZIP_NAME}.zip")
add_custom_target(epee_zip ALL DEPENDS ${EPEE_ZIP})
