#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QtTest>

#include "ui_fixture.h"

using namespace zorva;
using namespace zorva::ui_test;

namespace {

// Every command of the menus as the user reads it: without the access-key mark,
// the shortcut written after blanks, or the change an undo item names.
QStringList CommandCaptions(const QList<QAction*>& actions) {
    static const QRegularExpression tail("(\\s{2,}|\\t|: ).*$");
    QStringList captions;
    for (const QAction* action : actions) {
        if (action->isSeparator()) continue;
        captions << action->text().remove('&').remove(tail).trimmed();
        if (action->menu()) captions << CommandCaptions(action->menu()->actions());
    }
    return captions;
}

}  // namespace

class HelpContentsTest : public QObject {
    Q_OBJECT
  private slots:
    void helpNamesEveryMenuCommand();
};

void HelpContentsTest::helpNamesEveryMenuCommand() {
    Program program;
    MainWindow& form = program.Start();
    QStringList captions = CommandCaptions(form.menuBar()->actions());
    captions << CommandCaptions(form.MenuItem("gridPopupMenu")->menu()->actions());
    QVERIFY(captions.size() > 40);

    const ReadResult help = ReadWholeFile(std::string(ZORVA_SOURCE_DIR) + "/data/zorva_rade.html");
    QVERIFY(help.ok());
    const QString text =
        QTextDocumentFragment::fromHtml(QString::fromUtf8(help.bytes)).toPlainText().simplified();
    for (const QString& caption : captions)
        QVERIFY2(text.contains(caption), qPrintable("not in the help: " + caption));
}

QTEST_MAIN(HelpContentsTest)
#include "help_contents_test.moc"
