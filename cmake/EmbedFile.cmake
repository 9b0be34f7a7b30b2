# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ source that holds the bytes of INPUT, returned by FUNCTION.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR byteCount "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(([^,]*,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT} "#include <string_view>\nnamespace ktq {\nnamespace {\nconst char kBytes[] = {\n    ${bytes}};\n}\nstd::string_view ${FUNCTION}() { return {kBytes, ${byteCount}}; }\n}  // namespace ktq\n")
