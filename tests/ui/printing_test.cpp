#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>
#include <functional>

#include "document_rows.h"
#include "print/normal_list.h"
#include "print/print_commands.h"
#include "print/verification_report.h"
#include "printer_page_sink.h"
#include "scripted_prompter.h"
#include "station/station.h"
#include "temp_dir.h"
#include "test_rows.h"
#include "text/columns.h"

namespace zorva {

using testing::FixedClock;
using testing::ScriptedPrompter;
using testing::TempDir;

namespace {

// n entities; every third verified, every other third waiting for verification.
EntityTable Entities(int n) {
    EntityTable table;
    for (int i = 1; i <= n; ++i) {
        EntityRow row = testing::Row(PadLeft(std::to_string(i % 1000), 3), i % 17 == 0 ? "D" : "",
                                     "P" + std::to_string(i), "Podmiot numer " + std::to_string(i));
        if (i % 3 != 0) {
            row.call = "SP" + std::to_string(i) + "ABC";
            row.qsoDate = "2020-01-02";
            row.confirmation = i % 2 ? "QSL" : "LoTW";
        }
        if (i % 3 == 1) row.verifiedDate = "2021-05-06";
        table.Append(row);
    }
    return table;
}

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString bytes = QString::fromLatin1(file.readAll());
    return static_cast<int>(bytes.count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

  private:
    static void VerificationReport(Station& station, PrintMode, const ChoosePrinter& choose) {
        PrintVerificationReport(station, choose);
    }

    // Prints one report through a QPrinter writing a PDF; the number of pages in the file.
    int PrintToPdf(int rows,
                   const std::function<void(Station&, PrintMode, const ChoosePrinter&)>& command,
                   const std::string& offered, PrintMode mode = PrintMode::Complete) {
        TempDir dir;
        ScriptedPrompter prompter;
        FixedClock clock;
        Station station(prompter, clock, dir.Path());
        *RowsOf(station.Document()) = Entities(rows);
        SetCounters(station.Document(), Counters::Of(station.Document().Table()));
        station.Document().SetCall("SP1ABC");

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(QString::fromStdString(dir.File("raport.pdf")));
        PrinterPageSink sink(printer);

        prompter.ExpectInput(kPrintCallCaption, kPrintCallPrompt, offered, "sp9xyz");
        prompter.ExpectBox({kSentToPrinter, "Komunikat", Icon::Information, Buttons::Ok, {}});
        command(station, mode, [&]() -> PageSink* { return &sink; });
        if (!prompter.Done()) return -1;
        return PdfPageCount(QString::fromStdString(dir.File("raport.pdf")));
    }

  private slots:
    void normalListPagesFollowTheRows() {
        QCOMPARE(PrintToPdf(130, PrintNormalList, "SP1ABC"), 1);
        QCOMPARE(PrintToPdf(340, PrintNormalList, "SP1ABC", PrintMode::Verified), 2);
        QCOMPARE(PrintToPdf(420, PrintNormalList, "SP1ABC"), 3);
    }

    void simplifiedListTakesAPageForEveryFourHundredRows() {
        QCOMPARE(PrintToPdf(340, PrintSimplifiedList, ""), 1);
        QCOMPARE(PrintToPdf(420, PrintSimplifiedList, "", PrintMode::ToVerify), 2);
    }

    void verificationReportRunsOverAsManyPagesAsItNeeds() {
        QCOMPARE(PrintToPdf(0, VerificationReport, "SP1ABC"), 1);
        // 140 of 420 wait: 54, 56 and 30 rows, and the checker's half moves to a fourth page.
        QCOMPARE(PrintToPdf(420, VerificationReport, "SP1ABC"), 4);
    }

    void anUnwritableFileIsReportedInsteadOfSent() {
        TempDir dir;
        ScriptedPrompter prompter;
        FixedClock clock;
        Station station(prompter, clock, dir.Path());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.File("brak/raport.pdf")));
        PrinterPageSink sink(printer);
        prompter.ExpectInput(kPrintCallCaption, kPrintCallPrompt, "", "SP1ABC");
        prompter.ExpectError("Nie można rozpocząć wydruku.");
        PrintVerificationReport(station, [&]() -> PageSink* { return &sink; });
        QVERIFY(prompter.Done());
    }

    void courierNewResolvesToAFixedPitchFaceOfTheLayoutsWidth() {
        const QFont font = PrinterPageSink::DeviceFont({"Courier New", 11, false}, 100);
        const QFontInfo info(font);
        QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
        QVERIFY2(info.family() == "Courier New" || info.family() == "Liberation Mono",
                 qPrintable(info.family()));
        // 0.6 of the size a character: the width the layout counts with.
        QCOMPARE(QFontMetricsF(font).horizontalAdvance(QString(100, 'x')), 6000.0);
    }

    void everyTextOfTheReportsStaysOnAnA4Page() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const ReportHeading heading{"SP9XYZ", "SP1ABC", "08.12.2026", "150/152", "10/11"};
        for (const Document& document :
             {ComposeNormalList(Entities(420), PrintMode::Complete, heading),
              ComposeVerificationReport(Entities(420), heading)}) {
            const LayoutScale scale(printer.width(), printer.height(), ExtentOf(document));
            for (const Page& page : document.pages) {
                for (const PlacedText& text : page) {
                    const QFontMetricsF metrics(
                        PrinterPageSink::DeviceFont(text.font, scale.FontSize(text.font.points)),
                        &printer);
                    const double right =
                        scale.ToDevice(text.x) +
                        metrics.horizontalAdvance(QString::fromStdString(text.text));
                    QVERIFY2(right <= printer.width(), text.text.c_str());
                    QVERIFY2(scale.ToDevice(text.y) + metrics.height() <= printer.height(),
                             text.text.c_str());
                }
            }
        }
    }
};

}  // namespace zorva

QTEST_MAIN(zorva::PrintingTest)
#include "printing_test.moc"
