# Dependencies that the build cannot do without. A missing one stops the
# configuration with the Debian package that provides it; nothing is
# skipped quietly.

# Fails unless `program` is on the PATH; `package` provides it.
function(factorix_require_program program package)
  find_program(FACTORIX_PROGRAM_${program} ${program})
  if(NOT FACTORIX_PROGRAM_${program})
    message(FATAL_ERROR "${program} not found: install it with: apt-get install ${package}")
  endif()
endfunction()

# Fails unless `python` can import `module`; `package` provides it.
function(factorix_require_python_module python module package)
  execute_process(COMMAND ${python} -c "import ${module}" RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${python} cannot import ${module}: install it with: apt-get install ${package}")
  endif()
endfunction()
