#include <qt6keychain/keychain.h>

#include <QEventLoop>

#include "lotw_keyring.h"

namespace zorva {
namespace {

const QString kService = QStringLiteral("ZORVA_Rade LoTW");

// Runs the job to its end; the keyring answers asynchronously.
QKeychain::Error Finish(QKeychain::Job& job, const std::string& login) {
    job.setAutoDelete(false);
    job.setKey(QString::fromStdString(login));
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    return job.error();
}

// Without a keyring service Qt's keychain says no more than "Unknown error".
bool NoKeyring(QKeychain::Error error, const QKeychain::Job& job) {
    if (error == QKeychain::NoBackendAvailable || error == QKeychain::NotImplemented) return true;
    const QString reason = job.errorString();
    return error == QKeychain::OtherError &&
           (reason.isEmpty() || reason == QStringLiteral("Unknown error"));
}

std::string Failure(const char* what, const QKeychain::Job& job) {
    return std::string(what) + "\n\n(" + job.errorString().toStdString() + ")";
}

}  // namespace

std::optional<std::string> RecallLotwPassword(const std::string& login) {
    if (login.empty()) return std::nullopt;
    QKeychain::ReadPasswordJob job(kService);
    if (Finish(job, login) != QKeychain::NoError) return std::nullopt;
    return job.textData().toStdString();
}

std::string StoreLotwPassword(const std::string& login, const std::string& password) {
    QKeychain::WritePasswordJob job(kService);
    job.setTextData(QString::fromStdString(password));
    const QKeychain::Error error = Finish(job, login);
    if (error == QKeychain::NoError) return "";
    if (NoKeyring(error, job)) return kNoKeyringMessage;
    return Failure("Nie można zapamiętać hasła w systemowym magazynie haseł.", job);
}

std::string ForgetLotwPassword(const std::string& login) {
    QKeychain::DeletePasswordJob job(kService);
    const QKeychain::Error error = Finish(job, login);
    // Where no keyring is, no password was kept either.
    if (error == QKeychain::NoError || error == QKeychain::EntryNotFound) return "";
    if (NoKeyring(error, job)) return "";
    return Failure("Nie można usunąć hasła z systemowego magazynu haseł.", job);
}

}  // namespace zorva
