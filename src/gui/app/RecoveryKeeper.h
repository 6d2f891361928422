#pragma once

#include "core/study/RecoveryCopy.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QTimer;

namespace linealidad {

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
    // The next copy left by a program that ended; it becomes this program's copy, so discard()
    // after a "No" removes it.
    std::optional<Offer> takeLeftCopy();

private:
    void write();

    std::function<std::optional<std::string>()> content_;
    std::unique_ptr<RecoveryStore> store_;
    QTimer* timer_;
    std::string written_; // the text last written, not written again
    bool failureReported_ = false;
};

} // namespace linealidad
