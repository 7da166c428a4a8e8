// The per-user settings store: QSettings in the native format, user scope, organization
// "RVTikanda" and no application name. On Linux that is $XDG_CONFIG_HOME/RVTikanda.conf
// (~/.config/RVTikanda.conf by default) with one group per section, [Default] and [User];
// on Windows the registry key HKEY_CURRENT_USER\Software\RVTikanda.
//
// QSettings writes the file through a temporary file renamed over the old one, and
// refuses to write at all where it cannot do so (atomic sync is required by default): a
// failed save leaves the previous file as it was.

#include "platform/platform_qt.h"

#include <QSettings>
#include <QStringList>

#include <map>

namespace tikanda {

namespace {
const std::string kApplication = "RVTikanda";

QString keyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
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

struct QtSettingsStore::Impl {
    // The store of the application "RVTikanda"; another application name (never used by
    // this program) gets its own organization file rather than mixing into ours.
    std::map<std::string, std::unique_ptr<QSettings>> stores;

    QSettings& store(const std::string& app) {
        auto& s = stores[app];
        if (!s)
            s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromStdString(app));
        return *s;
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
        s->sync();
        ok = ok && s->status() == QSettings::NoError;
    }
    return ok;
}

} // namespace tikanda
