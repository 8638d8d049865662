#include "lotw_download_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "import_window.h"
#include "io/secret_memory.h"
#include "lotw/curl_http_fetcher.h"
#include "lotw/lotw_command.h"
#include "lotw/lotw_session.h"
#include "main_window.h"
#include "system_keyring.h"

namespace zorva {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QDate ToQDate(const CivilDate& d) {
    return QDate(d.year, d.month, d.day);
}

CivilDate FromQDate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

// The blocking transfer runs on a worker thread while the dialog's event loop
// goes on, the dialog showing the download meanwhile.
class WorkerThreadFetcher : public HttpFetcher {
  public:
    explicit WorkerThreadFetcher(std::function<void(bool)> showDownloading)
        : showDownloading_(std::move(showDownloading)) {}

    FetchResult Get(const FetchRequest& request, DownloadSink& sink) override {
        FetchResult result;
        QThread* worker = QThread::create([&] {
            CurlHttpFetcher fetcher;
            result = fetcher.Get(request, sink);
        });
        QEventLoop loop;
        QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
        showDownloading_(true);
        worker->start();
        loop.exec();
        worker->wait();
        delete worker;
        showDownloading_(false);
        return result;
    }

  private:
    std::function<void(bool)> showDownloading_;
};

}  // namespace

