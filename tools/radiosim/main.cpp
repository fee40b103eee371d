// radiosim: a simulated radio on a pseudo-terminal, for using the programmer without a cable.
//
//   radiosim [--file radio.chann] [--pace] [--delay MS] [--silent] [--wrong-ident]
//
// Prints the pseudo-terminal's path and the line RADIOPROG_COM1=<path> that attaches it to the
// programmer as COM1, then answers until it is killed. With --file the radio's memory is loaded from
// that channel file (when it exists) and saved to it after every completed write or power adjustment.
#include "radiosim.h"

#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

// A radio fresh from the factory: the programmer's own starting image with a few channels and names
// in it, so that a read shows something and a write passes the band checks at once.
radiosim::Memory Factory_Memory()
{
    Init_Globals();
    const struct
    {
        const char *freq;
        const char *name;
    } channels[] = {
        {"446.00625", "PMR1"}, {"446.01875", "PMR2"}, {"446.03125", "PMR3"},
        {"446.04375", "PMR4"}, {"433.07500", "LPD1"}, {"438.50000", "RPT"},
    };
    int n = 1;
    for (const auto &c : channels) {
        QString text = QString::fromLatin1(c.freq);
        Put_Freq(text, n, Ch_Rx);
        for (int i = 4; i < 8; ++i)
            Radio_Data[n][i] = 0x00;
        const int rest[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x20, 0xFF, 0xFF};
        for (int i = 0; i < 8; ++i)
            Radio_Data[n][8 + i] = Integer(rest[i]);
        const QString name = QString::fromLatin1(c.name);
        for (int k = 0; k < name.size() && k < Name_Len; ++k)
            Set_Name_Byte((n - 1) * Name_Len + k, Cov_Char2Code(name.mid(k, 1)));
        ++n;
    }
    radiosim::Memory m{};
    for (int b = 0; b < 256; ++b)
        for (int i = 0; i < 16; ++i)
            m[std::size_t(b * 16 + i)] = std::uint8_t(Radio_Data[b][i] & 0xFF);
    return m;
}

void Usage()
{
    std::fprintf(stderr,
                 "usage: radiosim [--file radio.chann] [--pace] [--delay MS] [--silent] "
                 "[--wrong-ident]\n");
}

} // namespace

int main(int argc, char **argv)
{
    // Termination is taken synchronously below, so the radio can save its memory on the way out.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    sigaddset(&stop_signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);

    std::string file;
    radiosim::Faults faults;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--file" && i + 1 < argc)
            file = argv[++i];
        else if (a == "--pace")
            faults.pace = true;
        else if (a == "--delay" && i + 1 < argc)
            faults.delay_ms = std::atoi(argv[++i]);
        else if (a == "--silent")
            faults.silent = true;
        else if (a == "--wrong-ident")
            faults.wrong_ident = true;
        else {
            Usage();
            return a == "--help" || a == "-h" ? 0 : 2;
        }
    }

    radiosim::Memory memory = Factory_Memory();
    struct stat st;
    if (!file.empty() && ::stat(file.c_str(), &st) == 0) {
        std::string error;
        if (!radiosim::load_channel_file(file, memory, &error)) {
            std::fprintf(stderr, "radiosim: %s\n", error.c_str());
            return 1;
        }
    }

    radiosim::Radio radio;
    radio.set_memory(memory);
    radio.set_faults(faults);
    if (!file.empty())
        radio.set_on_end([file](const radiosim::Memory &m) {
            std::string error;
            if (!radiosim::save_channel_file(file, m, &error))
                std::fprintf(stderr, "radiosim: %s\n", error.c_str());
        });
    std::string error;
    if (!radio.start(&error)) {
        std::fprintf(stderr, "radiosim: %s\n", error.c_str());
        return 1;
    }
    std::printf("Simulated radio on %s%s\n", radio.path().c_str(),
                faults.pace ? " (9600 bit/s)" : "");
    std::printf("RADIOPROG_COM1=%s\n", radio.path().c_str());
    std::fflush(stdout);

    int sig = 0;
    sigwait(&stop_signals, &sig);
    radio.stop();
    if (!file.empty() && !radiosim::save_channel_file(file, radio.memory(), &error)) {
        std::fprintf(stderr, "radiosim: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
