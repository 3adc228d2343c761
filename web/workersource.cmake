# Writes uncertaintyworker.js: the uncertainty module and the worker's script (the SOURCES, one
# after the other) as one JavaScript text, uncertaintyWorkerSource, which the page turns into a
# Blob for its Web Worker. A page opened from a file may start no worker from a file, nor
# fetch one; it may load a script, and a worker from a Blob.
#   cmake -DOUTPUT=<uncertaintyworker.js> "-DSOURCES=<module.js;worker.js>" -P workersource.cmake
set(text "")
foreach(source IN LISTS SOURCES)
  file(READ ${source} part)
  string(APPEND text "${part}\n")
endforeach()
string(REPLACE "\\" "\\\\" text "${text}")
string(REPLACE "\"" "\\\"" text "${text}")
string(REPLACE "\r" "" text "${text}")
string(REPLACE "\n" "\\n" text "${text}")
file(WRITE ${OUTPUT} "'use strict';\n// Made by the build from quelbor-uncertainty.js and "
  "web/uncertaintyworker.js.\nconst uncertaintyWorkerSource = \"${text}\";\n")
