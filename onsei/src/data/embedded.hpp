#pragma once

#include <string_view>

namespace onsei {

// The text of a data table from onsei/data, compiled in; "" if unknown.
std::string_view EmbeddedTable(std::string_view name);

}  // namespace onsei
