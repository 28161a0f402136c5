# The game for web browsers: the module (epee.js and epee.wasm) and the page that plays it,
# gathered in site/ with nothing else, ready for any static web host (target epee_site).
set(EPEE_SITE ${CMAKE_BINARY_DIR}/site)

add_executable(epee platform/WebLoop.cpp)
target_link_libraries(epee PRIVATE epee_platform)
set_target_properties(epee PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${EPEE_SITE})
# Every byte of the module is downloaded before the game starts: the game is compiled for
# size, as bitcode optimised at the link together with the libraries' (tools/thirdparty.sh
# builds them so), then shrunk by binaryen's wasm-opt; emmalloc is the smaller allocator.
foreach(target epee_shell epee_core epee_platform epee)
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

# The page's own files, and the icons of the page installed as an app.
set(EPEE_PAGE_FILES touch.js touch.css keys.js keys.css speech.js offline.js manifest.webmanifest)
set(EPEE_PAGE_ICONS favicon.png:48 icon-192.png:192 icon-512.png:512
                    icon-maskable-512.png:maskable-512)
set(page_outputs "")
set(page_commands "")
set(page_sources "")
foreach(file IN LISTS EPEE_PAGE_FILES)
  list(APPEND page_outputs ${EPEE_SITE}/${file})
  list(APPEND page_sources web/${file})
  list(APPEND page_commands COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/web/${file}
                                    ${EPEE_SITE}/${file})
endforeach()
foreach(icon IN LISTS EPEE_PAGE_ICONS)
  string(REPLACE ":" ";" parts ${icon})
  list(GET parts 0 file)
  list(GET parts 1 size)
  list(APPEND page_outputs ${EPEE_SITE}/${file})
  list(APPEND page_sources assets/icons/epee-${size}.png)
  list(APPEND page_commands COMMAND ${CMAKE_COMMAND} -E copy
                                    ${CMAKE_SOURCE_DIR}/assets/icons/epee-${size}.png
                                    ${EPEE_SITE}/${file})
endforeach()
add_custom_command(
  OUTPUT ${page_outputs}
  ${page_commands}
  DEPENDS ${page_sources}
  COMMENT "Gathering the page's files")

# The page's text files go out compressed too (the service worker is written later).
list(JOIN EPEE_PAGE_FILES "," page_texts)

# The page learns the module's size, for its loading screen; each file a host would compress
# has its .gz and .br copies beside it, for hosts that serve them as they are.
add_custom_command(
  OUTPUT ${EPEE_SITE}/index.html ${EPEE_SITE}/index.html.gz ${EPEE_SITE}/epee.wasm.br
  COMMAND ${CMAKE_COMMAND} -DSITE=${EPEE_SITE} -DPAGE=${CMAKE_SOURCE_DIR}/web/index.html
          "-DTEXTS=${page_texts}" -DGZIP=${EPEE_GZIP} -DBROTLI=${EPEE_BROTLI}
          -P ${CMAKE_SOURCE_DIR}/cmake/WebSite.cmake
  DEPENDS epee web/index.html cmake/WebSite.cmake ${page_outputs}
  COMMENT "Gathering the web site")

# The whole site, its service worker named by the version of everything else.
add_custom_target(epee_site ALL
  COMMAND ${CMAKE_COMMAND} -DSITE=${EPEE_SITE} -DTEMPLATE=${CMAKE_SOURCE_DIR}/web/sw.js
          -P ${CMAKE_SOURCE_DIR}/cmake/SiteVersion.cmake
  DEPENDS ${EPEE_SITE}/index.html ${page_outputs} web/sw.js cmake/SiteVersion.cmake
  COMMENT "Naming the site's version for its service worker")

# The recorded games played in node by the same compiled core as the page's, in virtual
# time: make web-test compares their digests with those recorded on Linux.
target_link_options(epee_replay PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
                    -sEXIT_RUNTIME=1 -sWASM_ASYNC_COMPILATION=0)
