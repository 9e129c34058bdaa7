# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the man page of tintmere-color from the tool's own --help texts, so that the two
# never disagree. cmake -DTOOL=<tintmere-color> -DVERSION=<x.y.z> -DOUTPUT=<file.1> -P this
function(help_of out)
    execute_process(COMMAND ${TOOL} ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${TOOL} ${ARGN} --help failed")
    endif()
    # Plain text for roff: a backslash is \e, a line must not start with a control character.
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

help_of(usage)
string(REGEX MATCHALL "\n  tintmere-color [a-z]+" commands "${usage}")
set(page ".TH TINTMERE-COLOR 1 \"\" \"Tintmere ${VERSION}\" \"User Commands\"
.SH NAME
tintmere-color \\- write colours as text and read colour text back
.SH SYNOPSIS
.nf
${usage}.fi
.SH COMMANDS
")
foreach(line ${commands})
    string(REGEX REPLACE ".* " "" command "${line}")
    help_of(text ${command})
    string(APPEND page ".SS ${command}\n.nf\n${text}.fi\n")
endforeach()
string(APPEND page ".SH SEE ALSO
The Tintmere user's guide, in the program under Help.
")
file(WRITE ${OUTPUT} "${page}")
