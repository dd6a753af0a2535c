# Read by cpack (CPACK_PROJECT_CONFIG_FILE): adds the shared libraries that the package's binaries
# (TAGLOOM_PACKAGED_BINARIES, in the build tree) need to the Debian package's Depends.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

find_program(TAGLOOM_SHLIBDEPS dpkg-shlibdeps)
if(NOT TAGLOOM_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps is missing: apt-get install dpkg-dev")
endif()
# dpkg-shlibdeps reads the source package's name from debian/control in its working folder.
set(tagloom_shlibdeps_dir "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/shlibdeps")
file(MAKE_DIRECTORY "${tagloom_shlibdeps_dir}/debian")
file(WRITE "${tagloom_shlibdeps_dir}/debian/control"
     "Source: ${CPACK_PACKAGE_NAME}\n\nPackage: ${CPACK_PACKAGE_NAME}\nArchitecture: any\n")
execute_process(COMMAND ${TAGLOOM_SHLIBDEPS} -O ${TAGLOOM_PACKAGED_BINARIES}
                WORKING_DIRECTORY "${tagloom_shlibdeps_dir}"
                RESULT_VARIABLE tagloom_shlibdeps_result
                OUTPUT_VARIABLE tagloom_shlibdeps_output
                ERROR_VARIABLE tagloom_shlibdeps_errors)
file(REMOVE_RECURSE "${tagloom_shlibdeps_dir}")
if(NOT tagloom_shlibdeps_result EQUAL 0
   OR NOT tagloom_shlibdeps_output MATCHES "^shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps failed:\n${tagloom_shlibdeps_errors}")
endif()
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${CMAKE_MATCH_1}")
