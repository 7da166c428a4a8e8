// The per-user settings store: QSettings in the native format, user scope, organization
// "RVTikanda" and no application name. On Linux that is $XDG_CONFIG_HOME/RVTikanda.conf
// (~/.config/RVTikanda.conf by default) with one group per section, [Default] and [User];
// on Windows the registry key HKEY_CURRENT_USER\Software\RVTikanda.
//
// QSettings writes the file through a temporary file renamed over the old one, and
// refuses to write at all where it cannot do so (atomic sync is required by default): a
// failed save leaves the previous file as it was.
//
// QSettings writes its changes at the next turn of the event loop; at start-up, where the
// factory values are stored anew, that is while the main window is being mapped. Changes
// are written two seconds after they were made instead, or at once by flush().
//
// Two faults of QSettings are handled here:
// - A file damaged by hand is read as far as it goes and written anew, well-formed, by the
//   next save; but its status stays FormatError from the read, which also hides a failed
//   write. Then the save is judged by the file: it was written when a new file took the
//   place of the old one.
// - A save killed while it held the lock leaves the lock file behind, and QLockFile waits
//   for such a file to grow old (30 s) when it cannot tell its owner. A lock file that no
//   live process holds (QLockFile keeps an flock on it while locked) is removed at once,
//   when the store is opened and before each save.

#include "platform/platform_qt.h"

#include <QEvent>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QStringList>
#include <QTimer>

#include <map>
#include <optional>
#include <utility>

#include <sys/stat.h>

namespace tikanda {

namespace {
const std::string kApplication = "RVTikanda";

QString keyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

void removeStaleLock(const QSettings& s) {
    QLockFile(s.fileName() + QStringLiteral(".lock")).removeStaleLockFile();
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

// Holds back QSettings' own write of its changes (an update request) and writes them a
// little later.
class DeferredWrite : public QObject {
public:
    explicit DeferredWrite(QSettings& s) : QObject(&s) {
        m_timer.setSingleShot(true);
        m_timer.setInterval(2000);
        connect(&m_timer, &QTimer::timeout, &s, [&s] { s.sync(); });
        s.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::UpdateRequest) return false;
        m_timer.start();
        return true;
    }

private:
    QTimer m_timer;
};

struct QtSettingsStore::Impl {
    // The store of the application "RVTikanda"; another application name (never used by
    // this program) gets its own organization file rather than mixing into ours.
    std::map<std::string, std::unique_ptr<QSettings>> stores;

    QSettings& store(const std::string& app) {
        auto& s = stores[app];
        if (!s) s = open(app);
        return *s;
    }

    static std::unique_ptr<QSettings> open(const std::string& app) {
        auto s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QString::fromStdString(app));
        removeStaleLock(*s);
        new DeferredWrite(*s);
        return s;
    }
};

QtSettingsStore::QtSettingsStore() : m(std::make_unique<Impl>()) {
    m->store(kApplication);
}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::get(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& def) {
    const QVariant v = m->store(app).value(keyOf(section, key));
    return v.isValid() ? textOf(v) : def;
}

void QtSettingsStore::set(const std::string& app, const std::string& section,
                          const std::string& key, const std::string& value) {
    m->store(app).setValue(keyOf(section, key), QString::fromStdString(value));
}

bool QtSettingsStore::flush() {
    bool ok = true;
    for (auto& [app, s] : m->stores) {
        removeStaleLock(*s);
        const auto before = fileIdentity(s->fileName());
        s->sync();
        if (s->status() == QSettings::FormatError) {
            const auto after = fileIdentity(s->fileName());
            ok = ok && after && after != before;
            s = Impl::open(app); // the damage is read; a later save is judged afresh
        } else {
            ok = ok && s->status() == QSettings::NoError;
        }
    }
    return ok;
}

} // namespace tikanda
