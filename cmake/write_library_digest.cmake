# Writes the SHA-256 of a built shared library into a source file that the programs compile in,
# as the body of FUNCTION, so each program knows the exact library it was built with. Run after
# the library is linked; the file is rewritten only when the digest changes, so an unchanged
# library rebuilds nothing.
file(SHA256 "${LIBRARY}" digest)
set(text "// Generated at build time from ${LIBRARY}.\n#include \"${HEADER}\"\n\nconst char* ${FUNCTION}() {\n    return \"${digest}\";\n}\n")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUTPUT}" "${text}")
endif()
