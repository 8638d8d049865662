#include "convert/conversion_template.h"

#include "files/entity_line.h"
#include "files/file_messages.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "text/columns.h"

namespace zorva {
namespace {

std::string MissingTemplateMessage(const std::string& path) {
    return "Plik wzorcowy \"" + path + "\" nie został znaleziony!\n" +
           "Musi on znajdować się w tym samym katalogu, co i ZORVA_RADE.EXE.";
}

std::string FaultyLineMessage(const std::string& line) {
    return "Błąd w pliku DXCC_ADIF.KVT w linii:\n\n" + line + "\n\n" +
           "Popraw tą linię w pliku i spróbuj ponownie.";
}

}  // namespace

ConversionTemplate LoadConversionTemplate(const std::string& programDir, Prompter& prompter) {
    ConversionTemplate result;
    result.path = JoinPath(programDir, kConversionTemplateName);
    if (!FileExists(result.path)) {
        ShowError(prompter, MissingTemplateMessage(result.path));
        return result;
    }
    TextLines file = ReadTextLines(result.path);
    if (!file.ok()) {
        ShowError(prompter, FileErrorMessage(file.status));
        return result;
    }
    for (const std::string& line : file.lines) {
        if (Trim(line).empty()) continue;
        if (!HasEntitySeparators(line)) {
            ShowError(prompter, FaultyLineMessage(line));
            return result;
        }
        result.rows.push_back(ParseEntityLine(line));
    }
    result.readWhole = true;
    return result;
}

}  // namespace zorva
