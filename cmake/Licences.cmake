# The licences shipped beside a self-contained program: the game's, those of the libraries
# tools/thirdparty.sh built into it, and the typeface's.
# The licence of the typeface follows whichever font file EPEE_FONT_FILE names.
execute_process(COMMAND dpkg-query -S ${EPEE_FONT_FILE} OUTPUT_VARIABLE EPEE_FONT_PACKAGE
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE ":.*" "" EPEE_FONT_PACKAGE "${EPEE_FONT_PACKAGE}")

set(EPEE_LICENCES
    ${CMAKE_SOURCE_DIR}/dist/copyright
    ${EPEE_THIRDPARTY_PREFIX}/share/licenses/SDL2.txt
    ${EPEE_THIRDPARTY_PREFIX}/share/licenses/SDL2_ttf.txt
    ${EPEE_THIRDPARTY_PREFIX}/share/licenses/SDL2_image.txt
    ${EPEE_THIRDPARTY_PREFIX}/share/licenses/freetype.txt
    /usr/share/doc/${EPEE_FONT_PACKAGE}/copyright)
set(EPEE_LICENCE_NAMES epee-legendaire.txt SDL2.txt SDL2_ttf.txt SDL2_image.txt FreeType.txt
    ${EPEE_FONT_PACKAGE}.txt)

# Sets OUT to the custom-command steps that copy the licences into DIR.
function(epee_copy_licences dir out)
  set(steps)
  foreach(licence name IN ZIP_LISTS EPEE_LICENCES EPEE_LICENCE_NAMES)
    list(APPEND steps COMMAND ${CMAKE_COMMAND} -E copy ${licence} ${dir}/${name})
  endforeach()
  set(${out} ${steps} PARENT_SCOPE)
endfunction()
