# Copies the shipped data files into the build folder. countries.txt is
# copied only when the build folder has none, so saved edits survive; the map
# pictures are refreshed from the source tree.
if(EXISTS "${SRC}/countries.txt" AND NOT EXISTS "${DST}/countries.txt")
  file(COPY "${SRC}/countries.txt" DESTINATION "${DST}")
endif()
if(IS_DIRECTORY "${SRC}/Maps")
  file(GLOB maps "${SRC}/Maps/*.jpg")
  if(maps)
    file(MAKE_DIRECTORY "${DST}/Maps")
    foreach(m IN LISTS maps)
      get_filename_component(n "${m}" NAME)
      if(NOT EXISTS "${DST}/Maps/${n}" OR "${m}" IS_NEWER_THAN "${DST}/Maps/${n}")
        file(COPY "${m}" DESTINATION "${DST}/Maps")
      endif()
    endforeach()
  endif()
endif()
