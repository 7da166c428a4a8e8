// Wave playback with QSoundEffect, built as the module libtikanda_sound that QtSound
// loads at the first sound request (sound_qt.cpp): Qt Multimedia and the sound server's
// client libraries are not loaded at start-up at all.
//
// Each file gets its own effect, loaded (decoded) in the background by Qt; a few recent
// ones are kept, so a file preloaded when it was chosen plays at the alarm without
// decoding. A request stops whatever is still playing first. A file that is missing or
// cannot be decoded plays the built-in chime instead.

#include "platform/interfaces.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <deque>
#include <memory>
#include <vector>

namespace tikanda {

namespace {
constexpr const char* kChimeUrl = "qrc:/src/platform/sounds/chime.wav";
constexpr std::size_t kKeptFiles = 3;

struct Loaded {
    QString path;
    QDateTime modified;
    qint64 size = 0;
    QSoundEffect* effect = nullptr; // owned by the player's QObject
};
} // namespace

struct SoundEffectPlayer final : Sound {
    QObject owner;
    QSoundEffect* chime = nullptr;
    std::deque<Loaded> files;           // most recently used first
    QSoundEffect* current = nullptr;    // the one last asked to play
    std::vector<QSoundEffect*> retired; // dropped while current; freed at the next request

    SoundEffectPlayer() {
        chime = new QSoundEffect(&owner);
        chime->setSource(QUrl(QString::fromLatin1(kChimeUrl)));
    }

    // The effect for an existing file, created (and so loading) if needed; nullptr for a
    // missing file.
    QSoundEffect* effectFor(const std::string& path) {
        const QFileInfo info(QString::fromStdString(path));
        if (path.empty() || !info.isFile()) return nullptr;
        const QString abs = info.absoluteFilePath();
        for (auto it = files.begin(); it != files.end(); ++it) {
            if (it->path != abs) continue;
            if (it->modified == info.lastModified() && it->size == info.size()) {
                Loaded hit = *it;
                files.erase(it);
                files.push_front(hit);
                return hit.effect;
            }
            // The file changed on disk since it was loaded: load it anew.
            drop(it->effect);
            files.erase(it);
            break;
        }
        auto* effect = new QSoundEffect(&owner);
        effect->setSource(QUrl::fromLocalFile(abs));
        files.push_front({abs, info.lastModified(), info.size(), effect});
        while (files.size() > kKeptFiles) {
            drop(files.back().effect);
            files.pop_back();
        }
        return effect;
    }

    // An effect that may still be sounding is kept until the next request stops it.
    void drop(QSoundEffect* effect) {
        if (effect == current)
            retired.push_back(effect);
        else
            delete effect;
    }

    void start(QSoundEffect* effect) {
        current = effect;
        effect->play();
    }

    void preload(const std::string& path) override { effectFor(path); }

    void play(const std::string& path) override {
        for (auto* e : owner.findChildren<QSoundEffect*>())
            if (e->isPlaying()) e->stop();
        current = nullptr;
        for (auto* e : retired)
            e->deleteLater();
        retired.clear();

        QSoundEffect* effect = effectFor(path);
        if (!effect) return start(chime);
        if (effect->status() == QSoundEffect::Ready) return start(effect);
        if (effect->status() != QSoundEffect::Loading) return start(chime);
        // Still decoding: play it (or the chime) once loading ends, unless another
        // request came first.
        current = effect;
        auto conn = std::make_shared<QMetaObject::Connection>();
        *conn =
            QObject::connect(effect, &QSoundEffect::statusChanged, &owner, [this, effect, conn] {
                const auto status = effect->status();
                if (status == QSoundEffect::Loading) return;
                QObject::disconnect(*conn);
                if (current == effect) start(status == QSoundEffect::Ready ? effect : chime);
            });
    }
};

} // namespace tikanda

// The module's one entry point; the caller owns the player.
extern "C" Q_DECL_EXPORT tikanda::Sound* tikanda_make_sound() {
    return new tikanda::SoundEffectPlayer;
}
