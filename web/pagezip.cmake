# Packs the page as a lab's IT hands it out: the page folder with LIESMICH.txt in a folder
# named after the release, zipped.
#   cmake -DPAGE=<page dir> -DREADME=<LIESMICH.txt> -DSTAGING=<empty work dir>
#         -DNAME=quelbor-web-VERSION -DZIP=<zip file> -P pagezip.cmake
file(REMOVE_RECURSE ${STAGING})
file(MAKE_DIRECTORY ${STAGING}/${NAME})
file(GLOB pageFiles ${PAGE}/*)
file(COPY ${pageFiles} ${README} DESTINATION ${STAGING}/${NAME})
# One zip in the folder: those of earlier versions go.
get_filename_component(zipDir ${ZIP} DIRECTORY)
file(GLOB earlier ${zipDir}/quelbor-web-*.zip)
if(earlier) # none on the first build, where file(REMOVE) without a file fails
  file(REMOVE ${earlier})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${NAME}
                WORKING_DIRECTORY ${STAGING} COMMAND_ERROR_IS_FATAL ANY)
