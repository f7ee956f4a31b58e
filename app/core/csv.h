#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ruzdo {

// One field as RFC 4180 writes it: quoted (with its quotes doubled) when it
// holds a comma, a quote, a line break or leading or trailing space.
std::string CsvField(std::string_view text);

// A record: the fields joined by commas, ended by CRLF.
std::string CsvRecord(const std::vector<std::string>& fields);

}  // namespace ruzdo
