# The game for web browsers: the module (epee.js and epee.wasm) and the page that plays it,
# gathered in site/ with nothing else, ready for any static web host.
set(EPEE_SITE ${CMAKE_BINARY_DIR}/site)

add_executable(epee platform/WebLoop.cpp)
target_link_libraries(epee PRIVATE epee_platform)
set_target_properties(epee PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${EPEE_SITE})
# Every byte of the module is downloaded before the game starts: the game is compiled for
# size, as bitcode optimised at the link together with the libraries' (tools/thirdparty.sh
# builds them so), then shrunk by binaryen's wasm-opt; emmalloc is the smaller allocator.
foreach(target epee_core epee_platform epee)
  target_compile_options(${target} PRIVATE -Oz -flto)
endforeach()
find_program(EPEE_GZIP gzip REQUIRED)
find_program(EPEE_BROTLI brotli REQUIRED)
target_link_options(epee PRIVATE
  -Oz -flto
  -sMALLOC=emmalloc
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1
  # The page sets the game's environment (EPEE_TRACE) from its address.
  -sEXPORTED_RUNTIME_METHODS=ENV)

# The page learns the module's size, for its loading screen; each file a host would compress
# has its .gz and .br copies beside it, for hosts that serve them as they are.
add_custom_command(
  OUTPUT ${EPEE_SITE}/index.html ${EPEE_SITE}/index.html.gz ${EPEE_SITE}/epee.wasm.br
  COMMAND ${CMAKE_COMMAND} -DSITE=${EPEE_SITE} -DPAGE=${CMAKE_SOURCE_DIR}/web/index.html
          -DGZIP=${EPEE_GZIP} -DBROTLI=${EPEE_BROTLI} -P ${CMAKE_SOURCE_DIR}/cmake/WebSite.cmake
  DEPENDS epee web/index.html cmake/WebSite.cmake
  COMMENT "Gathering the web site")
add_custom_command(
  OUTPUT ${EPEE_SITE}/favicon.png
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/assets/icons/epee-48.png
          ${EPEE_SITE}/favicon.png
  DEPENDS assets/icons/epee-48.png)
add_custom_target(epee_site ALL DEPENDS ${EPEE_SITE}/index.html ${EPEE_SITE}/favicon.png)
