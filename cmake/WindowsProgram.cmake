# epee.exe as a Windows program (no console, the game's icon, version information and a
# manifest) and the zip players download: the program, a French read-me and the licences.
set_target_properties(epee PROPERTIES WIN32_EXECUTABLE ON)
target_link_libraries(epee PRIVATE SDL2::SDL2main)
target_link_options(epee PRIVATE -s)
target_link_libraries(epee_platform PUBLIC winmm)

set(EPEE_WINDOWS_DIR ${CMAKE_SOURCE_DIR}/dist/windows)
set(EPEE_ICON ${CMAKE_SOURCE_DIR}/assets/icons/epee.ico)
configure_file(${EPEE_WINDOWS_DIR}/epee.manifest.in ${CMAKE_BINARY_DIR}/epee.manifest @ONLY)
configure_file(${EPEE_WINDOWS_DIR}/epee.rc.in ${CMAKE_BINARY_DIR}/epee.rc @ONLY)
target_sources(epee PRIVATE ${CMAKE_BINARY_DIR}/epee.rc)
set_property(SOURCE ${CMAKE_BINARY_DIR}/epee.rc APPEND PROPERTY OBJECT_DEPENDS
             ${EPEE_ICON} ${CMAKE_BINARY_DIR}/epee.manifest)

# The licence of the typeface follows whichever font file platform/Typeface.h names.
execute_process(COMMAND dpkg-query -S ${EPEE_FONT_FILE} OUTPUT_VARIABLE EPEE_FONT_PACKAGE
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE ":.*" "" EPEE_FONT_PACKAGE "${EPEE_FONT_PACKAGE}")

set(EPEE_ZIP_NAME epee-legendaire-${PROJECT_VERSION}-win64)
set(EPEE_ZIP_DIR ${CMAKE_BINARY_DIR}/zip/${EPEE_ZIP_NAME})
set(EPEE_ZIP ${CMAKE_BINARY_DIR}/${EPEE_ZIP_NAME}.zip)
set(EPEE_LICENCES
    ${CMAKE_SOURCE_DIR}/dist/copyright
    ${EPEE_THIRDPARTY_PREFIX}/share/licenses/SDL2.txt
    ${EPEE_THIRDPARTY_PREFIX}/share/licenses/SDL2_ttf.txt
    ${EPEE_THIRDPARTY_PREFIX}/share/licenses/SDL2_image.txt
    ${EPEE_THIRDPARTY_PREFIX}/share/licenses/freetype.txt
    /usr/share/doc/${EPEE_FONT_PACKAGE}/copyright)
set(EPEE_LICENCE_NAMES epee-legendaire.txt SDL2.txt SDL2_ttf.txt SDL2_image.txt FreeType.txt
    ${EPEE_FONT_PACKAGE}.txt)
# Notepad and every other Windows editor read CRLF lines.
configure_file(${EPEE_WINDOWS_DIR}/LISEZMOI.txt ${EPEE_ZIP_DIR}/LISEZMOI.txt @ONLY NEWLINE_STYLE CRLF)
set(EPEE_COPY_LICENCES)
foreach(licence name IN ZIP_LISTS EPEE_LICENCES EPEE_LICENCE_NAMES)
  list(APPEND EPEE_COPY_LICENCES
       COMMAND ${CMAKE_COMMAND} -E copy ${licence} ${EPEE_ZIP_DIR}/licences/${name})
endforeach()
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
