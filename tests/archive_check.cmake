# cmake -DBUILD=DIR -DFOLDER=NAME -DPROGRAM=FILE -DOBJDUMP=TOOL -P archive_check.cmake
# Packs the player's archive and checks what it carries: the program without debugging sections, and
# the four looks with their pictures.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target archive RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "the archive could not be packed")
endif()
set(folder ${BUILD}/package/${FOLDER})
execute_process(COMMAND ${OBJDUMP} -h ${folder}/${PROGRAM} OUTPUT_VARIABLE sections RESULT_VARIABLE failed)
if(failed OR NOT sections MATCHES "\\.text")
  message(FATAL_ERROR "cannot read the sections of ${PROGRAM}")
endif()
if(sections MATCHES "\\.debug")
  message(FATAL_ERROR "${PROGRAM} in the archive still holds debugging sections")
endif()
foreach(file Config.txt nuit.txt contraste.txt casino.txt fond-nuit.bmp des-nuit.bmp fond-contraste.bmp
             des-contraste.bmp fond-casino.bmp des-casino.bmp lisez-moi.txt)
  if(NOT EXISTS ${folder}/${file})
    message(FATAL_ERROR "the archive lacks ${file}")
  endif()
endforeach()
message(STATUS "the archive carries a stripped ${PROGRAM} and every look")
