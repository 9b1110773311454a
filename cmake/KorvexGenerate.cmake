# korvex_generate(OUTPUTS <file>... SOURCE <file> [DEFINITION <file>]
#                 [INCLUDE_DIRS <dir>...] [DEFINES <name>...] [OPTIONS <arg>...]
#                 [LINT])
#
# Runs Korvex as a custom command. OUTPUTS are the files the source writes
# (its OUTFILE names, relative to the current binary directory, which is
# Korvex's -od directory). Korvex writes a dependency file, so touching an
# included definition file or a child source regenerates the outputs.
#
# LINT runs `korvex -lint` with the same arguments first. A report with a
# warning or an error fails the build step: the report is in the build's
# output, the outputs are left as they were, and the step runs again on the
# next build (the outputs stay older than the mended input).
function(korvex_generate)
  cmake_parse_arguments(KG "LINT" "SOURCE;DEFINITION" "OUTPUTS;INCLUDE_DIRS;DEFINES;OPTIONS" ${ARGN})
  if(NOT KG_SOURCE OR NOT KG_OUTPUTS)
    message(FATAL_ERROR "korvex_generate needs SOURCE and OUTPUTS")
  endif()
  if(NOT KORVEX_EXECUTABLE)
    find_program(KORVEX_EXECUTABLE korvex REQUIRED)
  endif()
  get_filename_component(source "${KG_SOURCE}" ABSOLUTE)
  set(args "${source}")
  set(depends "${source}")
  if(KG_DEFINITION)
    get_filename_component(definition "${KG_DEFINITION}" ABSOLUTE)
    list(APPEND args "${definition}")
    list(APPEND depends "${definition}")
  endif()
  foreach(dir IN LISTS KG_INCLUDE_DIRS)
    get_filename_component(dir "${dir}" ABSOLUTE)
    list(APPEND args -I "${dir}")
  endforeach()
  foreach(define IN LISTS KG_DEFINES)
    list(APPEND args -d "${define}")
  endforeach()
  set(outputs "")
  foreach(out IN LISTS KG_OUTPUTS)
    list(APPEND outputs "${CMAKE_CURRENT_BINARY_DIR}/${out}")
  endforeach()
  list(GET KG_OUTPUTS 0 first)
  string(MAKE_C_IDENTIFIER "${first}" stem)
  set(depfile "${CMAKE_CURRENT_BINARY_DIR}/${stem}.korvex.d")
  # The step's message names each output: "Korvex: generating a.v, b.v from top.kv".
  list(JOIN KG_OUTPUTS ", " named_outputs)
  get_filename_component(source_name "${source}" NAME)
  set(lint "")
  set(doing "generating")
  if(KG_LINT)
    # No -depfile here: the generation writes the dependency file, and only
    # once the lint has passed.
    set(lint COMMAND "${KORVEX_EXECUTABLE}" -lint ${args} -od "${CMAKE_CURRENT_BINARY_DIR}" ${KG_OPTIONS})
    set(doing "linting and generating")
  endif()
  add_custom_command(
    OUTPUT ${outputs}
    ${lint}
    COMMAND "${KORVEX_EXECUTABLE}" ${args} -od "${CMAKE_CURRENT_BINARY_DIR}" -depfile "${depfile}" ${KG_OPTIONS}
    DEPENDS ${depends}
    DEPFILE "${depfile}"
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
    COMMENT "Korvex: ${doing} ${named_outputs} from ${source_name}"
    VERBATIM)
endfunction()
