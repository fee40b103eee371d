#pragma once
// A simulated radio on a pseudo-terminal. It answers the programmer exactly as a radio answers its
// programming cable: the enter-programming frame with the identification reply, read requests with
// block replies, write and power frames with acknowledges, and the end bytes. The programmer opens the
// pseudo-terminal's slave path as if it were a serial port.
//
// The radio runs on a thread of its own, as a real radio runs beside the computer; every public call is
// safe from any thread. Plain C++ and POSIX only, so the program's tests and the stand-alone executable
// can both use it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace radiosim {

constexpr int Memory_Size = 4096;   // 256 blocks of 16 bytes
using Memory = std::array<std::uint8_t, Memory_Size>;

// Faults the radio can be told to commit. Block numbers count as the programmer counts them
// (address / 16); -1 means "no block". A count of -1 means "every time".
struct Faults
{
    bool silent = false;            // answers nothing at all
    bool wrong_ident = false;       // identifies as something else than ZR333
    int ident_offset = 0;           // junk bytes sent in front of the identifier
    int ident_length = -1;          // cut the identification reply to this many bytes (-1: whole)
    int drop_block = -1;            // no reply / no acknowledge for this block ...
    int drop_times = 1;             // ... this many times
    int short_block = -1;           // the reply for this block stops after short_length bytes ...
    int short_length = 10;
    int short_times = 1;            // ... this many times
    int stray_block = -1;           // a stray byte instead of the acknowledge of this write frame ...
    int stray_times = 1;            // ... this many times
    bool stray_before_ack = false;  // a stray byte in front of every acknowledge
    int extra_bytes = 0;            // surplus bytes after every block reply
    int unplug_after_block = -1;    // pull the cable once the answer for this block has gone out
    int delay_ms = 0;               // think this long before every answer
    bool pace = false;              // 9600 bit/s, 8N1: about 1.04 ms a byte in both directions
};

// Wire time of one byte at 9600 bit/s with a start and a stop bit, in microseconds.
constexpr double Byte_Time_Us = 10.0 * 1e6 / 9600.0;

class Radio
{
public:
    Radio();
    ~Radio();
    Radio(const Radio &) = delete;
    Radio &operator=(const Radio &) = delete;

    // Opens the pseudo-terminal and starts answering. False (with a reason) when the system refuses.
    bool start(std::string *error = nullptr);
    // Stops answering and closes the pseudo-terminal (the slave path disappears).
    void stop();
    bool running() const;

    // The path the programmer opens, e.g. /dev/pts/3. Empty before start().
    std::string path() const;

    // Pulls the cable now: the master side closes and the slave path vanishes.
    void unplug();

    Faults faults() const;
    void set_faults(const Faults &f);

    Memory memory() const;
    void set_memory(const Memory &m);
    int byte_at(int address) const;

    // Everything the programmer has sent since start() or clear_log().
    std::vector<std::uint8_t> received() const;
    // Index into received() just past the enter-programming frame that the latest identification
    // reply answered; what follows it is the programmer's side of the transfer.
    std::size_t ident_mark() const;
    int ident_count() const;        // identification replies sent
    int end_write_count() const;    // end-of-write bytes received in programming mode
    int end_adjust_count() const;   // end-of-adjust bytes received in programming mode
    int program_closes() const;     // times the programmer closed the port
    void clear_log();

    // Called on the radio's thread after an end-of-write or end-of-adjust byte, with the memory as it
    // now is (the executable saves it then).
    void set_on_end(std::function<void(const Memory &)> callback);

private:
    struct State;
    std::unique_ptr<State> d;
};

// The channel file: 256 lines of 16 decimal numbers (blocks 0..255 in order). Reading accepts blanks,
// commas and line ends between numbers and needs exactly 4096 values of 0..255.
bool load_channel_file(const std::string &path, Memory &m, std::string *error = nullptr);
bool save_channel_file(const std::string &path, const Memory &m, std::string *error = nullptr);

} // namespace radiosim
