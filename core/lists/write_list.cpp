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
            return VerifiedListLines(document.Table(), document.Call(), request.shortDate);
        case ListKind::ToVerify:
            return VerificationListLines(document.Table(), request.call, request.shortDate,
                                         document.Counts());
        case ListKind::Qsl:
            return ConfirmationListLines(document.Table(), Confirmation::Qsl);
        case ListKind::Lotw:
            break;
    }
    return ConfirmationListLines(document.Table(), Confirmation::Lotw);
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
