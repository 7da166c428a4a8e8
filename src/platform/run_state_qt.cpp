#include "platform/run_state_qt.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <filesystem>

namespace tikanda {

namespace {

const QString kPrefix = QStringLiteral("run-");
const QString kSuffix = QStringLiteral(".state");
// A state file is a few hundred bytes; anything far larger is not one.
constexpr qint64 kMaxStateSize = 64 * 1024;
// The autostart entry is ours only with this line: a file the user made is never touched.
const QByteArray kOwnMark = "X-Tikanda-Pending=true";

QString xdgDir(const char* variable, const QString& fallbackUnderHome) {
    const QString v = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(v)) return v;
    return QDir::homePath() + QLatin1Char('/') + fallbackUnderHome;
}

bool isHexId(const QString& s) {
    if (s.isEmpty() || s.size() > 16) return false;
    for (const QChar c : s)
        if (!c.isDigit() && !(c >= QLatin1Char('a') && c <= QLatin1Char('f'))) return false;
    return true;
}

// A regular file (a link to one counts), never a FIFO or a device that could block the open.
bool isRegularFile(const QString& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path.toStdString()), ec);
}

std::unique_ptr<QLockFile> lockFor(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    // Held for the life of a copy: stale only when its process is gone, never by age.
    lock->setStaleLockTime(0);
    return lock;
}

// The ids of the state files in the folder.
QStringList stateIds() {
    QStringList ids;
    const QDir dir(QtRunStateStore::stateDir());
    for (const QString& name :
         dir.entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files | QDir::System)) {
        const QString id = name.mid(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
        if (isHexId(id)) ids << id;
    }
    return ids;
}

} // namespace

QtRunStateStore::QtRunStateStore(QString program, QStringList args) : m_program(std::move(program)) {
    for (const QString& a : args) {
        if (a.startsWith(QLatin1String(kRunIdSwitch)))
            m_handedId = a.mid(int(std::strlen(kRunIdSwitch))).toLower();
        else
            m_args << a;
    }
}

QtRunStateStore::~QtRunStateStore() = default;

QString QtRunStateStore::stateDir() {
    return xdgDir("XDG_STATE_HOME", QStringLiteral(".local/state")) + QStringLiteral("/tikanda");
}

QString QtRunStateStore::autostartFile() {
    return xdgDir("XDG_CONFIG_HOME", QStringLiteral(".config")) +
           QStringLiteral("/autostart/tikanda-pending.desktop");
}

QString QtRunStateStore::statePath() const {
    return stateDir() + QLatin1Char('/') + kPrefix + m_id + kSuffix;
}

bool QtRunStateStore::lockRun(const QString& id) {
    auto lock = lockFor(stateDir() + QLatin1Char('/') + kPrefix + id + QStringLiteral(".lock"));
    if (!lock->tryLock(0)) return false;
    m_lock = std::move(lock);
    m_id = id;
    return true;
}

void QtRunStateStore::newRun() {
    m_lock.reset();
    do {
        m_id = QString::number(QRandomGenerator::system()->generate64() & 0xffffffffffffULL, 16);
    } while (!lockRun(m_id));
}

