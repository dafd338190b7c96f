# cmake -DIN=... -DOUT=... -P utf8-bom-text.cmake: a UTF-8 text with the byte-order mark before it.
file(READ ${IN} text)
string(ASCII 239 187 191 bom)
file(WRITE ${OUT} "${bom}${text}")
