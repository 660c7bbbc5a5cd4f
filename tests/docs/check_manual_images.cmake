# Every image the manual names, as Markdown ![text](path) or HTML <img src>,
# exists beside it and is a PNG.
#   cmake -DMANUAL=docs/manual.md -P check_manual_images.cmake
# A translation of the manual also names ORIGINAL, the manual it translates,
# and IMAGES, the folder of its own screenshots beside it. It shows the same
# pictures as the original, by file name and in the same order, and takes
# each from IMAGES when that folder has it: an original's screenshot in its
# place would show the interface in the other language.
#   cmake -DMANUAL=docs/manual.ru.md -DORIGINAL=docs/manual.md -DIMAGES=images/ru -P ...

# The paths of the images a manual names and their file names, in order.
function(manual_images manual paths_var names_var)
  file(READ ${manual} text)
  # Both kinds of link in the order they stand: each match is one link.
  string(REGEX MATCHALL "!\\[[^]]*\\]\\([^) ]+|<img [^>]*src=\"[^\"]+" links "${text}")
  set(paths)
  set(names)
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^.*[(\"]" "" path "${link}")
    get_filename_component(name ${path} NAME)
    list(APPEND paths ${path})
    list(APPEND names ${name})
  endforeach()
  set(${paths_var} ${paths} PARENT_SCOPE)
  set(${names_var} ${names} PARENT_SCOPE)
endfunction()

manual_images(${MANUAL} paths names)
get_filename_component(dir ${MANUAL} DIRECTORY)
list(LENGTH paths count)
foreach(path IN LISTS paths)
  if(NOT EXISTS ${dir}/${path})
    message(SEND_ERROR "${MANUAL} names ${path}, which does not exist")
    continue()
  endif()
  file(READ ${dir}/${path} signature LIMIT 8 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(SEND_ERROR "${path} is not a PNG image")
  endif()
  get_filename_component(name ${path} NAME)
  if(DEFINED IMAGES AND NOT path STREQUAL "${IMAGES}/${name}" AND EXISTS ${dir}/${IMAGES}/${name})
    message(SEND_ERROR "${MANUAL} names ${path}, but its own ${IMAGES}/${name} exists")
  endif()
endforeach()
if(count LESS 10)
  message(FATAL_ERROR "found only ${count} images in ${MANUAL}")
endif()

if(DEFINED ORIGINAL)
  manual_images(${ORIGINAL} original_paths original_names)
  if(NOT names STREQUAL original_names)
    string(REPLACE ";" " " names "${names}")
    string(REPLACE ";" " " original_names "${original_names}")
    message(SEND_ERROR "${MANUAL} shows the pictures\n  ${names}\nbut ${ORIGINAL} shows\n  ${original_names}")
  endif()
endif()
message(STATUS "${count} images of ${MANUAL} exist")
