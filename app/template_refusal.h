#pragma once

#include <QString>
#include <functional>
#include <string>

namespace ruzdo {

// Why the sequences' template cannot make captions for plates plates, in the
// panel's words; "" when it can. readable says whether the engine can read a
// speech text (Shift-JIS): one sequence the template makes is asked about.
QString TemplateRefusal(const QString& pattern, int plates,
                        const std::function<bool(const std::string& koe)>& readable);

}  // namespace ruzdo
