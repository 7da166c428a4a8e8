// Wave playback with QSoundEffect, built as the module libtikanda_sound that QtSound
// loads at the first sound request (sound_qt.cpp): Qt Multimedia and the sound server's
// client libraries are not loaded at start-up at all.
//
// Each file gets its own effect, loaded (decoded) in the background by Qt; a few recent
// ones are kept, so a file preloaded when a run started plays at the alarm without
// decoding. A request stops whatever is still playing first. An empty path, a missing
// file and one that cannot be decoded play the built-in chime instead; so does a file
// still loading kLoadLimitMs after its loading began (Qt's decoder can wait for ever on a
// file it misreads), at once if that time has passed by the request.
//
// Freeing an effect makes Qt wait until every effect has stopped loading (its sample
// cache waits for its loading thread). So an effect let go is freed only while none is
// loading and once it is silent; after a load that never ends, none is freed any more.

#include "platform/interfaces.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <deque>
#include <vector>

namespace tikanda {

namespace {
constexpr const char* kChimeUrl = "qrc:/src/platform/sounds/chime.wav";
constexpr std::size_t kKeptFiles = 3;
constexpr int kLoadLimitMs = 2000;

struct Loaded {
    QString path;
    QDateTime modified;
    qint64 size = 0;
    QSoundEffect* effect = nullptr; // owned by the player's QObject
    QDeadlineTimer loadLimit;       // from the start of its loading
};
} // namespace

struct SoundEffectPlayer final : Sound {
    QObject owner;
    QSoundEffect* chime = nullptr;
    std::deque<Loaded> files;           // most recently used first
    std::vector<QSoundEffect*> dropped; // let go, to be freed when that cannot block
    bool sweepPending = false;
    QSoundEffect* loader = nullptr; // see runLoadingThread()
    bool loaderTurn = false;
    // A request waiting for its file to load: the effect, its status connection and the
    // time it may still wait.
    QSoundEffect* waitingFor = nullptr;
    QMetaObject::Connection waitingStatus;
    QTimer deadline;

    SoundEffectPlayer() {
        chime = newEffect(QUrl(QString::fromLatin1(kChimeUrl)));
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &owner, [this] {
            if (!waitingFor) return;
            stopWaiting();
            chime->play();
        });
    }

    ~SoundEffectPlayer() override {
        // Freeing them now would wait for a load that may never end: they go with the process.
        if (anyLoading())
            for (auto* e : owner.findChildren<QSoundEffect*>())
                e->setParent(nullptr);
    }

    QSoundEffect* newEffect(const QUrl& url) {
        auto* effect = new QSoundEffect(&owner);
        QObject::connect(effect, &QSoundEffect::statusChanged, &owner, [this] { sweep(); });
        QObject::connect(effect, &QSoundEffect::playingChanged, &owner, [this] { sweep(); });
        effect->setSource(url);
        return effect;
    }

    bool anyLoading() const {
        const auto all = owner.findChildren<QSoundEffect*>();
        return std::any_of(all.begin(), all.end(),
                           [](auto* e) { return e->status() == QSoundEffect::Loading; });
    }

    // Frees the effects let go that are silent, unless one is loading; from the event loop,
    // never inside an effect's own signal, and judged just before.
    void sweep() {
        if (dropped.empty() || sweepPending) return;
        sweepPending = true;
        QTimer::singleShot(0, &owner, [this] {
            sweepPending = false;
            if (anyLoading()) return;
            auto silent = std::stable_partition(dropped.begin(), dropped.end(),
                                                [](auto* e) { return e->isPlaying(); });
            std::vector<QSoundEffect*> gone(silent, dropped.end());
            dropped.erase(silent, dropped.end());
            for (auto* e : gone)
                delete e;
            if (!gone.empty()) runLoadingThread();
        });
    }

    // Qt frees a sound's decoded samples in the thread that loads sounds, and only while
    // that thread runs, that is while a sound loads: loading a wave file of one sample, two
    // such in turn (one name loaded twice would be taken from the cache), runs it once.
    void runLoadingThread() {
        if (!loader) {
            loader = new QSoundEffect(&owner);
            QObject::connect(loader, &QSoundEffect::statusChanged, &owner, [this] { sweep(); });
        }
        loaderTurn = !loaderTurn;
        const char* const oneSample[2] = {
            "UklGRiYAAABXQVZFZm10IBAAAAABAAEAIlYAAESsAAACABAAZGF0YQIAAAAAAA==",
            "UklGRiYAAABXQVZFZm10IBAAAAABAAEAIlYAAESsAAACABAAZGF0YQIAAAABAA=="};
        loader->setSource(QUrl(QStringLiteral("data:audio/wav;base64,") +
                               QString::fromLatin1(oneSample[loaderTurn])));
    }

    void drop(QSoundEffect* effect) {
        if (effect == waitingFor) stopWaiting();
        dropped.push_back(effect);
        sweep();
    }

    // The file's entry, its effect created (and so loading) if needed; null for a missing
    // file.
    const Loaded* fileFor(const std::string& path) {
        const QFileInfo info(QString::fromStdString(path));
        if (path.empty() || !info.isFile()) return nullptr;
        const QString abs = info.absoluteFilePath();
        for (auto it = files.begin(); it != files.end(); ++it) {
            if (it->path != abs) continue;
            if (it->modified == info.lastModified() && it->size == info.size()) {
                Loaded hit = *it;
                files.erase(it);
                files.push_front(hit);
                return &files.front();
            }
            // The file changed on disk since it was loaded: load it anew.
            drop(it->effect);
            files.erase(it);
            break;
        }
        files.push_front({abs, info.lastModified(), info.size(),
                          newEffect(QUrl::fromLocalFile(abs)), QDeadlineTimer(kLoadLimitMs)});
        while (files.size() > kKeptFiles) {
            drop(files.back().effect);
            files.pop_back();
        }
        return &files.front();
    }

    void stopWaiting() {
        QObject::disconnect(waitingStatus);
        deadline.stop();
        waitingFor = nullptr;
    }

    void preload(const std::string& path) override { fileFor(path); }

    void play(const std::string& path) override {
        stopWaiting();
        for (auto* e : owner.findChildren<QSoundEffect*>())
            if (e->isPlaying()) e->stop();

        const Loaded* file = fileFor(path);
        if (!file) return chime->play();
        QSoundEffect* effect = file->effect;
        if (effect->status() == QSoundEffect::Ready) return effect->play();
        if (effect->status() != QSoundEffect::Loading || file->loadLimit.hasExpired())
            return chime->play();
        // Still decoding: play it (or the chime) once loading ends or its time is up,
        // unless another request comes first.
        waitingFor = effect;
        waitingStatus =
            QObject::connect(effect, &QSoundEffect::statusChanged, &owner, [this, effect] {
                const auto status = effect->status();
                if (status == QSoundEffect::Loading) return;
                stopWaiting();
                (status == QSoundEffect::Ready ? effect : chime)->play();
            });
        deadline.start(int(file->loadLimit.remainingTime()));
    }

    // The files' decoded sounds go; the chime stays for the next alarm.
    void release() override {
        stopWaiting();
        for (const Loaded& f : files)
            drop(f.effect);
        files.clear();
    }
};

} // namespace tikanda

// The module's one entry point; the caller owns the player.
extern "C" Q_DECL_EXPORT tikanda::Sound* tikanda_make_sound() {
    return new tikanda::SoundEffectPlayer;
}
