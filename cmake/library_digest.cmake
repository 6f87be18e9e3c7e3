# kestrivo_library_digest(<digest target> <library target> <function> <header>): a static library
# holding `const char* <function>()`, the SHA-256 of the library target's file as built, declared
# in <header>. A program binds that library only when the file on disk has this digest.
function(kestrivo_library_digest target library function header)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp)
  add_custom_command(
    OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=$<TARGET_FILE:${library}> -DOUTPUT=${source}
            -DFUNCTION=${function} -DHEADER=${header}
            -P ${PROJECT_SOURCE_DIR}/cmake/write_library_digest.cmake
    DEPENDS ${library} ${PROJECT_SOURCE_DIR}/cmake/write_library_digest.cmake
    COMMENT "Recording the SHA-256 of $<TARGET_FILE_NAME:${library}>")
  add_library(${target} STATIC ${source})
endfunction()
