# Writes the site's service worker from web/sw.js: the list of the files it keeps for play
# with no network, and its cache named by their content, so that any change to the site is a
# new version, taken whole. Compressed copies are left to the web server.
#   cmake -DSITE=<site dir> -DTEMPLATE=<web/sw.js> -P SiteVersion.cmake
file(GLOB files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(FILTER files EXCLUDE REGEX "^sw\\.js$|\\.(gz|br)$")
list(SORT files)
set(digests "")
set(quoted "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  list(APPEND quoted "'${file}'")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 EPEE_SITE_VERSION)
list(JOIN quoted ", " EPEE_SITE_FILES)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