LotwDownloadDialog::LotwDownloadDialog(Station& station, const LotwMemory& memory, Keyring& keyring,
                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      station_(station),
      keyring_(keyring),
      today_(station.clock.Today()) {
    setObjectName("lotwDownloadDialog");
    setWindowTitle(Q(kLotwDialogCaption));
    setModal(true);
    BuildControls();
    Prefill(memory);
}

void LotwDownloadDialog::BuildControls() {
    login_ = new QLineEdit(this);
    login_->setObjectName("login");
    password_ = new QLineEdit(this);
    password_->setObjectName("password");
    password_->setEchoMode(QLineEdit::Password);
    remember_ = new QCheckBox(Q("&Zapamiętaj hasło"), this);
    remember_->setObjectName("rememberPassword");
    since_ = new QDateEdit(this);
    since_->setObjectName("since");
    since_->setDisplayFormat("yyyy-MM-dd");
    since_->setCalendarPopup(true);
    since_->setMaximumDate(ToQDate(today_));
    all_ = new QCheckBox(Q("&Wszystkie"), this);
    all_->setObjectName("all");
    connect(all_, &QCheckBox::toggled, since_, &QWidget::setDisabled);

    auto* sinceRow = new QHBoxLayout;
    sinceRow->addWidget(since_, 1);
    sinceRow->addWidget(all_);
    auto* form = new QFormLayout;
    form->addRow(Q("&Login:"), login_);
    form->addRow(Q("&Hasło:"), password_);
    form->addRow(QString(), remember_);
    form->addRow(Q("Potwierdzenia &od dnia:"), sinceRow);
    // The form's labels take the fields as buddies, so Alt+letter reaches them.
    static_cast<QLabel*>(form->labelForField(sinceRow))->setBuddy(since_);

    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setRange(0, 0);
    progress_->setTextVisible(false);
    received_ = new QLabel(this);
    received_->setObjectName("received");

    download_ = new QPushButton(Q("&Pobierz"), this);
    download_->setObjectName("download");
    download_->setDefault(true);
    abort_ = new QPushButton(Q("P&rzerwij"), this);
    abort_->setObjectName("abort");
    cancel_ = new QPushButton(Q("Anuluj"), this);
    cancel_->setObjectName("cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(download_);
    buttons->addWidget(abort_);
    buttons->addStretch(1);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(progress_);
    layout->addWidget(received_);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    ticker_ = new QTimer(this);
    ticker_->setInterval(100);
    connect(ticker_, &QTimer::timeout, this, &LotwDownloadDialog::ShowBytes);
    connect(download_, &QPushButton::clicked, this, &LotwDownloadDialog::download);
    connect(abort_, &QPushButton::clicked, this, &LotwDownloadDialog::abortDownload);
    connect(cancel_, &QPushButton::clicked, this, &LotwDownloadDialog::reject);
    SetDownloading(false);
}

void LotwDownloadDialog::Prefill(const LotwMemory& memory) {
    KeepSecretsOutOfCoreDumps();
    login_->setText(QString::fromStdString(memory.login));
    const std::optional<std::string> kept = keyring_.Recall(memory.login);
    password_->setText(QString::fromStdString(kept.value_or("")));
    passwordWasKept_ = kept.has_value();
    remember_->setChecked(passwordWasKept_);
    since_->setDate(ToQDate(memory.lastDownload.value_or(today_)));
    all_->setChecked(!memory.lastDownload);
    (memory.login.empty() ? login_ : password_)->setFocus();
}

std::string LotwDownloadDialog::Login() const {
    return login_->text().trimmed().toStdString();
}

bool LotwDownloadDialog::Run() {
    return exec() == QDialog::Accepted;
}

void LotwDownloadDialog::SetDownloading(bool downloading) {
    downloading_ = downloading;
    for (QWidget* field : {static_cast<QWidget*>(login_), static_cast<QWidget*>(password_),
                           static_cast<QWidget*>(remember_), static_cast<QWidget*>(all_),
                           static_cast<QWidget*>(download_), static_cast<QWidget*>(cancel_)})
        field->setEnabled(!downloading);
    since_->setEnabled(!downloading && !all_->isChecked());
    abort_->setEnabled(downloading);
    progress_->setVisible(downloading);
    received_->setVisible(downloading);
    if (downloading) {
        ShowBytes();
        abort_->setFocus();
        ticker_->start();
    } else {
        ticker_->stop();
        // The hidden progress rows leave no empty band behind.
        adjustSize();
    }
}

void LotwDownloadDialog::ShowBytes() {
    received_->setText(Q("Odebrano: ") + QLocale(QLocale::Polish).toString(qulonglong(bytes_)) +
                       Q(" bajtów"));
}

void LotwDownloadDialog::download() {
    LotwDownloadParams params;
    params.login = Login();
    params.password = password_->text().toStdString();
    if (params.login.empty() || params.password.empty()) {
        ShowError(station_.prompter, params.login.empty() ? kLotwNoLogin : kLotwNoPassword);
        (params.login.empty() ? login_ : password_)->setFocus();
        ClearSecret(params.password);
        return;
    }
    if (!all_->isChecked()) params.since = FromQDate(since_->date());
    params.today = today_;
    params.keeping = KeepingFor(remember_->isChecked(), passwordWasKept_);
    bytes_ = 0;
    aborted_ = false;
    WorkerThreadFetcher fetcher([this](bool downloading) { SetDownloading(downloading); });
    const LotwPorts ports{fetcher, keyring_, station_.prompter, [this](std::uint64_t bytes) {
                              bytes_ = bytes;
                              return !aborted_;
                          }};
    const LotwFetched fetched = FetchLotwReport(station_.Document(), params, ports);
    if (!fetched.download.ok()) {
        download_->setFocus();
        return;
    }
    reportPath_ = fetched.reportPath;
    accept();
}

void LotwDownloadDialog::abortDownload() {
    aborted_ = true;
}

void LotwDownloadDialog::reject() {
    if (downloading_)
        abortDownload();
    else
        QDialog::reject();
}

void DownloadFromLotw(MainWindow& mainWindow) {
    Station& station = mainWindow.station();
    const std::optional<LotwMemory> memory = RecallLotwFor(station.Document(), station.prompter);
    if (!memory) return;
    SystemKeyring keyring;
    LotwDownloadDialog dialog(station, *memory, keyring, &mainWindow);
    if (!dialog.Run()) return;
    LotwDownloadParams done;
    done.login = dialog.Login();
    done.today = dialog.Today();
    LotwStationSteps steps;
    steps.importReport = [&](const std::string& report) {
        return mainWindow.importWindow().Run(report);
    };
    steps.save = [&] { return station.Save(); };
    ImportLotwReport(station.Document().SettingsPath(), station.Document().Call(), done,
                     dialog.ReportPath(), steps, station.prompter);
    mainWindow.Refresh();
}

bool LotwDownloadBuilt() {
    return true;
}

}  // namespace zorva
