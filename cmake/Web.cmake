# The game for web browsers: the module (epee.js and epee.wasm) and the page that plays it,
# gathered in site/ with nothing else, ready for any static web host.
set(EPEE_SITE ${CMAKE_BINARY_DIR}/site)

add_executable(epee platform/WebLoop.cpp)
target_link_libraries(epee PRIVATE epee_platform)
set_target_properties(epee PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${EPEE_SITE})
target_link_options(epee PRIVATE
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1
  # The page sets the game's environment (EPEE_TRACE) from its address.
  -sEXPORTED_RUNTIME_METHODS=ENV)

add_custom_command(
  OUTPUT ${EPEE_SITE}/index.html ${EPEE_SITE}/favicon.png
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/web/index.html ${EPEE_SITE}/index.html
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/assets/icons/epee-48.png
          ${EPEE_SITE}/favicon.png
  DEPENDS web/index.html assets/icons/epee-48.png
  COMMENT "Gathering the web site")
add_custom_target(epee_page DEPENDS ${EPEE_SITE}/index.html ${EPEE_SITE}/favicon.png)
add_dependencies(epee epee_page)
