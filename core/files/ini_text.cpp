#include "files/ini_text.h"

#include <string_view>

namespace zorva {

std::string IniText(const CSimpleIniA& ini) {
    std::string saved;
    ini.Save(saved);
    const std::string_view lineEnd = SI_NEWLINE_A;
    if (lineEnd == "\n") return saved;
    std::string text;
    size_t start = 0;
    for (size_t at; (at = saved.find(lineEnd, start)) != std::string::npos;
         start = at + lineEnd.size())
        text.append(saved, start, at - start) += '\n';
    text.append(saved, start);
    return text;
}

}  // namespace zorva
