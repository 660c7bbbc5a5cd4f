# What the manual must keep saying, because users asked for it: the
# tutorial's flicker step, what the flicker score's numbers mean, the outer
# columns of an 8x1 picture, and which picture each screenshot shows. Each
# language has its own words for these; the files named are the same. Every
# link to a chapter of the manual leads to one of its headings.
#   cmake -DMANUAL=docs/manual.md [-DLANGUAGE=ru] -P check_manual_statements.cmake
if(LANGUAGE STREQUAL "ru")
  set(tutorial_heading "## Урок:")
  set(keys_heading "## Все клавиши")
  set(tutorial_says "нажмите R" "Правка > «Выровнять мерцание»" "флажок «Выровнять мерцание»"
    "### Картинки этого руководства")
  set(manual_says "### Крайние столбцы картинки 8x1" "| Оценка | Что видит зритель |" "«Высота знакоместа»")
else()
  set(tutorial_heading "## Tutorial:")
  set(keys_heading "## Every key")
  set(tutorial_says "press R" "Edit > \"Balance flicker\"" "\"Balance flicker\" box" "### The pictures in this manual")
  set(manual_says "### The outer columns of an 8x1 picture" "| Score | What a viewer sees |" "\"Cell height\"")
endif()
list(APPEND tutorial_says "tests/data/photos/chelsea.png" "tests/data/seeds/example.mgs")

file(READ ${MANUAL} text)
string(REGEX MATCHALL "\n#+ [^\n]+" headings "\n${text}")
# A phrase may be wrapped over lines.
string(REGEX REPLACE "[ \n]+" " " text "${text}")

string(FIND "${text}" "${tutorial_heading}" start)
string(FIND "${text}" "${keys_heading}" end)
if(start LESS 0 OR end LESS start)
  message(FATAL_ERROR "${MANUAL} has no tutorial (\"${tutorial_heading}\") before \"${keys_heading}\"")
endif()
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${text}" ${start} ${length} tutorial)
foreach(phrase IN LISTS tutorial_says)
  string(FIND "${tutorial}" "${phrase}" at)
  if(at LESS 0)
    message(SEND_ERROR "the tutorial does not say ${phrase}")
  endif()
endforeach()
foreach(phrase IN LISTS manual_says)
  string(FIND "${text}" "${phrase}" at)
  if(at LESS 0)
    message(SEND_ERROR "${MANUAL} does not say ${phrase}")
  endif()
endforeach()

# The anchors of the headings, made as the Markdown renderers make them: the
# heading in lower case, its punctuation dropped and its spaces as hyphens.
# CMake lowers only Latin letters; the Cyrillic capitals are lowered here.
set(cyrillic А а Б б В в Г г Д д Е е Ё ё Ж ж З з И и Й й К к Л л М м Н н О о П п Р р С с Т т У у Ф ф
  Х х Ц ц Ч ч Ш ш Щ щ Ъ ъ Ы ы Ь ь Э э Ю ю Я я)
set(anchors)
foreach(heading IN LISTS headings)
  string(REGEX REPLACE "^\n#+ " "" heading "${heading}")
  string(TOLOWER "${heading}" anchor)
  set(pairs ${cyrillic})
  while(pairs)
    list(POP_FRONT pairs capital small)
    string(REPLACE "${capital}" "${small}" anchor "${anchor}")
  endwhile()
  string(REGEX REPLACE "[][!\"#$%&'()*+,./:;<=>?@\\^`{|}~]|«|»|—|–" "" anchor "${anchor}")
  string(REPLACE " " "-" anchor "${anchor}")
  list(APPEND anchors "${anchor}")
endforeach()
# A link's "](#anchor)" without its bracket, which CMake's lists would pair.
string(REGEX MATCHALL "\\(#[^)]+\\)" links "${text}")
foreach(link IN LISTS links)
  string(REGEX REPLACE "^\\(#|\\)$" "" anchor "${link}")
  list(FIND anchors "${anchor}" at)
  if(at LESS 0)
    message(SEND_ERROR "${MANUAL} links to #${anchor}, which is no heading of it")
  endif()
endforeach()
