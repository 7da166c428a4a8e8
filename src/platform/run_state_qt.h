#pragma once
// The state files of pending runs: one file and one lock per running copy in
// $XDG_STATE_HOME/tikanda (default ~/.local/state/tikanda), and an autostart entry that
// brings the program back at the next login while any run is pending.

#include "platform/interfaces.h"

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

namespace tikanda {

class QtRunStateStore : public RunStateStore {
public:
    // program: the absolute path of the running binary; args: its command-line words.
    // A word "--run-id=HEX" hands this copy the run of that id (started for it by another
    // copy); the other words are repeated in the autostart entry.
    QtRunStateStore(QString program, QStringList args);
    ~QtRunStateStore() override;

    std::optional<std::string> taken() override;
    void setAside(bool damaged) override;
    void save(const std::string& text) override;
    void remove() override;

    // The folder of the state files, and the autostart entry's path.
    static QString stateDir();
    static QString autostartFile();
    // The autostart entry's Exec value: every word quoted as the Desktop Entry rules ask.
    static QString execLine(const QString& program, const QStringList& args);
    // The switch that hands a copy its run.
    static constexpr const char* kRunIdSwitch = "--run-id=";

private:
    // At the first use: takes one pending run whose copy is gone (or the one handed over),
    // and starts the program once more for each further one.
    void claim();
    // Takes the lock of run `id`; false when a live copy holds it.
    bool lockRun(const QString& id);
    void newRun();
    QString statePath() const;
    // The autostart entry follows: there while any run is pending, gone when none is.
    void updateAutostart();

    QString m_program;
    QStringList m_args;
    QString m_handedId;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    bool m_claimed = false;
    std::optional<std::string> m_taken;
};

} // namespace tikanda
