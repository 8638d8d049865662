#include "print/verification_report.h"

#include <string>
#include <utility>
#include <vector>

#include "print/report_lines.h"
#include "text/columns.h"

namespace zorva {

namespace {

const PageFont kBody{"Courier New", 11, false};
const std::string kTableRule(74, '-');
const std::string kDots(72, '.');
constexpr int kLastPlace = 56;
// A declaration half needs the places up to 56; it starts on a new page past this place.
constexpr int kLastDeclarationStart = 43;

using Steps = std::vector<std::pair<int, std::string>>;

const Steps kApplicantHalf = {
    {3, "Niniejszym przedstawiam do weryfikacji powyższe podmioty na podstawie"},
    {1, "załączonych kart QSL oraz danych z LoTW."},
    {1, "Oświadczam, że przestrzegałem zasad regulaminów ZORVA oraz wszystkich"},
    {1, "przepisów prawnych dotyczących radiokomunikacji amatorskiej w Polsce."},
    {1, "Poddaję się decyzjom Sekretariatu Krajowego ZORVA i uznaję fakt, że"},
    {1, "wszystkie jego decyzje są ostateczne."},
    {1, kDots},
    {1, kDots},
    {3, "          Data        Podpis wnioskującego       Znak wywoławczy"},
};

const Steps kCheckerHalf = {
    {3, "Oświadczam, że osobiście dokonałem weryfikacji potwierdzeń i uznaję,"},
    {1, "że powyższy wniosek jest prawdziwy i nie zawiera błędów."},
    {2, "Wnioskuję o zaliczenie ____ podmiotów."},
    {2, "Nie zaliczam ___ podmiotów."},
    {2, kDots},
    {1, kDots},
    {3, "          Data        Podpis Męża Zaufania       Znak wywoławczy"},
};

bool Waiting(const std::string& line, const char* method) {
    return HasTextAt(line, 39) && !HasTextAt(line, 71) && Columns(line, 65, 3) == method;
}

class Composer {
  public:
    explicit Composer(const ReportHeading& heading) : heading_(heading) { document_.AddPage(); }

    Document Compose(const std::vector<std::string>& lines) {
        AddHeader();
        if (AddGroup(lines, "QSL")) {
            ++place_;
            At(place_, kTableRule);
        }
        if (AddGroup(lines, "LoT")) At(place_ + 1, kTableRule);
        AddDeclarationHalf(kApplicantHalf);
        AddDeclarationHalf(kCheckerHalf);
        AddFooter();
        return std::move(document_);
    }

  private:
    void At(int place, const std::string& text) {
        document_.LastPage().push_back({200, 280 + 50 * place, kBody, text});
    }

    void AddHeader() {
        Page& page = document_.LastPage();
        const PageFont small{"Courier New", 10, false};
        page.push_back({200, 125, kBody, "Zestawienie podmiotów DXCC dla: "});
        page.push_back({1200, 115, {"Courier New", 16, true}, ToUpperText(heading_.titleCall)});
        page.push_back({1800, 125, small, "Data: " + heading_.date});
        page.push_back({200, 180, small, "Stan zweryfikowanych:   " + heading_.verifiedCounter});
        page.push_back({200, 220, small, "Stan do zweryfikowania: " + heading_.toVerifyCounter});
        At(0, kTableRule);
        At(1, "|Lp.|ADI|D| Pfx | Podmiot                | Znak          |Data QSO  |Potw|");
        At(2, "|---+---+-+-----+------------------------+---------------+----------+----|");
        place_ = 2;
    }

    bool AddGroup(const std::vector<std::string>& lines, const char* method) {
        bool any = false;
        for (const std::string& line : lines) {
            if (!Waiting(line, method)) continue;
            any = true;
            // Past the last place, not only at it: the rule after the QSL group
            // may already stand on the last place.
            if (++place_ > kLastPlace) BreakPage();
            At(place_, "|" + ItemNumberText(item_++) + line);
        }
        return any;
    }

    void AddDeclarationHalf(const Steps& steps) {
        if (place_ > kLastDeclarationStart) BreakPage();
        for (const auto& [advance, text] : steps) {
            place_ += advance;
            At(place_, text);
        }
    }

    void AddFooter() {
        document_.LastPage().push_back({600, 3250, kBody,
                                        " Zestawienie: " + ToUpperText(heading_.stationCall) +
                                            "   " + heading_.date + "   Strona " +
                                            std::to_string(pageNumber_)});
    }

    void BreakPage() {
        AddFooter();
        ++pageNumber_;
        place_ = 1;
        document_.AddPage();
    }

    const ReportHeading& heading_;
    Document document_;
    int pageNumber_ = 1;
    int place_ = 0;
    int item_ = 1;
};

}  // namespace

std::string ItemNumberText(int item) {
    const std::string padded = "   " + std::to_string(item);
    return padded.substr(padded.size() - 3);
}

Document ComposeVerificationReport(const EntityTable& table, const ReportHeading& heading) {
    std::vector<std::string> lines;
    for (const EntityRow& row : table.Rows()) lines.push_back(VerificationLine(row));
    return Composer(heading).Compose(lines);
}

}  // namespace zorva
