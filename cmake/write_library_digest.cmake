# Writes the SHA-256 of the built libKestrivo.so into a source file that the programs compile in,
# so each program knows the exact library it was built with. Run after the library is linked;
# the file is rewritten only when the digest changes, so an unchanged library rebuilds nothing.
file(SHA256 "${LIBRARY}" digest)
set(text "// Generated at build time from ${LIBRARY}.\n#include \"library_digest.h\"\n\nconst char* kestrivo_library_sha256() {\n    return \"${digest}\";\n}\n")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUTPUT}" "${text}")
endif()
