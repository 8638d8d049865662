#include "lotw/lotw_download.h"

#include <algorithm>

#include "document/station_call.h"
#include "io/atomic_file_writer.h"
#include "io/secret_memory.h"
#include "text/text_helpers.h"

namespace zorva {
namespace {

constexpr std::string_view kEndTag = "<app_lotw_eof>";
constexpr size_t kHeadSize = 1024;
constexpr std::string_view kBlanks = " \t\r\n\f\v";

// Writes the body to the report file, keeping its start and end for the checks.
class ReportSink : public DownloadSink {
  public:
    ReportSink(AtomicFileWriter& writer, const LotwDownloadRequest& request,
               const LotwProgress& progress)
        : writer_(writer),
          maxBytes_(request.maxBytes),
          deadline_(std::chrono::steady_clock::now() + request.totalLimit),
          progress_(progress) {}

    bool Write(std::string_view bytes) override {
        received_ += bytes.size();
        if (received_ > maxBytes_) {
            tooLarge_ = true;
            return false;
        }
        // Blank lines before a page do not hide that it is one.
        std::string_view start = bytes;
        if (head_.empty())
            start.remove_prefix(std::min(start.size(), start.find_first_not_of(kBlanks)));
        if (head_.size() < kHeadSize) head_.append(start.substr(0, kHeadSize - head_.size()));
        tail_.append(bytes);
        if (tail_.size() > 2 * kHeadSize) tail_.erase(0, tail_.size() - kHeadSize);
        IoStatus written = writer_.Write(bytes);
        if (!written.ok()) writeError_ = written;
        return written.ok();
    }

    bool Continue(std::uint64_t) override {
        if (std::chrono::steady_clock::now() >= deadline_) tooLong_ = true;
        if (!tooLong_ && progress_ && !progress_(received_)) aborted_ = true;
        return !aborted_ && !tooLong_;
    }

    // Why the sink stopped the transfer.
    LotwFailure StopReason() const {
        if (tooLarge_) return LotwFailure::TooLarge;
        if (tooLong_) return LotwFailure::TooLong;
        if (!writeError_.ok()) return LotwFailure::FileError;
        return LotwFailure::Aborted;
    }

    bool LooksLikeHtml() const {
        std::string start = AsciiLowerText(head_);
        return start.find("<html") != std::string::npos ||
               start.find("<!doctype html") != std::string::npos;
    }

    bool EndsWithEndTag() const {
        std::string end = AsciiLowerText(tail_);
        size_t last = end.find_last_not_of(" \t\r\n");
        return last != std::string::npos && last + 1 >= kEndTag.size() &&
               end.compare(last + 1 - kEndTag.size(), kEndTag.size(), kEndTag) == 0;
    }

    std::uint64_t Received() const { return received_; }
    const IoStatus& WriteError() const { return writeError_; }

  private:
    AtomicFileWriter& writer_;
    std::uint64_t maxBytes_;
    std::chrono::steady_clock::time_point deadline_;
    const LotwProgress& progress_;
    std::uint64_t received_ = 0;
    std::string head_;
    std::string tail_;
    IoStatus writeError_;
    bool tooLarge_ = false;
    bool tooLong_ = false;
    bool aborted_ = false;
};

LotwFailure FailureOf(FetchOutcome outcome, const ReportSink& sink) {
    switch (outcome) {
        case FetchOutcome::Done:
            return LotwFailure::None;
        case FetchOutcome::NoNetwork:
            return LotwFailure::NoNetwork;
        case FetchOutcome::TimedOut:
            return LotwFailure::TimedOut;
        case FetchOutcome::HttpError:
            return LotwFailure::HttpError;
        case FetchOutcome::Certificate:
            return LotwFailure::Certificate;
        case FetchOutcome::TooLarge:
            return LotwFailure::TooLarge;
        case FetchOutcome::Interrupted:
            return LotwFailure::CutShort;
        case FetchOutcome::Stopped:
            return sink.StopReason();
        case FetchOutcome::Failed:
            break;
    }
    return LotwFailure::Other;
}

LotwFailure CheckReport(const ReportSink& sink) {
    if (sink.LooksLikeHtml()) return LotwFailure::WrongLogin;
    if (!sink.EndsWithEndTag()) return LotwFailure::CutShort;
    return LotwFailure::None;
}

}  // namespace

std::string LotwReportPath(const std::string& stationFilePath, const std::string& call,
                           const CivilDate& day) {
    std::string stem = StationFileNameForCall(call);
    stem.resize(stem.size() - 4);  // ".txt"
    return JoinPath(DirectoryOf(stationFilePath), stem + "_lotw_" + IsoDate(day) + ".adi");
}

LotwDownload DownloadLotwReport(HttpFetcher& fetcher, const LotwDownloadRequest& request,
                                const LotwProgress& progress) {
    LotwDownload result;
    AtomicFileWriter writer(request.reportPath);
    if (IoStatus opened = writer.Open(); !opened.ok()) {
        result.failure = LotwFailure::FileError;
        result.file = opened;
        return result;
    }
    ReportSink sink(writer, request, progress);
    FetchRequest fetch{LotwQueryUrl(request.baseUrl, request.query), request.caFile,
                       request.maxBytes, request.stallSeconds};
    FetchResult fetched = fetcher.Get(fetch, sink);
    ClearSecret(fetch.url);
    result.bytes = sink.Received();
    result.httpStatus = fetched.httpStatus;
    result.failure = FailureOf(fetched.outcome, sink);
    if (result.failure == LotwFailure::FileError)
        result.file = sink.WriteError();
    else
        result.detail = HidePassword(fetched.detail, request.query.password);
    if (result.failure == LotwFailure::None) result.failure = CheckReport(sink);
    if (result.failure != LotwFailure::None) return result;
    if (IoStatus committed = writer.Commit(); !committed.ok()) {
        result.failure = LotwFailure::FileError;
        result.file = committed;
    }
    return result;
}

}  // namespace zorva
