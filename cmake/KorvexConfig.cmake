# find_package(Korvex) support: the korvex executable and korvex_generate().
get_filename_component(_korvex_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
find_program(KORVEX_EXECUTABLE korvex HINTS "${_korvex_prefix}/bin" NO_DEFAULT_PATH)
find_program(KORVEX_EXECUTABLE korvex)
include("${CMAKE_CURRENT_LIST_DIR}/KorvexGenerate.cmake")
