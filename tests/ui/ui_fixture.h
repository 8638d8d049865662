#pragma once

#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QTableView>
#include <memory>
#include <string>
#include <vector>

#include "entity_grid_model.h"
#include "files/reference_file.h"
#include "files/settings_file.h"
#include "files/station_file.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "main_window.h"
#include "panel_bar.h"
#include "scripted_prompter.h"
#include "temp_dir.h"
#include "test_rows.h"

namespace zorva::ui_test {

using zorva::testing::FixedClock;
using zorva::testing::ScriptedPrompter;
using zorva::testing::TempDir;

// The shipped entity list with a few confirmations, as a station file holds it.
struct Entity {
    std::string prefix;
    std::string call, qsoDate, confirmation, verifiedDate;
};

// A program directory holding the shipped reference file, and the main window over it.
class Program {
  public:
    Program() {
        const ReadResult reference = ReadWholeFile(std::string(ZORVA_DATA_DIR) + "/dxcc_adif.kvt");
        dir.Write("dxcc_adif.kvt", reference.bytes);
    }

    // Writes a station file of every shipped entity, with the given confirmations.
    std::string WriteStation(const std::string& name, const std::string& call,
                             const std::vector<Entity>& confirmed) {
        const ReferenceList reference = ReadReferenceList(dir.File("dxcc_adif.kvt"));
        std::vector<EntityRow> rows;
        for (const std::string& line : reference.lines) {
            EntityRow row = ParseReferenceLine(line);
            for (const Entity& e : confirmed) {
                if (e.prefix != row.prefix) continue;
                row.call = e.call;
                row.qsoDate = e.qsoDate;
                row.confirmation = e.confirmation;
                row.verifiedDate = e.verifiedDate;
            }
            rows.push_back(row);
        }
        WriteTextLines(dir.File(name), zorva::testing::StationLines(call, rows));
        return dir.File(name);
    }

    void WriteSettings(const Settings& settings) {
        WriteSettingsFile(dir.File("zorva_rade.ini"), settings);
    }

    MainWindow& Start() {
        form = std::make_unique<MainWindow>(prompter, clock, dir.Path());
        // Every signal the grid model sends while the test drives the window is checked; a fault
        // aborts.
        modelTester = std::make_unique<QAbstractItemModelTester>(
            form->GridModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        started = form->Start();
        return *form;
    }

    // Every scripted box came so far; a wrong or unexpected one has failed the test already.
    bool DialoguesAsScripted() const { return prompter.Done(); }

    QString Panel(const char* bar, int panel) const {
        return form->findChild<PanelBar*>(bar)->Text(panel);
    }
    bool Enabled(const char* item) const { return form->MenuItem(item)->isEnabled(); }
    int GridRows() const { return form->GridModel()->rowCount(); }
    QString Cell(int row, int column) const {
        return form->GridModel()->index(row, column).data().toString();
    }
    // kNoRow while no row is current.
    static constexpr int kNoRow = -1;
    int CurrentRow() const { return form->station().View().grid.currentRow.value_or(kNoRow); }

    TempDir dir;
    ScriptedPrompter prompter;
    FixedClock clock;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<QAbstractItemModelTester> modelTester;
    bool started = false;
};

inline MessageBox Warning(const std::string& text, Buttons buttons) {
    return {text, "Ostrzeżenie", Icon::Warning, buttons, {}};
}

}  // namespace zorva::ui_test
