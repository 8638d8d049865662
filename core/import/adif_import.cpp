#include "import/adif_import.h"

#include "adif/adif_reader.h"
#include "files/file_messages.h"
#include "import/append_session.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "session/undo_step.h"
#include "text/columns.h"
#include "text/cp1250.h"

namespace zorva {
namespace {

enum FieldIndex : size_t { kCall, kQslRcvd, kLotwQslRcvd, kDxcc, kQsoDate };
const std::vector<std::string> kWantedFields = {"CALL", "QSL_RCVD", "LOTW_QSL_RCVD", "DXCC",
                                                "QSO_DATE"};

// Plain ASCII reads the same in the code page of any records that follow.
constexpr const char* kExtractHeader =
    "ADIF file created by ZORVA-Rade\r\nAutor: zespol programu ZORVA-Rade\r\n<EOH>\r\n";

bool HasText(std::optional<std::string_view> value) {
    // The same blanks and control characters that the call loses when it is written.
    return value && !Trim(*value).empty();
}

// A control character inside a call would split or garble its line of the station file.
bool IsStorableCall(std::optional<std::string_view> value) {
    if (!HasText(value)) return false;
    for (unsigned char c : Trim(*value))
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

}  // namespace

std::string ImportInfoText() {
    const std::string first =
        "Import danych z pliku ADIF:\n\nZ dowolnego logu należy wyeksportować dane w formacie "
        "ADIF. "
        "Najlepiej, jeśli można wyeksportować dane dotyczące łączności zgłoszonych do weryfikacji "
        "w "
        "ZORVA. Jeśli używany program nie ma możliwości takiego filtrowania, można wyeksportować "
        "cały log.\nPodczas importu danych do programu ZORVA-RADE zostanie wtedy dodana do listy "
        "pierwsza potwierdzona łączność ze stacją z danego podmiotu.";
    const std::string second =
        "Nie będą to dane zgodne z tym, co zostało zgłoszone dotychczas do ZORVA, ale nie ma to "
        "większego znaczenia - program weryfikujący stwierdza jedynie potwierdzenie danego "
        "podmiotu, bez analizowania znaku stacji i daty QSO.";
    const std::string third =
        "Natomiast ważne jest, aby wszystkie dane zgadzały się w stosunku do nowych potwierdzeń, "
        "które mają być dopiero zweryfikowane.";
    return first + second + "\n" + third;
}

std::string VerifiedRecordsText(int count, const std::string& programDir) {
    return "\n\nRekordy dotyczące podmiotów już zweryfikowanych (" + std::to_string(count) +
           ")\nnie zostały zaimportowane - zostały zapisane w pliku " + kImportErrorFileName +
           "\nw folderze " + programDir + ".";
}

std::string NotAdifMessage(const std::string& path) {
    return "Plik \"" + path + "\" nie jest plikiem ADIF!";
}

bool IsLotwReport(const std::string& path) {
    FileByteSource source(path);
    if (!source.IsOpen()) return false;
    AdifReader reader(source, {});
    reader.ReadHeader();
    return reader.LotwReport();
}

AdifImport::AdifImport(EditSession& session) : session_(session) {}
AdifImport::~AdifImport() = default;

void AdifImport::EndSeries() {
    step_.reset();
}

void AdifImport::SetExtractQsl(bool checked) {
    controls.extractQsl = checked;
    if (checked) controls.extractLotw = false;
}

void AdifImport::SetExtractLotw(bool checked) {
    controls.extractLotw = checked;
    if (checked) controls.extractQsl = false;
}

bool AdifImport::BeginSeries() {
    EndSeries();
    if (session_.Document().Table().Count() == 0) {
        session_.New();
        // Without a station there is nothing to fill.
        if (session_.Document().Table().Count() == 0) return false;
    }
    progressVisible = false;
    records_.Reset(static_cast<size_t>(session_.Document().Table().Count()) + 1);
    verifiedRecords_ = 0;
    IoStatus created = WriteTextLines(ErrorFilePath(), {kImportErrorFileTitle});
    if (!created.ok()) {
        ShowError(session_.Questions(), FileErrorMessage(created));
        return false;
    }
    step_ = std::make_unique<UndoStep>(session_, "import danych");
    return true;
}

void AdifImport::ChooseFile() {
    auto chosen = session_.Questions().ChooseOpenFile({kAdifFileFilter, "", ""});
    if (!chosen) return;
    controls.fileName = *chosen;
    controls.source = IsLotwReport(*chosen) ? ImportSource::Lotw : ImportSource::Log;
}

void AdifImport::ShowInfo() {
    ShowInformation(session_.Questions(), ImportInfoText());
}

void AdifImport::BuildEntityIndex() {
    rowOfEntity_.fill(0);
    for (int i = session_.Document().Table().Count(); i >= 1; --i) {
        const std::string& adif = session_.Document().Table().Row(i).adif;
        const int number = ParseEntityNumber(adif);
        if (number > 0 && PadLeft(ToDecimal(number), 3) == adif) rowOfEntity_[number] = i;
    }
}

RunEnd AdifImport::Import(const ImportProgress& progress) {
    return Run(progress, [this] {
        return session_.Questions().Show({kImportContinueQuestion, "Kontynuacja importu",
                                          Icon::Question, Buttons::YesNo, Answer::No}) ==
               Answer::Yes;
    });
}

RunEnd AdifImport::ImportFile(bool anotherFileFollows, const ImportProgress& progress) {
    return Run(progress, [anotherFileFollows] { return anotherFileFollows; });
}

RunEnd AdifImport::Run(const ImportProgress& progress,
                       const std::function<bool()>& anotherFileFollows) {
    Prompter& prompter = session_.Questions();
    const std::string path = controls.fileName;
    if (path.empty()) {
        ShowError(prompter, "Wybierz plik z danymi!");
        return RunEnd::Refused;
    }
    if (!FileExists(path)) {
        ShowError(prompter, "Plik \"" + path + "\" nie został znaleziony!");
        return RunEnd::Refused;
    }
    FileByteSource source(path);
    if (!source.IsOpen()) {
        ShowError(prompter, FileErrorMessage(source.Error()));
        return RunEnd::Failed;
    }
    records_.Grow(static_cast<size_t>(session_.Document().Table().Count()) + 1);
    BuildEntityIndex();
    runFault_ = {};
    filledRowSeen_ = false;
    lotwWithoutDetail_ = false;
    entityErrorWritten_ = false;

    AppendSession errors(ErrorFilePath());
    progressVisible = true;
    if (progress) progress(0, source.Size());
    AdifReader reader(source, kWantedFields);
    const ReadEnd end = ReadRecords(reader, errors, progress, source.Size());
    // Error lines of the records read before a failure stay, as the rows they changed do.
    const IoStatus committed = errors.Commit();
    progressVisible = false;
    IoStatus failure = end == ReadEnd::Failed ? runFault_ : IoStatus{};
    if (failure.ok() && !committed.ok()) failure = committed;
    if (!failure.ok()) {
        ShowError(prompter, FileErrorMessage(failure));
        return RunEnd::Failed;
    }
    if (reader.NotAdif()) {
        ShowError(prompter, NotAdifMessage(path));
        return RunEnd::Refused;
    }

    if (anotherFileFollows()) return RunEnd::NextFile;
    if ((controls.extractQsl || controls.extractLotw) && !WriteExtract()) return RunEnd::Failed;
    FinishSeries(entityErrorWritten_);
    return RunEnd::Finished;
}

AdifImport::ReadEnd AdifImport::ReadRecords(AdifReader& reader, AppendSession& errors,
                                            const ImportProgress& progress, uint64_t total) {
    uint64_t reported = 0;
    while (reader.Next()) {
        if (!Evaluate(reader, errors)) return ReadEnd::Failed;
        if (progress && reader.BytesRead() != reported) {
            reported = reader.BytesRead();
            progress(reported, total);
        }
    }
    if (!reader.ReadError().ok()) {
        runFault_ = reader.ReadError();
        return ReadEnd::Failed;
    }
    if (progress && reader.BytesRead() != reported) progress(reader.BytesRead(), total);
    if (filledRowSeen_) session_.ShowStatusCounters(kPanelQslLotw);
    return ReadEnd::Done;
}

bool AdifImport::Evaluate(const AdifReader& reader, AppendSession& errors) {
    if (reader.status() != AdifReader::Status::Ok) return WriteError(reader.Raw(), errors);
    const bool qsl = IsReceived(reader.Field(kQslRcvd));
    const bool lotw = IsReceived(reader.Field(kLotwQslRcvd));
    if (!qsl && !lotw) return true;
    // LoTW leaves the entity out of a report downloaded without QSL details.
    if (reader.LotwReport() && !reader.Field(kDxcc)) lotwWithoutDetail_ = true;
    const int row = rowOfEntity_[static_cast<size_t>(ParseEntityNumber(reader.Field(kDxcc)))];
    // A row given a confirmation without a call would count as unconfirmed.
    if (row == 0 || !IsStorableCall(reader.Field(kCall))) return WriteError(reader.Raw(), errors);
    return Apply(row, reader, qsl, lotw, errors);
}

bool AdifImport::WriteError(std::string_view raw, AppendSession& errors) {
    entityErrorWritten_ = true;
    return AppendErrorLine(JoinLinesLower(raw), errors);
}

bool AdifImport::AppendErrorLine(const std::string& line, AppendSession& errors) {
    IoStatus status = errors.Append(line + "\r\n");
    if (!status.ok()) runFault_ = status;
    return status.ok();
}

bool AdifImport::KeepVerified(const EntityRow& entity, std::string_view raw,
                              AppendSession& errors) {
    ++verifiedRecords_;
    const std::string reason = "Podmiot " + Trim(entity.adif) + " jest już zweryfikowany (" +
                               entity.verifiedDate + ") - rekord nie został zaimportowany: ";
    // The verification date comes from the station file, so it encodes as it was read.
    return AppendErrorLine(EncodeCp1250(reason).value_or("") + JoinLinesLower(raw), errors);
}

bool AdifImport::Fill(int row, const AdifReader& reader, Confirmation method) {
    session_.Document().FillFromImport(row, ToUpperText(Trim(DecodeCp1250(*reader.Field(kCall)))),
                                       FormatQsoDate(reader.Field(kQsoDate)), method);
    session_.MarkEdited();
    // The extract holds the record as read; the last one of a file may lack its <EOR>.
    const IoStatus kept =
        records_.Put(static_cast<size_t>(row), reader.Raw(), reader.Closed() ? "" : "<EOR>");
    if (!kept.ok()) runFault_ = kept;
    return kept.ok();
}

bool AdifImport::Apply(int row, const AdifReader& reader, bool qsl, bool lotw,
                       AppendSession& errors) {
    const EntityRow& entity = session_.Document().Table().Row(row);
    const ImportSource source = controls.source;
    const Confirmation priority = controls.priority;
    const bool newEntry = entity.call.empty();
    // The panel shows counts that change only at the series' end; it is written once a run.
    if (!newEntry) filledRowSeen_ = true;
    const std::optional<Confirmation> method =
        newEntry ? std::optional(NewEntryConfirmation(source, priority, qsl, lotw))
                 : ReplacementConfirmation(source, priority, entity.confirmation, qsl, lotw);
    if (!method) return true;
    // The verification date vouches for the contact the club saw: an import never changes it.
    if (entity.IsVerified()) return KeepVerified(entity, reader.Raw(), errors);
    const bool kept = Fill(row, reader, *method);
    if (newEntry) session_.ShowStatusCounters(kPanelTotal | kPanelToVerify);
    return kept;
}

bool AdifImport::WriteExtract() {
    const Confirmation method = controls.extractQsl ? Confirmation::Qsl : Confirmation::Lotw;
    AtomicFileWriter out(ExtractPath(controls.fileName, method));
    IoStatus written = out.Open();
    if (written.ok()) written = WriteExtractTo(out, method);
    if (written.ok()) written = out.Commit();
    if (!written.ok()) ShowError(session_.Questions(), FileErrorMessage(written));
    return written.ok();
}

IoStatus AdifImport::WriteExtractTo(AtomicFileWriter& out, Confirmation method) {
    if (IoStatus s = out.Write(kExtractHeader); !s.ok()) return s;
    for (int i = 1; i <= session_.Document().Table().Count(); ++i) {
        const EntityRow& entity = session_.Document().Table().Row(i);
        if (entity.confirmation != TextOf(method)) continue;
        if (entity.IsDeleted() && !controls.includeDeleted) continue;
        if (IoStatus s = records_.CopyTo(static_cast<size_t>(i), out); !s.ok()) return s;
        if (IoStatus s = out.Write("\r\n"); !s.ok()) return s;
    }
    return IoStatus::Ok();
}

std::string ImportDoneWithErrorsMessage(const std::string& programDir) {
    return std::string(kImportDone) +
           "\n\nRekordy nie zawierające informacji o podmiocie DXCC\nlub o "
           "niezidentyfikowanym numerze podmiotu zostały\nzapisane w pliku " +
           kImportErrorFileName + "\nw folderze " + programDir + ".";
}

void AdifImport::FinishSeries(bool errorsWritten) {
    progressVisible = false;
    session_.Document().RecountMethods();
    session_.ShowStatusCounters(kPanelQslLotw);
    std::string message =
        errorsWritten ? ImportDoneWithErrorsMessage(session_.Document().ProgramDir()) : kImportDone;
    if (verifiedRecords_ > 0)
        message += VerifiedRecordsText(verifiedRecords_, session_.Document().ProgramDir());
    if (lotwWithoutDetail_) message += kImportLotwWithoutDetail;
    ShowInformation(session_.Questions(), message, "Komunikat");
    session_.ApplyView(ViewMode::AllEntities);
    EndSeries();
}

}  // namespace zorva
