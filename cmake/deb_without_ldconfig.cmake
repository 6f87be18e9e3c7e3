# Run by CPack once the .deb is built (CPACK_POST_BUILD_SCRIPTS): takes out the maintainer scripts
# CPack wrote only to call ldconfig, and builds the package again from the same files. A script
# that does anything more stops the build instead: it was meant to ship, and must then come
# through CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA without the ldconfig call.
find_program(DPKG_DEB dpkg-deb REQUIRED)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND ${DPKG_DEB} --raw-extract "${package}" "${tree}"
                  COMMAND_ERROR_IS_FATAL ANY)
  set(changed FALSE)
  foreach(script postinst postrm)
    set(path "${tree}/DEBIAN/${script}")
    if(NOT EXISTS "${path}")
      continue()
    endif()
    file(STRINGS "${path}" lines)
    foreach(line IN LISTS lines)
      # CPack's whole script: the shell, set -e, and ldconfig under one test of the action.
      if(NOT line MATCHES [[^(#!/bin/sh|set -e|if \[ "\$1" = "[a-z]+" \]; then|[ 	]*ldconfig|fi|[ 	]*)$]])
        message(FATAL_ERROR "${script} of ${package} does more than call ldconfig: '${line}'")
      endif()
    endforeach()
    file(REMOVE "${path}")
    set(changed TRUE)
  endforeach()
  if(changed)
    # Owned by root whoever builds, as CPack writes them.
    execute_process(COMMAND ${DPKG_DEB} --root-owner-group --build "${tree}" "${package}"
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE "${tree}")
endforeach()
