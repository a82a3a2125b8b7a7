# Makes the manual page of one program from its --help and --version with
# help2man, plus the sections of an include file. Run with cmake -P and
# PROGRAM (the built program), NAME, INCLUDE, OUTPUT (the .1 page, gzipped
# beside it as .1.gz), HELP2MAN and WORK (a scratch folder).
foreach(option help version)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} --${option}
                  OUTPUT_VARIABLE ${option} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --${option} failed: ${status}")
  endif()
endforeach()
# Qt names the program by the path it was started from, and says "Usage" in
# the language of the program's texts; help2man finds the synopsis by the
# English word and the bare name.
string(REGEX REPLACE "^(Usage|Használat): [^ \n]+" "Usage: ${NAME}" help "${help}")

file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/${NAME}.help "${help}")
file(WRITE ${WORK}/${NAME}.version "${version}")
file(WRITE ${WORK}/${NAME}
     "#!/bin/sh\ncase \"$1\" in\n--version) cat '${WORK}/${NAME}.version' ;;\n*) cat '${WORK}/${NAME}.help' ;;\nesac\n")
file(CHMOD ${WORK}/${NAME} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
execute_process(COMMAND ${HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --include=${INCLUDE} --output=${OUTPUT} ${WORK}/${NAME}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed for ${NAME}: ${status}")
endif()

# The pages hold accented Hungarian text: say so, so that man reads it as UTF-8.
file(READ ${OUTPUT} page)
file(WRITE ${OUTPUT} ".\\\" -*- coding: UTF-8 -*-\n${page}")
execute_process(COMMAND gzip -9nf ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed for ${OUTPUT}")
endif()
