# cmake -DWINDOW_GUIDE=... -DTEMPLATE=... -DOUTPUT=... -P IncludeGuideParts.cmake
# The page's guide: each "<!-- include:NAME -->" in TEMPLATE becomes the part
# of the window's guide between "<!-- shared:NAME -->" and "<!-- end:NAME -->",
# so the explanation both guides give is written once.
file(READ ${WINDOW_GUIDE} _window)
file(READ ${TEMPLATE} _page)
string(REGEX MATCHALL "<!-- include:[a-z]+ -->" _includes "${_page}")
foreach(_include ${_includes})
  string(REGEX REPLACE "<!-- include:([a-z]+) -->" "\\1" _name "${_include}")
  string(FIND "${_window}" "<!-- shared:${_name} -->" _begin)
  string(FIND "${_window}" "<!-- end:${_name} -->" _end)
  if(_begin EQUAL -1 OR _end EQUAL -1)
    message(FATAL_ERROR "The window's guide has no part \"${_name}\"")
  endif()
  string(LENGTH "<!-- shared:${_name} -->" _skip)
  math(EXPR _begin "${_begin} + ${_skip}")
  math(EXPR _length "${_end} - ${_begin}")
  string(SUBSTRING "${_window}" ${_begin} ${_length} _part)
  string(REPLACE "${_include}" "${_part}" _page "${_page}")
endforeach()
file(WRITE ${OUTPUT} "${_page}")
