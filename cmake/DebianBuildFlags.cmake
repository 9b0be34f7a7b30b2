# SPDX-License-Identifier: GPL-3.0-or-later
# The compiler and linker flags Debian builds its packages with, from
# dpkg-buildflags with every hardening feature on (fortify, stack protector,
# format checks, relro, bind now). They come first, so the build type's own
# optimisation wins. Not for Debug builds (fortify needs optimisation) nor
# for the sanitizer and fuzz builds, whose instrumentation it disturbs.
option(KTQ_DEBIAN_BUILDFLAGS "Take the compiler and linker flags from dpkg-buildflags" ON)
find_program(KTQ_DPKG_BUILDFLAGS dpkg-buildflags)
if(KTQ_DEBIAN_BUILDFLAGS AND KTQ_DPKG_BUILDFLAGS AND NOT KTQ_SANITIZE AND NOT KTQ_FUZZ
   AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # Run in the source folder: the file-prefix map it gives is then that folder's.
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env
              "DEB_BUILD_MAINT_OPTIONS=hardening=+all $ENV{DEB_BUILD_MAINT_OPTIONS}"
              ${KTQ_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE debian_flags_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  # The build folder's name leaves the debug information too, so a build in
  # another folder makes the same program (its build id included).
  string(PREPEND CMAKE_CXX_FLAGS "${debian_flags_CPPFLAGS} ${debian_flags_CXXFLAGS} "
                                 "-ffile-prefix-map=${CMAKE_BINARY_DIR}=. ")
  string(PREPEND CMAKE_EXE_LINKER_FLAGS "${debian_flags_LDFLAGS} ")
  string(PREPEND CMAKE_MODULE_LINKER_FLAGS "${debian_flags_LDFLAGS} ")
endif()
