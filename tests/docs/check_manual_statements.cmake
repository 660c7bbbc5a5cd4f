# What the manual must keep saying, because users asked for it: the
# tutorial's flicker step, what the flicker score's numbers mean, the outer
# columns of an 8x1 picture, and which picture each screenshot shows.
#   cmake -DMANUAL=docs/manual.md -P check_manual_statements.cmake
file(READ ${MANUAL} text)
string(FIND "${text}" "## Tutorial:" start)
string(FIND "${text}" "## Every key" end)
if(start LESS 0 OR end LESS start)
  message(FATAL_ERROR "${MANUAL} has no tutorial before \"Every key\"")
endif()
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${text}" ${start} ${length} tutorial)
foreach(phrase "press R" "Edit > \"Balance flicker\"" "\"Balance flicker\" box" "### The pictures in this manual"
    "tests/data/photos/chelsea.png" "tests/data/seeds/example.mgs")
  string(FIND "${tutorial}" "${phrase}" at)
  if(at LESS 0)
    message(SEND_ERROR "the tutorial does not say ${phrase}")
  endif()
endforeach()
foreach(phrase "### The outer columns of an 8x1 picture" "| Score | What a viewer sees |" "\"Cell height\"")
  string(FIND "${text}" "${phrase}" at)
  if(at LESS 0)
    message(SEND_ERROR "${MANUAL} does not say ${phrase}")
  endif()
endforeach()
