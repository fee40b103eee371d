#include "radiosim.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace radiosim {

namespace {

using Clock = std::chrono::steady_clock;

const std::uint8_t Program_Frame[8] = {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02};
const std::uint8_t Identifier[5] = {0x5A, 0x52, 0x33, 0x33, 0x33};   // ZR333
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Stray = 0x15;
constexpr std::uint8_t Surplus = 0xEE;
constexpr int Power_Address = 0x0F00;

// A frame that stops half-way is forgotten after this long without a byte.
constexpr auto Frame_Gap = std::chrono::milliseconds(500);

struct Timed
{
    std::uint8_t byte;
    Clock::time_point due;
};

void Set_Error(std::string *error, const std::string &text)
{
    if (error)
        *error = text;
}

// Consumes one use of a fault that applies to a block; true when the fault strikes now.
bool Strike(int fault_block, int &times, int block)
{
    if (fault_block < 0 || fault_block != block || times == 0)
        return false;
    if (times > 0)
        --times;
    return true;
}

} // namespace

struct Radio::State
{
    mutable std::mutex mu;
    Faults faults;
    Memory mem{};
    std::vector<std::uint8_t> log;
    std::size_t consumed = 0;     // bytes of log the radio has acted on
    std::size_t mark = 0;
    int idents = 0;
    int end_writes = 0;
    int end_adjusts = 0;
    int closes = 0;
    std::function<void(const Memory &)> on_end;

    int master = -1;
    int slave = -1;
    int inot = -1;
    int wake[2] = {-1, -1};
    std::string path;
    std::thread thread;
    std::atomic<bool> stopping{false};
    std::atomic<bool> unplug_now{false};
    bool unplug_when_sent = false;

    // Radio side of the protocol; touched by the radio's thread only (under mu).
    bool programming = false;
    std::vector<std::uint8_t> frame;
    Clock::time_point last_byte{};
    std::deque<Timed> in_q;
    std::deque<Timed> out_q;
    Clock::time_point last_in{};
    Clock::time_point last_out{};

    void Loop();
    void Wake();
    void Close_Fds();
    void Program_Closed();
    void Take(std::uint8_t b, Clock::time_point t);
    void Parse(Clock::time_point t);
    void Send(const std::vector<std::uint8_t> &bytes, Clock::time_point t);
    void Identify(Clock::time_point t);
    void Read_Request(int address, Clock::time_point t);
    void Store(int address, const std::uint8_t *data, bool power, Clock::time_point t);
    void End(bool write);
    void Flush_Output(Clock::time_point now);
    bool Silent() const { return faults.silent; }
};

Radio::Radio()
    : d(new State)
{
    d->mem.fill(0xFF);
}

Radio::~Radio()
{
    stop();
}

bool Radio::start(std::string *error)
{
    if (running())
        return true;
    int master = -1;
    int slave = -1;
    char name[128] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        Set_Error(error, std::string("openpty: ") + std::strerror(errno));
        return false;
    }
    // Raw both ways: no echo, no line editing, no character translation, 8 bits.
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    tio.c_cflag |= CLOCAL | CREAD;
    ::tcsetattr(slave, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);

    // The programmer's closing of the port is seen as a close of the slave path.
    const int inot = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inot >= 0)
        ::inotify_add_watch(inot, name, IN_CLOSE_WRITE | IN_CLOSE_NOWRITE);

    int wake[2];
    if (::pipe2(wake, O_NONBLOCK | O_CLOEXEC) != 0) {
        Set_Error(error, std::string("pipe: ") + std::strerror(errno));
        ::close(master);
        ::close(slave);
        if (inot >= 0)
            ::close(inot);
        return false;
    }

    std::lock_guard<std::mutex> lock(d->mu);
    d->master = master;
    d->slave = slave;
    d->inot = inot;
    d->wake[0] = wake[0];
    d->wake[1] = wake[1];
    d->path = name;
    d->stopping = false;
    d->unplug_now = false;
    d->unplug_when_sent = false;
    d->programming = false;
    d->frame.clear();
    d->in_q.clear();
    d->out_q.clear();
    d->thread = std::thread([s = d.get()] { s->Loop(); });
    return true;
}

void Radio::stop()
{
    if (!d->thread.joinable())
        return;
    d->stopping = true;
    d->Wake();
    d->thread.join();
    std::lock_guard<std::mutex> lock(d->mu);
    d->Close_Fds();
    for (int &fd : d->wake)
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
}

bool Radio::running() const
{
    return d->thread.joinable() && !d->stopping;
}

std::string Radio::path() const
{
    std::lock_guard<std::mutex> lock(d->mu);
    return d->path;
}

