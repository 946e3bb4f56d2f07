# Writes OUT, a C++ file holding the bytes of IN as velquist::embedded::NAME.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
# One line per 32 bytes keeps the generated file readable by compilers and people.
string(REGEX REPLACE "(('[^']+',){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUT}.tmp"
  "// Generated from ${IN}; do not edit.\n"
  "#include <string_view>\n"
  "namespace velquist::embedded {\n"
  "namespace {\n"
  "constexpr char kData[${size} + 1] = {\n${bytes}'\\0'};\n"
  "}  // namespace\n"
  "extern const std::string_view ${NAME};\n"
  "const std::string_view ${NAME}(kData, ${size});\n"
  "}  // namespace velquist::embedded\n")
file(RENAME "${OUT}.tmp" "${OUT}")
