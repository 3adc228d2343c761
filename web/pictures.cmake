# Writes pictures.js: the window's pictures as SVG texts, by name, for the page's PNG and SVG
# of the window (a browser does not let a picture the page loaded from a file be drawn into a
# canvas that is then saved).
#   cmake -DOUTPUT=<pictures.js> -DPICTURES=<svg;svg;...> -P pictures.cmake
set(script "'use strict';\n// Made by the build from the window's pictures (resources/*.svg).\n")
string(APPEND script "const windowPictures = {\n")
foreach(picture IN LISTS PICTURES)
  get_filename_component(name ${picture} NAME_WE)
  file(READ ${picture} svg)
  string(REPLACE "\\" "\\\\" svg "${svg}")
  string(REPLACE "\"" "\\\"" svg "${svg}")
  string(REPLACE "\r" "" svg "${svg}")
  string(REPLACE "\n" "\\n" svg "${svg}")
  string(APPEND script "  \"${name}\": \"${svg}\",\n")
endforeach()
string(APPEND script "};\n")
file(WRITE ${OUTPUT} "${script}")
