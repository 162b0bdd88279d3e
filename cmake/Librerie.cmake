# ts_espone(TARGET PUBLIC|PRIVATE FOLDER [PREFIX P] [HEADERS h...]): makes the
# headers of the current source folder reachable by TARGET (and, PUBLIC, by
# whoever links it) as "FOLDER/Header.h", or "P/FOLDER/Header.h", and by
# nobody else. The include directory is a folder of the build tree of
# TARGET's own holding one symbolic link, FOLDER -> the source folder; with
# HEADERS, FOLDER is a real folder with a link to each of those headers only.
function(ts_espone bersaglio visibilita cartella)
  cmake_parse_arguments(ARG "" "PREFIX" "HEADERS" ${ARGN})
  set(radice ${PROJECT_BINARY_DIR}/intestazioni/${bersaglio})
  set(collegamento ${radice}/${cartella})
  if(ARG_PREFIX)
    set(collegamento ${radice}/${ARG_PREFIX}/${cartella})
  endif()
  file(REMOVE_RECURSE ${radice})
  if(ARG_HEADERS)
    file(MAKE_DIRECTORY ${collegamento})
    foreach(intestazione IN LISTS ARG_HEADERS)
      file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${intestazione} ${collegamento}/${intestazione}
           SYMBOLIC)
    endforeach()
  else()
    get_filename_component(sopra ${collegamento} DIRECTORY)
    file(MAKE_DIRECTORY ${sopra})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${collegamento} SYMBOLIC)
  endif()
  target_include_directories(${bersaglio} ${visibilita} ${radice})
endfunction()

# ts_libreria(NAME FOLDER [PREFIX P] [HEADERS h...] SOURCES s...): a static
# library of the current source folder, whose headers only its own sources
# and the targets that link it can include (see ts_espone).
function(ts_libreria nome cartella)
  cmake_parse_arguments(ARG "" "PREFIX" "HEADERS;SOURCES" ${ARGN})
  add_library(${nome} STATIC ${ARG_SOURCES})
  set(opzioni)
  if(ARG_PREFIX)
    list(APPEND opzioni PREFIX ${ARG_PREFIX})
  endif()
  if(ARG_HEADERS)
    list(APPEND opzioni HEADERS ${ARG_HEADERS})
  endif()
  ts_espone(${nome} PUBLIC ${cartella} ${opzioni})
endfunction()
