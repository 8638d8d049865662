#include <gtest/gtest.h>

#include <cstdio>

#include "run_zorva.h"
#include "text/cp1250.h"

namespace zorva::testing {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The text of a PDF as pdftotext reads it, pages parted by form feeds.
std::string PdfText(const std::string& path) {
    std::string text;
    if (FILE* pipe = popen(("pdftotext -layout '" + path + "' - 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

int PageCount(const std::string& pdfText) {
    int pages = 0;
    for (char c : pdfText) pages += c == '\f';
    return pages;
}

class CliListsAndPrints : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(0, home.Run({"--yes", "new", "SP5ABC"}).exitCode);
        file = home.File("sp5abc.txt");
        Confirm("230", "DL1ABC", "2024-05-17", false);
        Confirm("291", "W1AW", "2023-01-02", true);
        Confirm("81", "Y21AA", "1989-11-09", false);
    }

    void Confirm(const std::string& adif, const std::string& call, const std::string& date,
                 bool lotw) {
        std::vector<std::string> args = {"confirm", file, adif, "--call", call, "--date", date};
        if (lotw) args.push_back("--lotw");
        ASSERT_EQ(0, home.Run(args).exitCode);
    }

    std::string Text(const std::string& name) const { return DecodeCp1250(home.Read(name)); }

    CliHome home;
    std::string file;
};

TEST_F(CliListsAndPrints, VerificationReportPdfHoldsTheItemsAndTheDeclaration) {
    auto printed = home.Run(
        {"print", "verification", file, "--pdf", home.File("raport.pdf"), "--call", "sp9xyz"});
    ASSERT_EQ(0, printed.exitCode) << printed.err;
    EXPECT_EQ("Dane zostały wysłane do drukarki!\n", printed.out);
    EXPECT_EQ("", printed.err);
    const std::string text = PdfText(home.File("raport.pdf"));
    EXPECT_EQ(1, PageCount(text));
    EXPECT_TRUE(Contains(text, "SP9XYZ"));
    // pdftotext guesses the blanks between words, so the rows are compared without them.
    std::string packed;
    for (char c : text)
        if (c != ' ') packed += c;
    EXPECT_TRUE(Contains(packed, "|1|230||DL|Fed.Rep.ofGermany|DL1ABC|2024-05-17|QSL||"));
    EXPECT_TRUE(Contains(packed, "|2|81|D|DL/D|Germany|Y21AA|1989-11-09|QSL||"));
    EXPECT_TRUE(Contains(packed, "|3|291||K|"));
    EXPECT_TRUE(
        Contains(text, "Niniejszym przedstawiam do weryfikacji powyższe podmioty na podstawie"));
    EXPECT_TRUE(Contains(text, "Podpis Męża Zaufania"));
    EXPECT_TRUE(Contains(text, "Zestawienie: SP5ABC"));
}

TEST_F(CliListsAndPrints, ListsOfEveryStationRowRunOverTheirPages) {
    ASSERT_EQ(0, home.Run({"print", "normal", file, "--pdf", home.File("n.pdf")}).exitCode);
    const std::string normal = PdfText(home.File("n.pdf"));
    // The shipped list has more than 400 entities: three pages, none left out.
    EXPECT_EQ(3, PageCount(normal));
    EXPECT_TRUE(Contains(normal, "Strona 2/3"));
    ASSERT_EQ(0, home.Run({"print", "simplified", file, "--pdf", home.File("s.pdf"), "--mode",
                           "to-verify", "--call", "SP5ABC"})
                     .exitCode);
    EXPECT_EQ(2, PageCount(PdfText(home.File("s.pdf"))));
}

TEST_F(CliListsAndPrints, WrongReportsAndModesAreUsageErrors) {
    EXPECT_EQ(2, home.Run({"print", "weekly", file, "--pdf", home.File("x.pdf")}).exitCode);
    EXPECT_EQ(
        2, home.Run({"print", "normal", file, "--pdf", home.File("x.pdf"), "--mode", "to-verify"})
               .exitCode);
    EXPECT_EQ(2, home.Run({"print", "normal", file}).exitCode);
    EXPECT_EQ(2, home.Run({"list", "all", file, home.File("x.txt")}).exitCode);
    EXPECT_FALSE(home.Exists("x.pdf"));
}

TEST_F(CliListsAndPrints, APdfThatCannotBeWrittenFails) {
    auto printed = home.Run({"print", "normal", file, "--pdf", home.File("brak/n.pdf")});
    EXPECT_EQ(1, printed.exitCode);
    EXPECT_FALSE(printed.err.empty());
    EXPECT_FALSE(Contains(printed.out, "wysłane"));
}

TEST_F(CliListsAndPrints, ListForVerificationIsReplacedOnlyWhenAnswerIsYes) {
    auto written = home.Run({"list", "to-verify", file, home.File("lista"), "--call", "SP9XYZ"});
    ASSERT_EQ(0, written.exitCode) << written.err;
    EXPECT_EQ("Dane zostały zapisane!\n", written.out);
    const std::string list = Text("lista.txt");
    EXPECT_EQ(0u, list.find("; SP9XYZ\r\n"));
    EXPECT_TRUE(Contains(list, ";Stan do zweryfikowania: 2/3\r\n"));
    EXPECT_TRUE(Contains(list,
                         "230| |DL   |Fed. Rep. of Germany    |DL1ABC         |2024-05-17|QSL |\r\n"
                         " 81|D|DL/D |Germany                 |Y21AA          |1989-11-09|QSL |\r\n"
                         "291| |K    |"));

    auto declined = home.Run({"--no", "list", "to-verify", file, home.File("lista.txt")});
    EXPECT_EQ(1, declined.exitCode);
    EXPECT_TRUE(Contains(declined.err, "lista.txt już istnieje i nie został zastąpiony."));
    EXPECT_EQ(list, Text("lista.txt"));
    EXPECT_EQ(3, home.Run({"list", "to-verify", file, home.File("lista.txt")}).exitCode);
    EXPECT_EQ(0, home.Run({"--yes", "list", "to-verify", file, home.File("lista.txt")}).exitCode);
    EXPECT_EQ(0u, Text("lista.txt").find("; SP5ABC\r\n"));
}

TEST_F(CliListsAndPrints, QslAndLotwListsAndTheVerifiedList) {
    ASSERT_EQ(0, home.Run({"list", "qsl", file, home.File("q.txt")}).exitCode);
    EXPECT_EQ(
        "DL1ABC         2024-05-17  DL     230  Fed. Rep. of Germany      QSL            \r\n"
        "Y21AA          1989-11-09  DL/D    81  Germany                   QSL            \r\n",
        Text("q.txt"));
    ASSERT_EQ(0, home.Run({"list", "lotw", file, home.File("l.txt")}).exitCode);
    EXPECT_EQ(1u, Text("l.txt").size() / 82);
    auto verified = home.Run({"list", "verified", file, home.File("v.txt")});
    ASSERT_EQ(0, verified.exitCode);
    EXPECT_EQ("Dane zostały zapisane.\n", verified.out);
    EXPECT_TRUE(Contains(
        Text("v.txt"),
        "230| |DL   |Fed. Rep. of Germany    |               |          |    |          |\r\n"));
}

}  // namespace
}  // namespace zorva::testing
