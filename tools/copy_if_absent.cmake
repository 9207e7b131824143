# Copies SRC to DST only when DST does not exist yet, so a rebuild never
# replaces a file the user has changed.
if(NOT EXISTS "${DST}")
  get_filename_component(dir "${DST}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