void Radio::unplug()
{
    d->unplug_now = true;
    d->Wake();
    // Return only once the cable is out, so the caller can rely on it.
    for (int i = 0; i < 1000; ++i) {
        {
            std::lock_guard<std::mutex> lock(d->mu);
            if (d->master < 0)
                return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

Faults Radio::faults() const
{
    std::lock_guard<std::mutex> lock(d->mu);
    return d->faults;
}

void Radio::set_faults(const Faults &f)
{
    std::lock_guard<std::mutex> lock(d->mu);
    d->faults = f;
}

Memory Radio::memory() const
{
    std::lock_guard<std::mutex> lock(d->mu);
    return d->mem;
}

void Radio::set_memory(const Memory &m)
{
    std::lock_guard<std::mutex> lock(d->mu);
    d->mem = m;
}

int Radio::byte_at(int address) const
{
    if (address < 0 || address >= Memory_Size)
        return -1;
    std::lock_guard<std::mutex> lock(d->mu);
    return d->mem[std::size_t(address)];
}

std::vector<std::uint8_t> Radio::received() const
{
    std::lock_guard<std::mutex> lock(d->mu);
    return d->log;
}

std::size_t Radio::ident_mark() const
{
    std::lock_guard<std::mutex> lock(d->mu);
    return d->mark;
}

int Radio::ident_count() const
{
    std::lock_guard<std::mutex> lock(d->mu);
    return d->idents;
}

int Radio::end_write_count() const
{
    std::lock_guard<std::mutex> lock(d->mu);
    return d->end_writes;
}

int Radio::end_adjust_count() const
{
    std::lock_guard<std::mutex> lock(d->mu);
    return d->end_adjusts;
}

int Radio::program_closes() const
{
    std::lock_guard<std::mutex> lock(d->mu);
    return d->closes;
}

void Radio::clear_log()
{
    std::lock_guard<std::mutex> lock(d->mu);
    // Bytes still waiting to be acted on stay, so the counters keep matching the log.
    const std::size_t keep = d->log.size() - d->consumed;
    d->log.erase(d->log.begin(), d->log.end() - std::ptrdiff_t(keep));
    d->consumed = 0;
    d->mark = 0;
    d->idents = 0;
    d->end_writes = 0;
    d->end_adjusts = 0;
    d->closes = 0;
}

void Radio::set_on_end(std::function<void(const Memory &)> callback)
{
    std::lock_guard<std::mutex> lock(d->mu);
    d->on_end = std::move(callback);
}

// ---- the radio's thread ---------------------------------------------------------------------------

void Radio::State::Wake()
{
    if (wake[1] >= 0) {
        const char c = 1;
        [[maybe_unused]] ssize_t n = ::write(wake[1], &c, 1);
    }
}

void Radio::State::Close_Fds()
{
    for (int *fd : {&master, &slave, &inot})
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    in_q.clear();
    out_q.clear();
    frame.clear();
    programming = false;
}

void Radio::State::Loop()
{
    // Pacing at a byte per 1.04 ms needs wake-ups to the tenth of a millisecond.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    std::unique_lock<std::mutex> lock(mu);
    while (!stopping) {
        Clock::time_point deadline = Clock::time_point::max();
        if (!in_q.empty())
            deadline = std::min(deadline, in_q.front().due);
        if (!out_q.empty())
            deadline = std::min(deadline, out_q.front().due);

        pollfd fds[3] = {{wake[0], POLLIN, 0}, {master, POLLIN, 0}, {inot, POLLIN, 0}};
        timespec ts{};
        timespec *timeout = nullptr;
        if (deadline != Clock::time_point::max()) {
            const auto left = std::max(Clock::duration::zero(), deadline - Clock::now());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            ts.tv_sec = time_t(ns / 1000000000);
            ts.tv_nsec = long(ns % 1000000000);
            timeout = &ts;
        }
        lock.unlock();
        const int ready = ::ppoll(fds, 3, timeout, nullptr);
        lock.lock();
        if (stopping)
            break;
        if (ready < 0 && errno != EINTR)
            break;

        if (fds[0].revents & POLLIN) {
            char buf[64];
            while (::read(wake[0], buf, sizeof buf) > 0) {
            }
        }
        if (unplug_now) {
            unplug_now = false;
            Close_Fds();
            continue;
        }

        if (inot >= 0 && (fds[2].revents & POLLIN)) {
            alignas(inotify_event) char buf[4096];
            bool closed = false;
            ssize_t n;
            while ((n = ::read(inot, buf, sizeof buf)) > 0) {
                for (char *p = buf; p < buf + n;) {
                    const auto *ev = reinterpret_cast<const inotify_event *>(p);
                    if (ev->mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE))
                        closed = true;
                    p += sizeof(inotify_event) + ev->len;
                }
            }
            if (closed)
                Program_Closed();
        }

        const Clock::time_point now = Clock::now();
        if (master >= 0 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
            std::uint8_t buf[512];
            const ssize_t n = ::read(master, buf, sizeof buf);
            for (ssize_t i = 0; i < n; ++i) {
                log.push_back(buf[i]);
                Clock::time_point due = now;
                if (faults.pace) {
                    // A byte is only there once its ten bits have crossed the wire.
                    due = std::max(now, last_in)
                          + std::chrono::microseconds(static_cast<long>(Byte_Time_Us));
                    last_in = due;
                }
                in_q.push_back({buf[i], due});
            }
        }

        const Clock::time_point t = Clock::now();
        while (!in_q.empty() && in_q.front().due <= t) {
            const Timed in = in_q.front();
            in_q.pop_front();
            ++consumed;
            Take(in.byte, in.due);
        }
        Flush_Output(Clock::now());
    }
}

void Radio::State::Program_Closed()
{
    ++closes;
    if (slave < 0)
        return;
    // The port is exclusive while the programmer holds it; on a pseudo-terminal that mark outlives the
    // programmer's close, and a second opening by a normal user would then fail.
#ifdef TIOCNXCL
    ::ioctl(slave, TIOCNXCL);
#endif
    // What the programmer never read is gone, as on a real port; so is what was still on its way.
    ::tcflush(slave, TCIFLUSH);
    out_q.clear();
    frame.clear();
}

void Radio::State::Take(std::uint8_t b, Clock::time_point t)
{
    if (!frame.empty() && t - last_byte > Frame_Gap)
        frame.clear();
    last_byte = t;
    frame.push_back(b);
    Parse(t);
}

void Radio::State::Parse(Clock::time_point t)
{
    for (;;) {
        if (frame.empty())
            return;
        if (!programming) {
            // Outside programming mode only the enter-programming frame means anything.
            if (frame.size() > sizeof Program_Frame)
                frame.erase(frame.begin());
            if (frame.size() == sizeof Program_Frame
                && std::equal(frame.begin(), frame.end(), Program_Frame)) {
                frame.clear();
                Identify(t);
            }
            return;
        }
        std::size_t need = 1;
        switch (frame[0]) {
        case 'R':
            need = 4;
            break;
        case 'W':
        case 'g':
            need = 20;
            break;
        case 'P':
            need = sizeof Program_Frame;
            break;
        default:
            break;
        }
        if (frame.size() < need)
            return;
        const std::uint8_t kind = frame[0];
        const int address = need >= 4 ? frame[1] * 256 + frame[2] : 0;
        bool taken = true;
        switch (kind) {
        case Ack:
            break;
        case 'R':
            if (frame[3] == 0x10)
                Read_Request(address, t);
            else
                taken = false;
            break;
        case 'W':
        case 'g':
            if (frame[3] == 0x10)
                Store(address, frame.data() + 4, kind == 'g', t);
            else
                taken = false;
            break;
        case 'E':
            End(true);
            break;
        case 'b':
            End(false);
            break;
        case 'P':
            if (std::equal(frame.begin(), frame.begin() + std::ptrdiff_t(need), Program_Frame)) {
                frame.erase(frame.begin(), frame.begin() + std::ptrdiff_t(need));
                Identify(t);
                continue;
            }
            taken = false;
            break;
        default:
            taken = false;
            break;
        }
        // A byte that starts no frame is line noise: skip it and look again from the next one.
        frame.erase(frame.begin(), frame.begin() + std::ptrdiff_t(taken ? need : 1));
    }
}

void Radio::State::Send(const std::vector<std::uint8_t> &bytes, Clock::time_point t)
{
    if (bytes.empty() || master < 0)
        return;
    Clock::time_point start = t + std::chrono::milliseconds(faults.delay_ms);
    if (!faults.pace) {
        for (std::uint8_t b : bytes)
            out_q.push_back({b, start});
        return;
    }
    const auto byte_time = std::chrono::nanoseconds(static_cast<long>(Byte_Time_Us * 1000.0));
    Clock::time_point due = std::max(start, last_out);
    for (std::uint8_t b : bytes) {
        due += byte_time;   // the byte has arrived once its stop bit is through
        out_q.push_back({b, due});
    }
    last_out = due;
}

void Radio::State::Flush_Output(Clock::time_point now)
{
    if (master < 0) {
        out_q.clear();
        return;
    }
    std::vector<std::uint8_t> ready;
    while (!out_q.empty() && out_q.front().due <= now) {
        ready.push_back(out_q.front().byte);
        out_q.pop_front();
    }
    if (!ready.empty()) {
        // One write for everything that is due, so an unpaced reply arrives in one piece.
        [[maybe_unused]] ssize_t n = ::write(master, ready.data(), ready.size());
    }
    if (unplug_when_sent && out_q.empty()) {
        unplug_when_sent = false;
        Close_Fds();
    }
}

void Radio::State::Identify(Clock::time_point t)
{
    programming = true;
    mark = consumed;
    if (Silent())
        return;
    std::vector<std::uint8_t> reply(std::size_t(std::max(0, faults.ident_offset)), 0x00);
    reply.insert(reply.end(), Identifier, Identifier + 5);
    if (faults.wrong_ident)
        reply[reply.size() - 1] = 0x34;
    reply.push_back(mem[Power_Address]);
    reply.push_back(mem[Power_Address + 1]);
    reply.push_back(mem[Power_Address + 2]);
    reply.push_back(0x00);
    if (faults.ident_length >= 0 && std::size_t(faults.ident_length) < reply.size())
        reply.resize(std::size_t(faults.ident_length));
    ++idents;
    Send(reply, t);
}

void Radio::State::Read_Request(int address, Clock::time_point t)
{
    if (Silent())
        return;
    const int block = address / 16;
    if (Strike(faults.drop_block, faults.drop_times, block))
        return;
    std::vector<std::uint8_t> reply = {'R', std::uint8_t(address >> 8), std::uint8_t(address & 0xFF),
                                       0x10, 0x00};
    int sum = 0;
    for (int i = 0; i < 16; ++i) {
        const int a = address + i;
        const std::uint8_t v = a < Memory_Size ? mem[std::size_t(a)] : 0xFF;
        sum += v;
        reply.push_back(v);
    }
    reply[4] = std::uint8_t(sum & 0xFF);
    if (Strike(faults.short_block, faults.short_times, block))
        reply.resize(std::size_t(std::clamp(faults.short_length, 0, 21)));
    else
        reply.insert(reply.end(), std::size_t(std::max(0, faults.extra_bytes)), Surplus);
    Send(reply, t);
    if (block == faults.unplug_after_block)
        unplug_when_sent = true;
}

void Radio::State::Store(int address, const std::uint8_t *data, bool power, Clock::time_point t)
{
    if (Silent())
        return;
    const int block = address / 16;
    if (Strike(faults.drop_block, faults.drop_times, block))
        return;
    if (power && address != Power_Address)
        return;
    for (int i = 0; i < 16; ++i)
        if (address + i < Memory_Size)
            mem[std::size_t(address + i)] = data[i];
    std::vector<std::uint8_t> reply;
    if (faults.stray_before_ack)
        reply.push_back(Stray);
    reply.push_back(Strike(faults.stray_block, faults.stray_times, block) ? Stray : Ack);
    Send(reply, t);
    if (block == faults.unplug_after_block)
        unplug_when_sent = true;
}

void Radio::State::End(bool write)
{
    programming = false;
    if (write)
        ++end_writes;
    else
        ++end_adjusts;
    if (on_end) {
        const Memory copy = mem;
        auto callback = on_end;
        mu.unlock();
        callback(copy);
        mu.lock();
    }
}

// ---- channel file --------------------------------------------------------------------------------

bool load_channel_file(const std::string &path, Memory &m, std::string *error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Set_Error(error, path + ": " + std::strerror(errno));
        return false;
    }
    Memory out{};
    std::size_t count = 0;
    long value = -1;
    auto finish = [&]() -> bool {
        if (value < 0)
            return true;
        if (value > 255) {
            Set_Error(error, path + ": value " + std::to_string(value) + " is not a byte");
            return false;
        }
        if (count >= out.size()) {
            Set_Error(error, path + ": more than 4096 values");
            return false;
        }
        out[count++] = std::uint8_t(value);
        value = -1;
        return true;
    };
    char c;
    while (in.get(c)) {
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value) * 10 + (c - '0');
            if (value > 100000)
                value = 100000;
        } else if (c == ' ' || c == ',' || c == '\r' || c == '\n' || c == '\t') {
            if (!finish())
                return false;
        } else {
            Set_Error(error, path + ": unexpected character in a channel file");
            return false;
        }
    }
    if (!finish())
        return false;
    if (count != out.size()) {
        Set_Error(error, path + ": " + std::to_string(count) + " values instead of 4096");
        return false;
    }
    m = out;
    return true;
}

bool save_channel_file(const std::string &path, const Memory &m, std::string *error)
{
    std::ostringstream text;
    for (int block = 0; block < 256; ++block) {
        for (int i = 0; i < 16; ++i)
            text << ' ' << int(m[std::size_t(block * 16 + i)]) << ' ';
        text << "\r\n";
    }
    // Written beside the target and renamed, so a crash never leaves half a radio on disk.
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) {
            Set_Error(error, tmp + ": " + std::strerror(errno));
            return false;
        }
        out << text.str();
        out.flush();
        if (!out) {
            Set_Error(error, tmp + ": write failed");
            return false;
        }
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        Set_Error(error, path + ": " + std::strerror(errno));
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

} // namespace radiosim
