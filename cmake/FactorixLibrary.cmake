# factorix_library(<name> SOURCES <files...> LINK <targets...>)
# A static library of the project: its sources listed one by one, the
# project's root on its include path (headers are included as
# "folder/File.h"), the given libraries linked publicly, and the strict
# warnings of FACTORIX_STRICT_WARNINGS.
function(factorix_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINK")
  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${arg_LINK})
  target_compile_options(${name} PRIVATE ${FACTORIX_STRICT_WARNINGS})
endfunction()
