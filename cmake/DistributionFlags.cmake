# The distribution's hardening and reproducibility flags (dpkg-buildflags: fortified functions,
# stack protector, read-only relocations bound at start, file names relative to the source) for a
# release build, which is the one packaged. Debug, sanitizer and fuzzing builds keep their own
# flags: the fortified functions and the sanitizers get in each other's way.
option(VEXLIN_DISTRIBUTION_FLAGS "Add dpkg-buildflags' flags to a release build" ON)

if(VEXLIN_DISTRIBUTION_FLAGS AND NOT VEXLIN_SANITIZE AND NOT VEXLIN_FUZZ
   AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    find_program(DPKG_BUILDFLAGS dpkg-buildflags)
    if(DPKG_BUILDFLAGS)
        if(NOT DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
            set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
        endif()
        foreach(_kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${_kind}
                            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                            OUTPUT_VARIABLE _flags OUTPUT_STRIP_TRAILING_WHITESPACE)
            separate_arguments(_flags UNIX_COMMAND "${_flags}")
            if(_kind STREQUAL "LDFLAGS")
                add_link_options(${_flags})
            else()
                add_compile_options(${_flags})
            endif()
        endforeach()
        message(STATUS "Distribution flags from dpkg-buildflags added")
    else()
        message(STATUS "dpkg-buildflags not found: built without the distribution's flags")
    endif()
endif()
