# Run after the module is linked: writes the page into SITE with the module's size in place
# of @EPEE_WASM_BYTES@, then the .gz and .br copies of the page, the module and the other
# text files named in TEXTS (a list separated by commas).
#   cmake -DSITE=DIR -DPAGE=index.html -DTEXTS=a.js,b.css -DGZIP=gzip -DBROTLI=brotli -P WebSite.cmake
file(SIZE ${SITE}/epee.wasm EPEE_WASM_BYTES)
configure_file(${PAGE} ${SITE}/index.html @ONLY)
string(REPLACE "," ";" texts "${TEXTS}")
foreach(name index.html epee.js epee.wasm ${texts})
  execute_process(COMMAND ${GZIP} -9 -n -k -f ${SITE}/${name} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${BROTLI} -q 11 -k -f ${SITE}/${name} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
