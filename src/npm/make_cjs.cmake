# The CommonJS copy of an ES module whose one export is its default
# function: cmake -DIN=api.mjs -DOUT=api.cjs -P make_cjs.cmake
file(READ ${IN} source)
string(REGEX MATCHALL "export default function [A-Za-z]+" exports "${source}")
list(LENGTH exports count)
string(REGEX REPLACE "export default function ([A-Za-z]+)" "function \\1" body "${source}")
if(NOT count EQUAL 1 OR body MATCHES "(^|\n)(import|export)[ {]")
    message(FATAL_ERROR "${IN}: expected one 'export default function' and no other import or export")
endif()
string(REGEX MATCH "export default function ([A-Za-z]+)" _ "${source}")
file(WRITE ${OUT} "'use strict';\n${body}\nmodule.exports = ${CMAKE_MATCH_1};\n")
