# cmake -DIN=source.txt -DOUT=shipped.txt -P windows-text.cmake
# Writes a UTF-8 text as Windows-1252 with CR LF line breaks; a character outside Windows-1252 fails.
execute_process(COMMAND iconv -f UTF-8 -t CP1252 ${IN}
                OUTPUT_VARIABLE text RESULT_VARIABLE failed ERROR_VARIABLE error)
if(failed)
  message(FATAL_ERROR "${IN} is not writable in Windows-1252: ${error}")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
