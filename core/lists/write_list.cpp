#include "lists/write_list.h"

#include <vector>

#include "files/file_messages.h"
#include "io/text_file.h"
#include "lists/list_lines.h"
#include "text/columns.h"

namespace zorva {

namespace {

std::vector<std::string> LinesOf(const StationDocument& document, const ListRequest& request) {
    switch (request.kind) {
        case ListKind::Verified:
            return VerifiedListLines(document.table, document.stationCall, request.shortDate);
        case ListKind::ToVerify:
            return VerificationListLines(document.table, request.call, request.shortDate,
                                         document.counters);
        case ListKind::Qsl:
            return ConfirmationListLines(document.table, ConfirmationKind::Qsl);
        case ListKind::Lotw:
            break;
    }
    return ConfirmationListLines(document.table, ConfirmationKind::Lotw);
}

}  // namespace

bool WriteList(const StationDocument& document, const ListRequest& request, Prompter& prompter) {
    const IoStatus status = WriteTextLines(request.path, LinesOf(document, request));
    if (!status.ok()) {
        ShowError(prompter, FileErrorMessage(status));
        return false;
    }
    if (request.kind == ListKind::Verified) ShowInformation(prompter, "Dane zostały zapisane.");
    if (request.kind == ListKind::ToVerify)
        ShowInformation(prompter, "Dane zostały zapisane!", "Komunikat");
    return true;
}

std::string ListCall(const std::string& typed) {
    return ToLowerText(Trim(typed));
}

}  // namespace zorva
