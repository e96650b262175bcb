// The Linux cue player: libcanberra, the desktop's event-sound service. All of libcanberra runs
// on one worker thread of its own, so loading it and connecting to the sound server (which can
// take a while, or fail) never holds up the window. Nothing of it happens at start-up: the
// thread is made, and the library loaded there, once the window is painted (or at the first
// cue, should that come sooner). The worker keeps only the newest request: a cue asked for while
// another is still waiting replaces it, just as it would cut it off once playing. Without the
// library, the server or a device, the program is silent.
#include "sound/cue_locator.h"
#include "sound/cue_player.h"

#include <canberra.h>
#include <dlfcn.h>
#include <pthread.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace zarvona {

namespace {

constexpr std::uint32_t CueChannel = 1;
constexpr const char* SoundThreadName = "zarvona-sound";

// The few libcanberra calls the player makes, looked up when the library is loaded.
struct Canberra {
    void* library = nullptr;
    decltype(&ca_context_create) contextCreate = nullptr;
    decltype(&ca_context_destroy) contextDestroy = nullptr;
    decltype(&ca_context_change_props) contextChangeProps = nullptr;
    decltype(&ca_context_open) contextOpen = nullptr;
    decltype(&ca_context_play_full) contextPlayFull = nullptr;
    decltype(&ca_context_cancel) contextCancel = nullptr;
    decltype(&ca_proplist_create) proplistCreate = nullptr;
    decltype(&ca_proplist_destroy) proplistDestroy = nullptr;
    decltype(&ca_proplist_sets) proplistSets = nullptr;

    bool load()
    {
        library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return false;
        const bool all =
            find(contextCreate, "ca_context_create") &&
            find(contextDestroy, "ca_context_destroy") &&
            find(contextChangeProps, "ca_context_change_props") &&
            find(contextOpen, "ca_context_open") && find(contextPlayFull, "ca_context_play_full") &&
            find(contextCancel, "ca_context_cancel") &&
            find(proplistCreate, "ca_proplist_create") &&
            find(proplistDestroy, "ca_proplist_destroy") && find(proplistSets, "ca_proplist_sets");
        if (!all) {
            dlclose(library);
            library = nullptr;
        }
        return all;
    }

    template <typename F> bool find(F& function, const char* name)
    {
        function = reinterpret_cast<F>(dlsym(library, name));
        return function != nullptr;
    }
};

// What the window's thread and the sound thread share. The sound thread holds it too, so that
// it may outlive the player when the sound service keeps it waiting at the end.
struct Channel {
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<std::string> pending;
    bool stopping = false;
    bool stopped = false;
};

class CanberraCuePlayer final : public CuePlayer {
  public:
    CanberraCuePlayer() : m_channel(std::make_shared<Channel>()) {}

    // Closing the window never waits long on the sound service: the sound thread gets a moment
    // to finish, and is left to end with the process if it is stuck talking to the server.
    ~CanberraCuePlayer() override
    {
        if (!m_worker.joinable())
            return;
        std::unique_lock lock(m_channel->mutex);
        m_channel->stopping = true;
        m_channel->wake.notify_all();
        const bool finished = m_channel->wake.wait_for(lock, std::chrono::milliseconds(250),
                                                       [this] { return m_channel->stopped; });
        lock.unlock();
        if (finished)
            m_worker.join();
        else
            m_worker.detach();
    }

    void prepare() override
    {
        if (m_worker.joinable())
            return;
        m_worker = std::thread([channel = m_channel] { run(*channel); });
        // Named, so that a look at the process's threads tells this one from any other.
        pthread_setname_np(m_worker.native_handle(), SoundThreadName);
    }

    void play(std::string_view fileName) override
    {
        prepare();
        {
            std::lock_guard lock(m_channel->mutex);
            m_channel->pending = std::string(fileName);
        }
        m_channel->wake.notify_all();
    }

  private:
    static void run(Channel& channel)
    {
        Canberra ca;
        ca_context* context = nullptr;
        const bool unavailable = !ca.load() || !open(ca, context);
        for (;;) {
            std::string fileName;
            {
                std::unique_lock lock(channel.mutex);
                channel.wake.wait(lock, [&] { return channel.stopping || channel.pending; });
                if (channel.stopping)
                    break;
                fileName = std::move(*channel.pending);
                channel.pending.reset();
            }
            if (!unavailable)
                playOn(ca, context, fileName);
        }
        if (context != nullptr)
            ca.contextDestroy(context);
        // The library stays loaded until the process ends: its backend and the sound system
        // beneath it keep state of their own (ALSA's parsed configuration, a driver module
        // loaded in turn), which unloading would leave unreachable or running in code unmapped.
        std::lock_guard lock(channel.mutex);
        channel.stopped = true;
        channel.wake.notify_all();
    }

    // No sound server and no device both end here: the program stays silent from then on.
    static bool open(const Canberra& ca, ca_context*& context)
    {
        if (ca.contextCreate(&context) != CA_SUCCESS) {
            context = nullptr;
            return false;
        }
        ca.contextChangeProps(context, CA_PROP_APPLICATION_NAME, "Zarvona", CA_PROP_APPLICATION_ID,
                              "org.zarvona.zarvona", nullptr);
        if (ca.contextOpen(context) != CA_SUCCESS) {
            ca.contextDestroy(context);
            context = nullptr;
            return false;
        }
        return true;
    }

    static int start(const Canberra& ca, ca_context* context, const CueRequest& request)
    {
        ca_proplist* properties = nullptr;
        if (ca.proplistCreate(&properties) != CA_SUCCESS)
            return CA_ERROR_OOM;
        if (request.bell) {
            ca.proplistSets(properties, CA_PROP_EVENT_ID, "bell");
        } else {
            ca.proplistSets(properties, CA_PROP_MEDIA_FILENAME, request.path.c_str());
            ca.proplistSets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "volatile");
        }
        const int result = ca.contextPlayFull(context, CueChannel, properties, nullptr, nullptr);
        ca.proplistDestroy(properties);
        return result;
    }

    static void playOn(const Canberra& ca, ca_context* context, const std::string& fileName)
    {
        ca.contextCancel(context, CueChannel);
        const CueRequest request =
            locateCue(fileName, cueFolders(currentDirectory(), executableDirectory()));
        // A file that is there but cannot be played gets the bell too, as a missing one does.
        if (start(ca, context, request) != CA_SUCCESS && !request.bell)
            start(ca, context, bellRequest());
    }

    std::shared_ptr<Channel> m_channel;
    std::thread m_worker; // made by prepare(), and never again once it has run
};

} // namespace

std::unique_ptr<CuePlayer> makeSystemCuePlayer() { return std::make_unique<CanberraCuePlayer>(); }

} // namespace zarvona
