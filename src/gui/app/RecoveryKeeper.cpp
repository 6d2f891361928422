#include "gui/app/RecoveryKeeper.h"

#include "core/app/RecoveryStore.h"
#include "core/study/ReplacementFile.h"
#include "gui/common/Dialogs.h"
#include "gui/common/LocalPath.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QtGlobal>

namespace linealidad {
namespace {

// "Se encontró un estudio que no se guardó...": when it was last changed and, to recognise it,
// its file and its method; then what each answer does.
QString question(const RecoveryCopy& copy, const QDateTime& written) {
    QString text = QStringLiteral("Se encontró un estudio que no se guardó: el programa terminó "
                                  "sin cerrarlo. Su último cambio es del %1 a las %2.")
                       .arg(written.toString(QStringLiteral("dd/MM/yyyy")),
                            written.toString(QStringLiteral("HH:mm")));
    if (!copy.file.empty())
        text += QStringLiteral("\nArchivo: ") + qtPath(copy.file);
    if (!copy.study.emetodo.empty())
        text += QStringLiteral("\nMétodo: ") + QString::fromStdString(copy.study.emetodo);
    return text + QStringLiteral("\n\n«Recuperar» lo abre con sus cambios; «Descartar» lo borra; "
                                 "«Más tarde» lo conserva para la próxima vez que se abra el "
                                 "programa.");
}

QString setAsideReport(const RecoveryStore::SetAside& file) {
    const QString text = QStringLiteral("La copia de recuperación \"%1\" no se puede leer: está "
                                        "dañada o no es una copia de este programa.")
                             .arg(qtPath(file.copy));
    if (file.keptAs.empty())
        return text + QStringLiteral(" Se borró.");
    return text + QStringLiteral(" Se apartó como \"%1\" y no se volverá a ofrecer.")
                      .arg(qtPath(file.keptAs));
}

} // namespace

QString defaultRecoveryFolder() {
    const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
    const QByteArray home = qgetenv("HOME");
    const auto folder = recoveryFolder(stateHome.isEmpty() ? nullptr : stateHome.constData(),
                                       home.isEmpty() ? nullptr : home.constData());
    return folder ? qtPath(*folder) : QString();
}

RecoveryKeeper::RecoveryKeeper(std::function<std::optional<std::string>()> content, QObject* parent)
    : QObject(parent), content_(std::move(content)), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setInterval(kInterval);
    connect(timer_, &QTimer::timeout, this, &RecoveryKeeper::write);
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::start(const QString& folder) {
    const std::string path = localPath(folder);
    removeLeftTemporaries(path);
    store_ = std::make_unique<RecoveryStore>(path);
}

void RecoveryKeeper::changed() {
    if (store_ && !timer_->isActive())
        timer_->start();
}

void RecoveryKeeper::discard() {
    timer_->stop();
    written_.clear();
    if (store_)
        store_->discard();
}

void RecoveryKeeper::flush() {
    if (timer_->isActive()) {
        timer_->stop();
        write();
    }
}

QString RecoveryKeeper::ownCopy() const {
    return store_ ? qtPath(store_->ownCopy()) : QString();
}

void RecoveryKeeper::write() {
    const auto text = content_();
    if (!store_ || !text || *text == written_)
        return;
    try {
        store_->write(*text);
        written_ = *text;
    } catch (const std::exception& e) {
        // The analyst can do nothing about it while typing; a message box at every pause
        // would stop the work the copy is there to protect.
        if (!failureReported_)
            qWarning("linealidad: the recovery copy cannot be written: %s", e.what());
        failureReported_ = true;
    }
}

std::optional<RecoveryKeeper::Offer> RecoveryKeeper::takeLeftCopy() {
    if (!store_)
        return std::nullopt;
    auto left = store_->takeLeftCopy();
    if (!left)
        return std::nullopt;
    QString text = question(left->copy, QFileInfo(qtPath(left->path)).lastModified());
    written_.clear();
    return Offer{std::move(left->copy), std::move(text)};
}

void RecoveryKeeper::putBack() {
    if (store_)
        store_->putBack();
}

QStringList RecoveryKeeper::setAsideReports() {
    QStringList reports;
    if (store_)
        for (const RecoveryStore::SetAside& file : store_->takeSetAside())
            reports << setAsideReport(file);
    return reports;
}

bool RecoveryKeeper::offerLeftCopies(Dialogs& dialogs, const std::function<bool()>& offering,
                                     const std::function<void(const RecoveryCopy&)>& recover) {
    bool shown = false;
    while (offering()) {
        const auto left = takeLeftCopy();
        for (const QString& report : setAsideReports()) {
            dialogs.message(report);
            shown = true;
        }
        if (!left)
            break;
        shown = true;
        switch (dialogs.recoveryOffer(QStringLiteral("Estudio sin guardar"), left->question)) {
        case Dialogs::RecoveryChoice::Recover:
            recover(left->copy);
            break;
        case Dialogs::RecoveryChoice::Discard:
            discard();
            break;
        case Dialogs::RecoveryChoice::Later:
            putBack();
            break;
        }
    }
    return shown;
}

} // namespace linealidad
