// The real program, started as a child process on Qt's offscreen platform, ends cleanly with
// status 0 when the session or a terminal asks it to stop, and promptly: the sound thread gets
// its short grace, no more. A signal that was ignored when it started stays ignored.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The program is up once it has taken over the signal: it does that after the application
// object exists, just before the window is built and shown.
bool catches(pid_t pid, int signal)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

class Child {
  public:
    explicit Child(std::optional<int> ignored = std::nullopt)
    {
        m_pid = fork();
        if (m_pid == 0) {
            if (ignored)
                std::signal(*ignored, SIG_IGN);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            execl(ZARVONA_PROGRAM, ZARVONA_PROGRAM, static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    ~Child()
    {
        if (m_pid > 0 && !m_status) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }

    pid_t pid() const { return m_pid; }

    bool waitUntilUp()
    {
        const auto deadline = Clock::now() + 20s;
        while (Clock::now() < deadline && !ended(0ms)) {
            if (catches(m_pid, SIGTERM))
                return true;
            std::this_thread::sleep_for(5ms);
        }
        return false;
    }

    // Whether the child has ended within the time given; its status is then known.
    bool ended(std::chrono::milliseconds within)
    {
        const auto deadline = Clock::now() + within;
        do {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_status = status;
                return true;
            }
            std::this_thread::sleep_for(2ms);
        } while (Clock::now() < deadline);
        return false;
    }

    int status() const { return *m_status; }

  private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

// Prompt: the sound thread's grace is a quarter of a second; three seconds leave room for a slow
// sanitizer build while still catching a program that does not end at all.
constexpr auto Promptly = 3000ms;

TEST(Signals, EachStopSignalEndsTheProgramCleanlyAndPromptly)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        Child child;
        ASSERT_GT(child.pid(), 0);
        ASSERT_TRUE(child.waitUntilUp()) << "the program never came up";
        ASSERT_TRUE(catches(child.pid(), signal));
        ASSERT_EQ(kill(child.pid(), signal), 0);
        ASSERT_TRUE(child.ended(Promptly)) << "still running after the signal";
        ASSERT_TRUE(WIFEXITED(child.status())) << "ended by signal " << WTERMSIG(child.status());
        EXPECT_EQ(WEXITSTATUS(child.status()), 0);
    }
}

TEST(Signals, AHangUpIgnoredAtStartStaysIgnored)
{
    Child child(SIGHUP);
    ASSERT_TRUE(child.waitUntilUp());
    EXPECT_FALSE(catches(child.pid(), SIGHUP));
    ASSERT_EQ(kill(child.pid(), SIGHUP), 0);
    EXPECT_FALSE(child.ended(300ms)) << "a hang-up under nohup ended the program";
    ASSERT_EQ(kill(child.pid(), SIGTERM), 0);
    ASSERT_TRUE(child.ended(Promptly));
    ASSERT_TRUE(WIFEXITED(child.status()));
    EXPECT_EQ(WEXITSTATUS(child.status()), 0);
}

// Signals keep coming while the program closes, from the first moment to its last: one that had
// its default action back anywhere along the way (once the loop woke, say) would kill it.
TEST(Signals, MoreSignalsWhileClosingStillEndItCleanly)
{
    Child child;
    ASSERT_TRUE(child.waitUntilUp());
    ASSERT_EQ(kill(child.pid(), SIGTERM), 0);
    const auto deadline = Clock::now() + Promptly;
    bool ended = false;
    int sent = 0;
    while (!(ended = child.ended(1ms)) && Clock::now() < deadline)
        sent += kill(child.pid(), sent % 2 == 0 ? SIGINT : SIGTERM) == 0;
    ASSERT_TRUE(ended) << "still running after the signals";
    EXPECT_GT(sent, 0);
    ASSERT_TRUE(WIFEXITED(child.status())) << "ended by signal " << WTERMSIG(child.status());
    EXPECT_EQ(WEXITSTATUS(child.status()), 0);
}

} // namespace
