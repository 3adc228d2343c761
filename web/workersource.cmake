# Writes a worker's script: a module and the worker's handler (the SOURCES, one after the
# other) as one JavaScript text, the constant NAME, which the page turns into a Blob for its
# Web Worker (workerscript.js). A page opened from a file may start no worker from a file, nor
# fetch one; it may load a script, and a worker from a Blob.
#   cmake -DOUTPUT=<worker.js> "-DSOURCES=<module.js;handler.js>" -DNAME=<constant>
#         -P workersource.cmake
set(text "")
foreach(source IN LISTS SOURCES)
  file(READ ${source} part)
  string(APPEND text "${part}\n")
endforeach()
string(REPLACE "\\" "\\\\" text "${text}")
string(REPLACE "\"" "\\\"" text "${text}")
string(REPLACE "\r" "" text "${text}")
string(REPLACE "\n" "\\n" text "${text}")
list(TRANSFORM SOURCES REPLACE ".*/" "")
list(JOIN SOURCES " and " names)
file(WRITE ${OUTPUT} "'use strict';\n// Made by the build from ${names}.\n"
  "const ${NAME} = \"${text}\";\n")
