# Finds FLINT (Fast Library for Number Theory), Debian's libflint-dev, which
# ships neither a pkg-config file nor a CMake package. Defines the imported
# target FLINT::flint. FLINT is required: a missing copy is an error that
# names the package to install.
find_path(FLINT_INCLUDE_DIR NAMES flint/fmpz_poly.h)
find_library(FLINT_LIBRARY NAMES flint)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(FLINT
  REQUIRED_VARS FLINT_LIBRARY FLINT_INCLUDE_DIR
  REASON_FAILURE_MESSAGE "install it with: apt-get install libflint-dev")

if(FLINT_FOUND AND NOT TARGET FLINT::flint)
  add_library(FLINT::flint UNKNOWN IMPORTED)
  set_target_properties(FLINT::flint PROPERTIES
    IMPORTED_LOCATION "${FLINT_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${FLINT_INCLUDE_DIR}")
endif()
mark_as_advanced(FLINT_INCLUDE_DIR FLINT_LIBRARY)
