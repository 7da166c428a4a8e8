// The sound player behind the Sound interface, loaded at the first request.
//
// Playback (QSoundEffect) is built as the module libtikanda_sound, so that Qt Multimedia,
// the sound server's client library and the codecs behind it (some twenty libraries) are
// neither loaded nor relocated at start-up; the program connects to the sound server only
// when a sound is first asked for or preloaded. The module is looked for in
//   - $TIKANDA_SOUND_MODULE (a file; for tests and unusual layouts),
//   - the binary's folder (the build tree),
//   - the library folder of the installation, found from the binary, then the configured
//     one.
// Without the module a request gives the desktop's beep, once a message on stderr.

#include "platform/platform_qt.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>

#include <cstdio>

#ifndef TIKANDA_RELATIVE_MODULE_DIR
#define TIKANDA_RELATIVE_MODULE_DIR "../lib/tikanda"
#endif
#ifndef TIKANDA_INSTALLED_MODULE_DIR
#define TIKANDA_INSTALLED_MODULE_DIR ""
#endif

namespace tikanda {

namespace {

using MakeSound = Sound* (*)();

QStringList moduleCandidates() {
    QStringList files;
    if (const QString env = qEnvironmentVariable("TIKANDA_SOUND_MODULE"); !env.isEmpty())
        files << env;
    const QString bin = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("tikanda_sound");
    files << bin + QLatin1Char('/') + name
          << QDir::cleanPath(bin + QStringLiteral("/" TIKANDA_RELATIVE_MODULE_DIR "/")) +
                 QLatin1Char('/') + name;
    if (const QString installed = QStringLiteral(TIKANDA_INSTALLED_MODULE_DIR); !installed.isEmpty())
        files << installed + QLatin1Char('/') + name;
    return files;
}

// The player from the first module that loads; null when none does.
std::unique_ptr<Sound> loadPlayer() {
    QStringList errors;
    for (const QString& file : moduleCandidates()) {
        QLibrary module(file);
        if (auto make = reinterpret_cast<MakeSound>(module.resolve("tikanda_make_sound")))
            return std::unique_ptr<Sound>(make()); // the module stays loaded for the process
        errors << module.errorString();
    }
    std::fprintf(stderr, "tikanda: no sound module, alarms only beep (%s)\n",
                 qPrintable(errors.join(QStringLiteral("; "))));
    return nullptr;
}

} // namespace

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

Sound* QtSound::player() {
    if (!m_loaded) {
        m_loaded = true;
        m_player = loadPlayer();
    }
    return m_player.get();
}

void QtSound::play(const std::string& path) {
    if (Sound* p = player())
        p->play(path);
    else
        QApplication::beep();
}

void QtSound::preload(const std::string& path) {
    if (Sound* p = player()) p->preload(path);
}

} // namespace tikanda
