// The Linux cue player: libcanberra, the desktop's event-sound service. All of libcanberra runs
// on one worker thread of its own, so connecting to the sound server (which can take a while, or
// fail) never holds up the window. The worker keeps only the newest request: a cue asked for
// while another is still waiting replaces it, just as it would cut it off once playing.
#include "sound/cue_player.h"
#include "sound/cue_request.h"

#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <unistd.h>

namespace zarvona {

namespace {

constexpr std::uint32_t CueChannel = 1;

class CanberraCuePlayer final : public CuePlayer {
public:
    CanberraCuePlayer() : m_worker([this] { run(); }) {}

    ~CanberraCuePlayer() override
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_one();
        m_worker.join();
    }

    void play(std::string_view fileName) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_pending = std::string(fileName);
        }
        m_wake.notify_one();
    }

private:
    void run()
    {
        ca_context* context = nullptr;
        bool unavailable = false;
        for (;;) {
            std::string fileName;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_stopping || m_pending; });
                if (m_stopping)
                    break;
                fileName = std::move(*m_pending);
                m_pending.reset();
            }
            if (context == nullptr && !unavailable)
                unavailable = !open(context);
            if (context != nullptr)
                playOn(context, fileName);
        }
        if (context != nullptr)
            ca_context_destroy(context);
    }

    // No sound server and no device both end here: the program stays silent from then on.
    static bool open(ca_context*& context)
    {
        if (ca_context_create(&context) != CA_SUCCESS) {
            context = nullptr;
            return false;
        }
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Zarvona",
                                CA_PROP_APPLICATION_ID, "org.zarvona.Zarvona", nullptr);
        if (ca_context_open(context) != CA_SUCCESS) {
            ca_context_destroy(context);
            context = nullptr;
            return false;
        }
        return true;
    }

    static int start(ca_context* context, const CueRequest& request)
    {
        ca_proplist* properties = nullptr;
        if (ca_proplist_create(&properties) != CA_SUCCESS)
            return CA_ERROR_OOM;
        if (request.bell) {
            ca_proplist_sets(properties, CA_PROP_EVENT_ID, "bell");
        } else {
            ca_proplist_sets(properties, CA_PROP_MEDIA_FILENAME, request.path.c_str());
            ca_proplist_sets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "volatile");
        }
        const int result = ca_context_play_full(context, CueChannel, properties, nullptr, nullptr);
        ca_proplist_destroy(properties);
        return result;
    }

    static void playOn(ca_context* context, const std::string& fileName)
    {
        ca_context_cancel(context, CueChannel);
        const CueRequest request = resolveCue(fileName, currentDirectory());
        // A file that is there but cannot be played gets the bell too, as a missing one does.
        if (start(context, request) != CA_SUCCESS && !request.bell)
            start(context, bellRequest());
    }

    static std::string currentDirectory()
    {
        std::string buffer(4096, '\0');
        if (getcwd(buffer.data(), buffer.size()) == nullptr)
            return ".";
        buffer.resize(buffer.find('\0'));
        return buffer;
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<std::string> m_pending;
    bool m_stopping = false;
    std::thread m_worker; // last: it starts running in the constructor
};

} // namespace

std::unique_ptr<CuePlayer> makeSystemCuePlayer() { return std::make_unique<CanberraCuePlayer>(); }

} // namespace zarvona
