#include "artwork.h"

#include <QFile>
#include <QImageReader>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace artwork
{

namespace
{

QImage decode(const char* path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file, "png");
    // With detection on, the reader loads every image plugin to ask whether it reads PNG,
    // even though the format is given; the built-in PNG reader needs none of them.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The pictures of the Preload in effect that nobody has taken yet, by path.
struct Preloaded {
    enum class Stage { Queued, Decoding, Decoded };
    struct Picture {
        Stage stage = Stage::Queued;
        QImage image;
    };

    std::mutex mutex;
    std::condition_variable decoded;
    std::map<std::string, Picture> pictures;
    bool inEffect = false;
};

Preloaded& preloaded()
{
    static Preloaded instance;
    return instance;
}

} // namespace

QImage load(const char* path)
{
    Preloaded& shared = preloaded();
    std::unique_lock<std::mutex> lock(shared.mutex);
    auto found = shared.pictures.find(path);
    if (found != shared.pictures.end() && found->second.stage == Preloaded::Stage::Decoding) {
        shared.decoded.wait(lock, [&] {
            found = shared.pictures.find(path);
            return found == shared.pictures.end() ||
                   found->second.stage == Preloaded::Stage::Decoded;
        });
    }
    if (found == shared.pictures.end() || found->second.stage != Preloaded::Stage::Decoded) {
        // Not preloaded, or its turn has not come: decoding it here is sooner than waiting.
        if (found != shared.pictures.end())
            shared.pictures.erase(found);
        lock.unlock();
        return decode(path);
    }
    QImage image = std::move(found->second.image);
    shared.pictures.erase(found);
    return image;
}

Preload::Preload(std::initializer_list<const char*> paths)
{
    Preloaded& shared = preloaded();
    std::vector<std::string> order;
    {
        const std::lock_guard<std::mutex> lock(shared.mutex);
        if (shared.inEffect)
            return;
        shared.inEffect = true;
        inEffect_ = true;
        for (const char* path : paths)
            if (shared.pictures.try_emplace(path).second)
                order.emplace_back(path);
    }
    worker_ = std::thread([order = std::move(order)] {
        Preloaded& shared = preloaded();
        for (const std::string& path : order) {
            {
                const std::lock_guard<std::mutex> lock(shared.mutex);
                const auto found = shared.pictures.find(path);
                if (found == shared.pictures.end())
                    continue; // taken and decoded by its user already
                found->second.stage = Preloaded::Stage::Decoding;
            }
            QImage image = decode(path.c_str());
            const std::lock_guard<std::mutex> lock(shared.mutex);
            const auto found = shared.pictures.find(path); // stays while being decoded
            found->second.image = std::move(image);
            found->second.stage = Preloaded::Stage::Decoded;
            shared.decoded.notify_all();
        }
    });
}

Preload::~Preload()
{
    if (worker_.joinable())
        worker_.join();
    if (!inEffect_)
        return;
    Preloaded& shared = preloaded();
    const std::lock_guard<std::mutex> lock(shared.mutex);
    shared.pictures.clear();
    shared.inEffect = false;
}

} // namespace artwork
