#pragma once

#include "core/study/RecoveryCopy.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QTimer;

namespace linealidad {

class Dialogs;
class RecoveryStore;

// The folder of the recovery copies for this user: "linealidad" in $XDG_STATE_HOME, or in
// ~/.local/state. Empty when neither can be found.
QString defaultRecoveryFolder();

// Keeps the recovery copy of the open study while it has typing that was not saved, so a crash
// or a power cut loses at most the last few seconds, and finds the copies that programs which
// ended without closing their study left behind. Nothing is written or found until start().
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // The longest a change waits before its copy is written; changes in between go together.
    static constexpr int kInterval = 2000;

    // `content` gives the text of the copy, or nothing while no study has unsaved typing.
    explicit RecoveryKeeper(std::function<std::optional<std::string>()> content,
                            QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Starts keeping copies in `folder`, and removes the temporary files that saves of killed
    // programs left there.
    void start(const QString& folder);
    // Something changed: the copy is written within the interval.
    void changed();
    // The study was saved or closed: the copy goes, and a pending write with it.
    void discard();
    // Writes a pending copy now.
    void flush();
    // This program's copy file; empty while it has none.
    QString ownCopy() const;

    // A copy left behind, and the question that offers it.
    struct Offer {
        RecoveryCopy copy;
        QString question;
    };
    // Each study left by a program that ended without closing it (a crash, a kill, a power cut)
    // is offered in turn while `offering` says so: "Recuperar" opens it with `recover`,
    // "Descartar" deletes it, "Más tarde" (Escape) keeps it for a later start; the left files
    // that could not be read are reported on the way. True when it showed any message box.
    bool offerLeftCopies(Dialogs& dialogs, const std::function<bool()>& offering,
                         const std::function<void(const RecoveryCopy&)>& recover);

private:
    // The next copy left by a program that ended; it becomes this program's copy, so discard()
    // after "Descartar" removes it, until putBack() leaves it for a later start.
    std::optional<Offer> takeLeftCopy();
    void putBack();
    // What to tell about the left files that could not be read as copies, set aside since the
    // last call: one message each.
    QStringList setAsideReports();
    void write();

    std::function<std::optional<std::string>()> content_;
    std::unique_ptr<RecoveryStore> store_;
    QTimer* timer_;
    std::string written_; // the text last written, not written again
    bool failureReported_ = false;
};

} // namespace linealidad
