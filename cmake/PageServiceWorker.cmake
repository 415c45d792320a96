# cmake -DPAGE=<assembled page> -DTEMPLATE=sw.js.in -DFILES="a;b;..." -P PageServiceWorker.cmake
# Writes the page's service worker with the files it keeps and a digest of
# their contents, so that every build with other files has another cache.
set(_digests "")
set(_list "'./'")
foreach(_file ${FILES})
  file(SHA256 ${PAGE}/${_file} _sha)
  string(APPEND _digests "${_sha}")
  string(APPEND _list ", './${_file}'")
endforeach()
string(SHA256 _all "${_digests}")
string(SUBSTRING "${_all}" 0 16 PAGE_DIGEST)
set(PAGE_FILES "${_list}")
configure_file(${TEMPLATE} ${PAGE}/sw.js @ONLY)
