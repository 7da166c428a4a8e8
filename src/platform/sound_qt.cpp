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
//
// Each file is judged before the player gets it (wave_file.h): when a run starts (the
// preload) and again whenever its path, size or modification time differ from the last
// one judged. A file that fails plays the built-in chime, at the alarm and at every
// repetition.

#include "platform/platform_qt.h"
#include "platform/wave_file.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The file's identity as the last judgement saw it.
bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

} // namespace

struct QtSound::Judged {
    std::string path;
    struct stat file;
    bool playable;
};

QtSound::QtSound(LoadPlayer loadPlayer) : m_loadPlayer(std::move(loadPlayer)) {}
QtSound::~QtSound() = default;

Sound* QtSound::player() {
    if (!m_loaded) {
        m_loaded = true;
        m_player = m_loadPlayer ? m_loadPlayer() : loadPlayer();
    }
    return m_player.get();
}

// path when it holds a wave file the player can read to its end, else "" (the chime).
std::string QtSound::playable(const std::string& path) {
    struct stat before {};
    // Only a regular file is opened: opening a FIFO or a device could block.
    if (path.empty() || stat(path.c_str(), &before) != 0 || !S_ISREG(before.st_mode)) return {};
    if (m_judged && m_judged->path == path && sameFile(m_judged->file, before))
        return m_judged->playable ? path : std::string();

    // Non-blocking all the same, in case the path was swapped for a FIFO meanwhile.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return {};
    struct stat file {};
    bool ok = fstat(fd, &file) == 0 && S_ISREG(file.st_mode);
    if (ok) {
        const auto readAt = [fd](std::uint64_t at, unsigned char* to, std::size_t n) {
            const ssize_t got = pread(fd, to, n, off_t(at));
            return got > 0 ? std::size_t(got) : std::size_t(0);
        };
        ok = wavefile::check(std::uint64_t(file.st_size), readAt) == wavefile::Verdict::Playable;
        m_judged.reset(new Judged{path, file, ok});
    }
    close(fd);
    return ok ? path : std::string();
}

void QtSound::play(const std::string& path) {
    if (Sound* p = player())
        p->play(playable(path));
    else
        QApplication::beep();
}

void QtSound::preload(const std::string& path) {
    Sound* p = player();
    if (const std::string file = playable(path); p && !file.empty()) p->preload(file);
}

void QtSound::release() {
    if (m_player) m_player->release();
}

} // namespace tikanda
