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
# and the targets that link it can include (see ts_espone). Where
# TS_INTESTAZIONI names a target of ts_intestazioni_precompilate, the library
# reuses its precompiled header.
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
  if(TS_INTESTAZIONI)
    target_precompile_headers(${nome} REUSE_FROM ${TS_INTESTAZIONI})
  endif()
endfunction()

# ts_intestazioni_precompilate(NAME LIBS l... HEADERS h...): a target whose
# only work is to precompile HEADERS with the flags that linking LIBS gives,
# for targets built with the same flags to reuse
# (target_precompile_headers(T REUSE_FROM NAME)): the headers nearly every
# source includes are then read once a build instead of once a source. A
# source still includes what it uses; the compiler warns (invalid-pch) where
# a target's flags differ and the header cannot be used.
function(ts_intestazioni_precompilate nome)
  cmake_parse_arguments(ARG "" "" "LIBS;HEADERS" ${ARGN})
  file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${nome}.cpp CONTENT "")
  add_library(${nome} OBJECT ${CMAKE_CURRENT_BINARY_DIR}/${nome}.cpp)
  target_link_libraries(${nome} PRIVATE ${ARG_LIBS})
  target_precompile_headers(${nome} PRIVATE ${ARG_HEADERS})
  set_target_properties(${nome} PROPERTIES AUTOMOC OFF)
endfunction()
