# Makes the tools' gettext catalogue from Qt translation sources:
#   cmake -DLCONVERT=... -DMSGGREP=... -DMSGFMT=... -DSOURCES="a.ts;b.ts"
#         -DCONTEXTS="Core;Tools" -DPO=out.po -DMO=out.mo -P make_catalogue.cmake
# lconvert writes a context as msgctxt "Context|" (the part after the bar is
# the disambiguation comment); the tools look a text up under the context
# alone, so the bar goes. Only the contexts named are kept.
set(inputs)
foreach(ts ${SOURCES})
  list(APPEND inputs -i ${ts})
endforeach()
execute_process(COMMAND ${LCONVERT} -no-obsolete ${inputs} -of po -o ${PO}.all RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lconvert failed")
endif()
file(READ ${PO}.all text)
string(REGEX REPLACE "\nmsgctxt \"([^\"|]*)\\|\"\n" "\nmsgctxt \"\\1\"\n" text "${text}")
file(WRITE ${PO}.all "${text}")
list(JOIN CONTEXTS "|" alternatives)
execute_process(COMMAND ${MSGGREP} --msgctxt -E -e "^(${alternatives})$" ${PO}.all -o ${PO} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "msggrep failed")
endif()
get_filename_component(folder ${MO} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
# An unfinished translation comes out fuzzy; lrelease puts those in the
# editor's .qm, and the tools take them too, so both speak alike.
execute_process(COMMAND ${MSGFMT} --use-fuzzy -o ${MO} ${PO} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "msgfmt failed")
endif()
