# Finds Arb (ball arithmetic over FLINT), Debian's libflint-arb-dev, which
# ships neither a pkg-config file nor a CMake package. Its headers sit
# directly in the include directory (arb.h, acb.h, arb_fmpz_poly.h) and its
# library is flint-arb. Defines the imported target Arb::arb, which brings
# FLINT::flint along. Arb is required: a missing copy is an error that names
# the package to install.
find_package(FLINT REQUIRED)
find_path(ARB_INCLUDE_DIR NAMES arb_fmpz_poly.h)
find_library(ARB_LIBRARY NAMES flint-arb arb)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Arb
  REQUIRED_VARS ARB_LIBRARY ARB_INCLUDE_DIR
  REASON_FAILURE_MESSAGE "install it with: apt-get install libflint-arb-dev")

if(Arb_FOUND AND NOT TARGET Arb::arb)
  add_library(Arb::arb UNKNOWN IMPORTED)
  set_target_properties(Arb::arb PROPERTIES
    IMPORTED_LOCATION "${ARB_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${ARB_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES FLINT::flint)
endif()
mark_as_advanced(ARB_INCLUDE_DIR ARB_LIBRARY)
