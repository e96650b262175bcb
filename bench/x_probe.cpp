// Measures a running window from outside, through the X server, as a user's clicks meet it:
// the pointer is moved and clicked with XTest, and the latency runs from the button's release
// to the moment the pixels of a small area on the screen (read back with XGetImage) change.
// The window is found by its title; the program's process id lets the probe wait until the
// program has gone idle after showing its window, as a user would before a first click.
//
//   bench_x_probe latency CYCLES PID   a first reveal, then CYCLES rounds of Next, reveal, Back
//                                      and a pick in the list: the riddle book, or the floor
//                                      window that answers the same clicks at the same places
//   bench_x_probe pixels NEXTS PID     the riddle book: the pixels sent to the X server per Next,
//                                      the areas of all PutImage and ShmPutImage requests seen
//                                      through the RECORD extension
//
// Prints one line per measurement: "<what> <microseconds or pixels>".
#include "ui/form_definition.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/record.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using zarvona::Control;

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "bench_x_probe: %s\n", why.c_str());
    std::exit(1);
}

struct Area {
    int x, y, width, height;
};

Area areaOf(Control control)
{
    const zarvona::PixelRect r = zarvona::inPixels(zarvona::form1Definition()[control].rect);
    return {r.left, r.top, r.width, r.height};
}

long cpuTicks(int pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    return utime + stime;
}

// Idle: no processor time used for a quarter of a second.
void waitUntilIdle(int pid)
{
    long before = cpuTicks(pid);
    for (int quiet = 0; quiet < 5;) {
        std::this_thread::sleep_for(50ms);
        const long now = cpuTicks(pid);
        quiet = now == before ? quiet + 1 : 0;
        before = now;
    }
}

class Probe {
  public:
    Probe()
    {
        m_display = XOpenDisplay(nullptr);
        if (m_display == nullptr)
            fail("cannot open the display");
        int event, error, major, minor;
        if (!XTestQueryExtension(m_display, &event, &error, &major, &minor))
            fail("the X server has no XTEST extension");
    }

    ~Probe() { XCloseDisplay(m_display); }

    Display* display() const { return m_display; }

    void findWindow(const char* title)
    {
        const auto deadline = Clock::now() + 20s;
        while (Clock::now() < deadline) {
            if (search(DefaultRootWindow(m_display), title))
                return;
            std::this_thread::sleep_for(20ms);
        }
        fail(std::string("no window titled ") + title);
    }

    void moveTo(int x, int y)
    {
        XTestFakeMotionEvent(m_display, -1, m_originX + x, m_originY + y, CurrentTime);
        XSync(m_display, False);
        std::this_thread::sleep_for(40ms); // let hover feedback settle before the click
    }

    std::vector<char> pixels(const Area& a)
    {
        XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), m_originX + a.x,
                                  m_originY + a.y, static_cast<unsigned>(a.width),
                                  static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
        if (image == nullptr)
            fail("XGetImage failed");
        std::vector<char> bytes(image->data, image->data + image->bytes_per_line * image->height);
        XDestroyImage(image);
        return bytes;
    }

    // Clicks at a point and returns the microseconds from the release to the area's change.
    double click(int x, int y, const Area& watched, const std::function<void()>& pump = {})
    {
        moveTo(x, y);
        const std::vector<char> before = pixels(watched);
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XSync(m_display, False);
        const auto released = Clock::now();
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        XFlush(m_display);
        while (pixels(watched) == before) {
            if (pump)
                pump();
            if (Clock::now() - released > 3s)
                fail("the screen did not change after a click");
        }
        const auto changed = Clock::now();
        return std::chrono::duration<double, std::micro>(changed - released).count();
    }

    void waitForChange(const Area& watched, const std::vector<char>& before)
    {
        const auto deadline = Clock::now() + 3s;
        while (pixels(watched) == before)
            if (Clock::now() > deadline)
                fail("the screen did not change");
    }

  private:
    bool search(Window parent, const char* title)
    {
        Window root, up, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(m_display, parent, &root, &up, &children, &count))
            return false;
        bool found = false;
        for (unsigned i = 0; i < count && !found; ++i) {
            char* name = nullptr;
            XWindowAttributes attributes;
            if (XFetchName(m_display, children[i], &name) && name != nullptr &&
                std::strcmp(name, title) == 0 &&
                XGetWindowAttributes(m_display, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                Window child;
                XTranslateCoordinates(m_display, children[i], root, 0, 0, &m_originX, &m_originY,
                                      &child);
                found = true;
            }
            if (name != nullptr)
                XFree(name);
            found = found || search(children[i], title);
        }
        if (children != nullptr)
            XFree(children);
        return found;
    }

    Display* m_display = nullptr;
    int m_originX = 0, m_originY = 0;
};

Area centred(const Area& a) { return {a.x + a.width / 2, a.y + a.height / 2, 1, 1}; }

