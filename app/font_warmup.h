// Starts fontconfig's own start-up (reading its configuration and every face's cache entry, the
// largest single cost before the first paint) on a thread of its own, while Qt connects to the
// display and loads its platform plug-in on the main thread; wait() returns once it is done, and
// is called before the first face is asked for. fontconfig's start-up may run on any thread and
// is done only once; where it fails, Qt meets the same failure later, as it would without this.
// Where Qt finds its faces without fontconfig (Windows), it does nothing.
#pragma once

#include <thread>

namespace zarvona {

class FontWarmup {
  public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;
    void wait();

  private:
    std::thread m_thread;
};

} // namespace zarvona
