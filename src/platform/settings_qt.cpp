// The per-user settings store: QSettings over the INI file $XDG_CONFIG_HOME/RVTikanda.conf
// (~/.config/RVTikanda.conf by default; another application name gets a file of its own)
// with one group per section, [Default] and [User].
//
// QSettings writes the file through a temporary file renamed over the old one (at a
// symbolic link's target, so that the link stays), and refuses to write at all where it
// cannot do so: a failed save leaves the previous file as it was. Its write re-reads a file
// that another copy of the program wrote meanwhile and keeps the keys it did not set.
//
// The values set here wait in the store and are written two seconds after they were set
// (at start-up the factory values would otherwise be written while the main window is
// being mapped), or at once by flush().
//
// Nothing here may hold the user-interface thread up without a bound:
// - Only a regular file, or a symbolic link to one, is opened: a FIFO would block the
//   open, a folder or a device holds no settings. Such a file is neither read nor written.
// - A file larger than any the program writes is damage: it is not read (QSettings would
//   read all of it, at the start and at every write) and the next write replaces it.
// - QSettings waits for its lock file without end, and its clean-up cannot remove a lock
//   file it may not open (a dangling link, a folder, another user's file). So before each
//   write the lock is taken for a moment, with a short wait, and given back; only then does
//   QSettings take it again for its own write. When it cannot be had the values stay
//   unwritten and the write fails; stderr says so once.
// - A lock file that no live process holds, left by a save that was killed, is removed at
//   once when the store is opened (QLockFile would wait for it to grow old).
//
// A file damaged by hand is read as far as it goes and written anew, well-formed, by the
// next write; but QSettings' status keeps the first error it met, which would hide the
// outcome of later writes. So a write is judged by the file: it was written when a new file
// took the place of the old one.

#include "platform/platform_qt.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

#include <sys/stat.h>

namespace tikanda {

namespace {
const std::string kApplication = "RVTikanda";
// Far beyond any settings file the program writes (about a kilobyte).
constexpr qint64 kMaxFileSize = 1024 * 1024;
// How long a write waits for the lock, held by another copy's write.
constexpr int kLockWaitMs = 300;
constexpr int kWriteDelayMs = 2000;

QString keyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

enum class FileKind {
    Missing,      // nothing there
    DanglingLink, // a symbolic link to nothing
    File,         // a regular file, or a link to one
    TooLarge,     // the same, larger than kMaxFileSize
    NoFile        // a folder, a FIFO, a device, a link to one of them, or no answer
};

// What is at `path`, found without opening it.
FileKind inspect(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return errno == ENOENT ? FileKind::Missing : FileKind::NoFile;
    if (S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) != 0)
        return errno == ENOENT ? FileKind::DanglingLink : FileKind::NoFile;
    if (!S_ISREG(st.st_mode)) return FileKind::NoFile;
    return st.st_size > kMaxFileSize ? FileKind::TooLarge : FileKind::File;
}

// Whether the lock file is a file QLockFile can take and clean up: none yet, or a small
// regular one.
bool lockUsable(const QString& lock) {
    const FileKind kind = inspect(lock);
    return kind == FileKind::Missing || kind == FileKind::File;
}

void removeStaleLock(const QString& lock) {
    if (lockUsable(lock)) QLockFile(lock).removeStaleLockFile();
}

// Takes the lock, waiting a little for another copy's write, and gives it back at once.
bool lockCanBeHad(const QString& lock) {
    if (!lockUsable(lock)) return false;
    QLockFile probe(lock);
    if (!probe.tryLock(kLockWaitMs)) return false;
    probe.unlock();
    return true;
}

// Replaces the file (a link's target) by an empty one without reading it.
bool replaceByEmptyFile(const QString& path) {
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.commit();
}

// The file's identity on its file system; nullopt when there is no such file.
std::optional<std::pair<dev_t, ino_t>> fileIdentity(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
    return std::pair{st.st_dev, st.st_ino};
}

// The stored value as text, whatever QSettings made of it: an unquoted value with commas
// in a hand-edited file reads as a list, an "@Variant(...)" as some other type.
std::string textOf(const QVariant& v) {
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", ")).toStdString();
    if (v.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray()).toStdString();
    if (v.canConvert<QString>()) return v.toString().toStdString();
    return {};
}
} // namespace

