#include "convert/conversion_template.h"

#include "io/file_system.h"
#include "io/text_file.h"
#include "text/columns.h"

namespace zorva {
namespace {

bool HasSeparators(const std::string& line) {
    for (size_t column : {4, 6, 12, 37})
        if (ColumnAt(line, column) != "|") return false;
    return true;
}

EntityRow TemplateRow(const std::string& line) {
    EntityRow row;
    row.adif = Columns(line, 0, 3);
    row.deleted = Trim(Columns(line, 4, 1));
    row.prefix = Trim(Columns(line, 6, 5));
    row.name = Trim(Columns(line, 12, 24));
    return row;
}

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
        ShowError(prompter, file.error);
        return result;
    }
    for (const std::string& line : file.lines) {
        if (Trim(line).empty()) continue;
        if (!HasSeparators(line)) {
            ShowError(prompter, FaultyLineMessage(line));
            return result;
        }
        result.rows.push_back(TemplateRow(line));
    }
    result.readWhole = true;
    return result;
}

}  // namespace zorva
