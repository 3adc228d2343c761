# libcsv for the page. Debian ships libcsv only for the machine it runs on, so the page's build
# compiles libcsv.c from Debian's own source package (libcsv 3.0.3+dfsg-6) with emscripten. The
# upstream tarball of the package is fetched once into build/downloads and checked against the
# package's checksum; Debian's patches (debian.tar.xz) change only a comment in libcsv.c, so
# the tarball alone gives the same code as Debian's libcsv3. Defines the target quelbor_libcsv.
set(libcsvTarball libcsv_3.0.3+dfsg.orig.tar.gz)
set(libcsvUrl http://deb.debian.org/debian/pool/main/libc/libcsv/${libcsvTarball})
set(libcsvSha256 06fddfaca720a4be7603bad63eb1833bca5b6c5a69b42b1c518a02cda2a73aef)
set(libcsvDownloads ${PROJECT_SOURCE_DIR}/build/downloads)
set(libcsvArchive ${libcsvDownloads}/${libcsvTarball})

set(cachedSha256 "")
if(EXISTS ${libcsvArchive})
  file(SHA256 ${libcsvArchive} cachedSha256)
endif()
if(NOT cachedSha256 STREQUAL libcsvSha256)
  message(STATUS "Fetching libcsv's Debian source: ${libcsvUrl}")
  file(DOWNLOAD ${libcsvUrl} ${libcsvArchive}.part STATUS fetched)
  list(GET fetched 0 fetchedCode)
  list(GET fetched 1 fetchedText)
  if(NOT fetchedCode EQUAL 0)
    file(REMOVE ${libcsvArchive}.part)
    message(FATAL_ERROR "The page needs libcsv built for WebAssembly from Debian's source "
      "package, and ${libcsvUrl} could not be fetched: ${fetchedText}. Fetch it on a machine "
      "with network access and put it into ${libcsvDownloads}/.")
  endif()
  file(SHA256 ${libcsvArchive}.part fetchedSha256)
  if(NOT fetchedSha256 STREQUAL libcsvSha256)
    file(REMOVE ${libcsvArchive}.part)
    message(FATAL_ERROR "${libcsvUrl} has the SHA-256 ${fetchedSha256}, not Debian's "
      "${libcsvSha256}; it is not used.")
  endif()
  file(RENAME ${libcsvArchive}.part ${libcsvArchive})
endif()

set(libcsvSource ${CMAKE_CURRENT_BINARY_DIR}/libcsv-3.0.3)
if(NOT EXISTS ${libcsvSource}/libcsv.c)
  file(ARCHIVE_EXTRACT INPUT ${libcsvArchive} DESTINATION ${CMAKE_CURRENT_BINARY_DIR}
       PATTERNS libcsv-3.0.3/libcsv.c libcsv-3.0.3/csv.h libcsv-3.0.3/COPYING)
endif()

# The page carries libcsv's notice (the comment that opens libcsv.c) and its licence.
file(READ ${libcsvSource}/libcsv.c libcsvHead LIMIT 4096)
string(FIND "${libcsvHead}" "*/" noticeEnd)
string(SUBSTRING "${libcsvHead}" 3 ${noticeEnd} libcsvNotice)
string(REPLACE "*/" "" libcsvNotice "${libcsvNotice}")
file(READ /usr/share/common-licenses/LGPL-2.1 lgpl)
file(WRITE ${CMAKE_BINARY_DIR}/LICENSE-libcsv.txt
  "The page's series reads tables with libcsv 3.0.3 (Debian's libcsv 3.0.3+dfsg-6), compiled\n"
  "from libcsv.c of ${libcsvUrl}.\n\n${libcsvNotice}\n${lgpl}")

enable_language(C)
add_library(quelbor_libcsv STATIC ${libcsvSource}/libcsv.c)
target_include_directories(quelbor_libcsv SYSTEM PUBLIC ${libcsvSource})