// One settings file: QSettings over it, where it can be read, and the values set since the
// last write.
class SettingsFile : public QObject {
public:
    explicit SettingsFile(const std::string& app)
        : m_path(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QLatin1Char('/') + QString::fromStdString(app) + QStringLiteral(".conf")),
          m_lock(m_path + QStringLiteral(".lock")) {
        m_later.setSingleShot(true);
        m_later.setInterval(kWriteDelayMs);
        connect(&m_later, &QTimer::timeout, this, [this] { write(); });
        removeStaleLock(m_lock);
        open();
    }

    ~SettingsFile() override {
        if (!m_unwritten.empty()) write();
    }

    std::optional<std::string> get(const QString& key) const {
        if (auto it = m_unwritten.find(key); it != m_unwritten.end())
            return it->second.toStdString();
        if (!m_settings) return std::nullopt;
        const QVariant v = m_settings->value(key);
        return v.isValid() ? std::optional(textOf(v)) : std::nullopt;
    }

    void set(const QString& key, const QString& value) {
        m_unwritten[key] = value;
        if (!m_later.isActive()) m_later.start();
    }

    // Writes the unwritten values; false when they could not be written.
    bool write() {
        m_later.stop();
        if (m_unwritten.empty()) return true;
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) return false;
        const FileKind kind = inspect(m_path);
        if (kind == FileKind::NoFile) return notWritten(m_path + QStringLiteral(" is not a file"));
        if (!lockCanBeHad(m_lock))
            return notWritten(QStringLiteral("the lock file ") + m_lock +
                              QStringLiteral(" cannot be taken"));
        if (kind == FileKind::TooLarge) {
            m_settings.reset();
            if (!replaceByEmptyFile(m_path)) return false;
        }
        if (!m_settings) open();
        if (!m_settings) return false; // replaced meanwhile by something that is no file

        for (const auto& [key, value] : m_unwritten)
            m_settings->setValue(key, value);
        const auto before = fileIdentity(m_path);
        m_settings->sync();
        const auto after = fileIdentity(m_path);
        if (!after || after == before) return false;
        m_unwritten.clear();
        return true;
    }

protected:
    // QSettings would write its changes at the next turn of the event loop, and there wait
    // for the lock without end: its changes are made and written by write() only.
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::UpdateRequest; }

private:
    // QSettings over the file as it is now, where it may be read.
    void open() {
        m_settings.reset();
        const FileKind kind = inspect(m_path);
        if (kind != FileKind::Missing && kind != FileKind::DanglingLink && kind != FileKind::File)
            return;
        m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
        m_settings->installEventFilter(this);
    }

    bool notWritten(const QString& why) {
        if (!m_told)
            std::fprintf(stderr, "tikanda: the settings are not written: %s\n", qPrintable(why));
        m_told = true;
        return false;
    }

    const QString m_path, m_lock;
    std::unique_ptr<QSettings> m_settings; // none while the file may not be read
    std::map<QString, QString> m_unwritten;
    QTimer m_later;
    bool m_told = false;
};

struct QtSettingsStore::Impl {
    // The file of the application "RVTikanda"; another application name (never used by
    // this program) gets a file of its own rather than mixing into ours.
    std::map<std::string, std::unique_ptr<SettingsFile>> files;

    SettingsFile& file(const std::string& app) {
        auto& f = files[app];
        if (!f) f = std::make_unique<SettingsFile>(app);
        return *f;
    }
};

QtSettingsStore::QtSettingsStore() : m(std::make_unique<Impl>()) {
    m->file(kApplication);
}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::get(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& def) {
    return m->file(app).get(keyOf(section, key)).value_or(def);
}

void QtSettingsStore::set(const std::string& app, const std::string& section,
                          const std::string& key, const std::string& value) {
    m->file(app).set(keyOf(section, key), QString::fromStdString(value));
}

bool QtSettingsStore::flush() {
    bool ok = true;
    for (auto& [app, f] : m->files)
        ok = f->write() && ok;
    return ok;
}

} // namespace tikanda