void latency(Probe& probe, int cycles)
{
    const Area next = centred(areaOf(Control::Next1));
    const Area back = centred(areaOf(Control::Back));
    const Area reveal = centred(areaOf(Control::Image2));
    const Area opener = centred(areaOf(Control::Label4));
    const Area list = areaOf(Control::List1);
    const Area counter = areaOf(Control::Label5);
    // Where the answer's first line appears (it is centred and starts at the top): small, so
    // that each read-back is quick.
    const Area answerRect = areaOf(Control::Label2);
    const Area answer{answerRect.x + answerRect.width / 2 - 60, answerRect.y, 120, 24};
    const int rowHeight =
        (list.height - 2) / zarvona::form1Definition()[Control::List1].listVisibleRows;

    std::printf("first-reveal %.0f\n", probe.click(reveal.x, reveal.y, answer));
    int current = 1;
    for (int i = 0; i < cycles; ++i) {
        std::printf("next %.0f\n", probe.click(next.x, next.y, counter));
        current = current % 100 + 1;
        std::printf("reveal %.0f\n", probe.click(reveal.x, reveal.y, answer));
        std::printf("back %.0f\n", probe.click(back.x, back.y, counter));
        current = current == 1 ? 100 : current - 1;
        // Pointing at the opener opens the list; a row showing another number is then picked.
        const std::vector<char> closed = probe.pixels(list);
        probe.moveTo(opener.x, opener.y);
        probe.waitForChange(list, closed);
        // The row showing (current + 1) % 5 + 1: two or three away, never the current riddle
        // nor the one before or after it.
        const int row = (current + 1) % 5;
        std::printf("pick %.0f\n",
                    probe.click(list.x + list.width / 2,
                                list.y + 1 + row * rowHeight + rowHeight / 2, counter));
        current = row + 1;
        std::fflush(stdout);
    }
}

// The RECORD extension reports every request the clients send; the image puts are summed.
class PutImageRecorder {
  public:
    explicit PutImageRecorder(Display* control)
    {
        m_data = XOpenDisplay(nullptr);
        int opcode, event, error;
        if (!XQueryExtension(control, "MIT-SHM", &opcode, &event, &error))
            opcode = 0;
        m_shmOpcode = opcode;
        XRecordRange* ranges[2] = {XRecordAllocRange(), XRecordAllocRange()};
        ranges[0]->core_requests.first = ranges[0]->core_requests.last = X_PutImage;
        ranges[1]->ext_requests.ext_major.first = ranges[1]->ext_requests.ext_major.last =
            static_cast<unsigned char>(opcode);
        ranges[1]->ext_requests.ext_minor.first = ranges[1]->ext_requests.ext_minor.last = 3;
        XRecordClientSpec clients = XRecordAllClients;
        m_context = XRecordCreateContext(control, 0, &clients, 1, ranges, opcode ? 2 : 1);
        XFree(ranges[0]);
        XFree(ranges[1]);
        if (m_context == 0)
            fail("the X server has no RECORD extension");
        XSync(control, False);
        if (!XRecordEnableContextAsync(m_data, m_context, &PutImageRecorder::take,
                                       reinterpret_cast<XPointer>(this)))
            fail("cannot record the X requests");
    }

    void pump() { XRecordProcessReplies(m_data); }
    void reset() { m_pixels = 0; }
    long pixels() const { return m_pixels; }

  private:
    static std::uint16_t at(const unsigned char* request, int offset)
    {
        std::uint16_t value;
        std::memcpy(&value, request + offset, sizeof value);
        return value;
    }

    static void take(XPointer closure, XRecordInterceptData* data)
    {
        auto* self = reinterpret_cast<PutImageRecorder*>(closure);
        if (data->category == XRecordFromClient && data->data != nullptr) {
            const unsigned char* request = data->data;
            if (request[0] == X_PutImage) // width and height at 12 and 14
                self->m_pixels += long{at(request, 12)} * at(request, 14);
            else if (self->m_shmOpcode != 0 && request[0] == self->m_shmOpcode && request[1] == 3)
                self->m_pixels += long{at(request, 20)} * at(request, 22); // the source size
        }
        XRecordFreeData(data);
    }

    Display* m_data = nullptr;
    XRecordContext m_context = 0;
    int m_shmOpcode = 0;
    long m_pixels = 0;
};

void pixelsPerNext(Probe& probe, int nexts)
{
    PutImageRecorder recorder(probe.display());
    const Area next = centred(areaOf(Control::Next1));
    const Area counter = areaOf(Control::Label5);
    probe.moveTo(next.x, next.y);
    for (int i = 0; i < nexts; ++i) {
        const auto pump = [&] { recorder.pump(); };
        std::this_thread::sleep_for(50ms);
        recorder.pump();
        recorder.reset();
        probe.click(next.x, next.y, counter, pump);
        const auto settle = Clock::now() + 150ms; // any later flush of the same move
        while (Clock::now() < settle) {
            recorder.pump();
            std::this_thread::sleep_for(5ms);
        }
        std::printf("pixels %ld\n", recorder.pixels());
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        fail("usage: bench_x_probe latency|pixels COUNT PID");
    const std::string mode = argv[1];
    const int count = std::atoi(argv[2]);
    const int pid = std::atoi(argv[3]);
    Probe probe;
    probe.findWindow("Zarvona");
    waitUntilIdle(pid);
    if (mode == "latency")
        latency(probe, count);
    else if (mode == "pixels")
        pixelsPerNext(probe, count);
    else
        fail("unknown measurement " + mode);
    return 0;
}