void QtRunStateStore::claim() {
    if (m_claimed) return;
    m_claimed = true;
    QDir().mkpath(stateDir());
    QFile::setPermissions(stateDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Copies starting together take their runs one after another; a wait that does not end
    // soon is given up (the run is then left to the next start).
    auto folder = lockFor(stateDir() + QStringLiteral("/folder.lock"));
    folder->setStaleLockTime(2000);
    const bool folderLocked = folder->tryLock(500);
    QStringList further;
    if (!m_handedId.isEmpty()) {
        // A copy started for one run takes only that one, and starts plain when it is gone.
        if (isHexId(m_handedId) && folderLocked && lockRun(m_handedId) &&
            QFileInfo::exists(statePath()))
            m_taken.emplace();
    } else if (folderLocked) {
        for (const QString& id : stateIds()) {
            const QString path = stateDir() + QLatin1Char('/') + kPrefix + id + kSuffix;
            if (!isRegularFile(path) || QFileInfo(path).size() > kMaxStateSize) {
                std::fprintf(stderr, "tikanda: %s is not a state file; left as it is\n",
                             qPrintable(path));
                continue;
            }
            if (!m_taken) {
                if (lockRun(id)) m_taken.emplace();
            } else if (QLockFile probe(stateDir() + QLatin1Char('/') + kPrefix + id +
                                       QStringLiteral(".lock"));
                       probe.setStaleLockTime(0), probe.tryLock(0)) {
                probe.unlock();
                further << id;
            }
        }
    }
    if (m_taken) {
        m_taken.reset();
        const QString path = statePath();
        QFile f(path);
        if (isRegularFile(path) && QFileInfo(path).size() <= kMaxStateSize &&
            f.open(QIODevice::ReadOnly))
            m_taken = f.readAll().toStdString();
        else
            std::fprintf(stderr, "tikanda: %s is not a state file; left as it is\n",
                         qPrintable(path));
        if (!m_taken) newRun();
    }
    if (m_id.isEmpty()) newRun();
    if (folderLocked) folder->unlock();

    for (const QString& id : further) {
        QStringList args = m_args;
        args << QLatin1String(kRunIdSwitch) + id;
        if (!QProcess::startDetached(m_program, args))
            std::fprintf(stderr, "tikanda: could not start a copy for the pending run %s\n",
                         qPrintable(id));
    }
}

std::optional<std::string> QtRunStateStore::taken() {
    claim();
    return std::exchange(m_taken, std::nullopt);
}

void QtRunStateStore::setAside(bool damaged) {
    claim();
    const QString path = statePath();
    if (damaged) {
        const QString aside = path + QStringLiteral(".damaged");
        QFile::remove(aside);
        if (QFile::rename(path, aside))
            std::fprintf(stderr, "tikanda: the pending run in %s could not be read; set aside as %s\n",
                         qPrintable(path), qPrintable(aside));
        else
            QFile::remove(path);
    } else {
        std::fprintf(stderr, "tikanda: the pending run in %s was written by a newer version; left alone\n",
                     qPrintable(path));
        // Not this copy's: its own runs go to a file of their own.
        newRun();
    }
}

void QtRunStateStore::save(const std::string& text) {
    claim();
    QSaveFile f(statePath());
    if (!f.open(QIODevice::WriteOnly) || f.write(text.data(), qint64(text.size())) != qint64(text.size()) ||
        !f.commit()) {
        std::fprintf(stderr, "tikanda: the pending run could not be written to %s\n",
                     qPrintable(statePath()));
        return;
    }
    updateAutostart();
}

void QtRunStateStore::remove() {
    claim();
    QFile::remove(statePath());
    updateAutostart();
}

QString QtRunStateStore::execLine(const QString& program, const QStringList& args) {
    // Each word in double quotes with ", `, $ and \ escaped by a backslash; then the value
    // escaping of the entry file doubles every backslash, and % is written %%.
    QStringList words;
    for (const QString& w : QStringList{program} + args) {
        QString q;
        for (const QChar c : w) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                q += QLatin1Char('\\');
            q += c;
        }
        q.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        q.replace(QLatin1Char('%'), QStringLiteral("%%"));
        words << QLatin1Char('"') + q + QLatin1Char('"');
    }
    return words.join(QLatin1Char(' '));
}

void QtRunStateStore::updateAutostart() {
    const QString path = autostartFile();
    QFile existing(path);
    const bool exists = QFileInfo(path).exists() || QFileInfo(path).isSymLink();
    if (exists) {
        // Only our own entry, a regular file, is ever rewritten or removed.
        if (!isRegularFile(path) || QFileInfo(path).isSymLink() || !existing.open(QIODevice::ReadOnly))
            return;
        if (!existing.read(kMaxStateSize).contains(kOwnMark)) return;
        existing.close();
    }
    bool pending = false;
    for (const QString& id : stateIds())
        if (isRegularFile(stateDir() + QLatin1Char('/') + kPrefix + id + kSuffix)) pending = true;
    if (!pending) {
        if (exists) QFile::remove(path);
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    const QByteArray entry = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Tikanda\n"
                             "Comment=Odpočet nebo alarm, který ještě nezazněl\n"
                             "Exec=" + execLine(m_program, m_args).toUtf8() + "\n"
                             "NoDisplay=true\n"
                             "X-GNOME-Autostart-enabled=true\n" + kOwnMark + "\n";
    if (!f.open(QIODevice::WriteOnly) || f.write(entry) != entry.size() || !f.commit())
        std::fprintf(stderr, "tikanda: the autostart entry %s could not be written\n",
                     qPrintable(path));
}

} // namespace tikanda
