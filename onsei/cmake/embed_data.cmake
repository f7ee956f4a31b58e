# Writes a C++ source that holds the data tables as string constants:
#   cmake -DOUTPUT=file.cpp -DINPUTS="a.tsv;b.tsv" -P embed_data.cmake
set(body "// Generated from onsei/data by embed_data.cmake; do not edit.\n#include \"data/embedded.hpp\"\n\nnamespace onsei {\n\nstd::string_view EmbeddedTable(std::string_view name) {\n")
foreach(input IN LISTS INPUTS)
  get_filename_component(name "${input}" NAME)
  file(READ "${input}" content)
  string(APPEND body "  if (name == \"${name}\") return R\"onsei_tsv(${content})onsei_tsv\";\n")
endforeach()
string(APPEND body "  return {};\n}\n\n}  // namespace onsei\n")
file(WRITE "${OUTPUT}.tmp" "${body}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
