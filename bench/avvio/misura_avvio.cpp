// Start-up of the game against the floor (an empty Qt main window with a menu
// bar): time from process start to the end of the main window's first paint,
// peak resident memory and processor time, medians of several runs, offscreen and under Xvfb, each
// at the scale factors 1 and 2 (QT_SCALE_FACTOR), the floor at the same scale. The testing aid
// "sonda" reports the first paint and ends each run.
//   misura_avvio [runs]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int VoltePredefinite = 11;
constexpr double NsPerMs = 1e6;
constexpr double KibPerMib = 1024.0;

struct TMisura {
    double ms = 0;
    double mib = 0;
    double cpu = 0; // processor time, user and system, in ms: the least swayed by other load
};

double Ms(const timeval& t) {
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

struct TFiglio {
    pid_t pid = -1;
    int uscita = -1; // read end of the child's stdout
};

long long OrologioNs() {
    timespec adesso{};
    clock_gettime(CLOCK_MONOTONIC, &adesso);
    return adesso.tv_sec * 1'000'000'000LL + adesso.tv_nsec;
}

// The environment of this process, without the variables we set for the child.
std::vector<std::string> Ambiente(const std::vector<std::string>& nostre) {
    std::vector<std::string> ambiente;
    for (char** voce = environ; *voce != nullptr; ++voce) {
        const std::string testo(*voce);
        const std::string nome = testo.substr(0, testo.find('='));
        const bool sostituita = std::any_of(nostre.begin(), nostre.end(), [&](const auto& n) {
            return n.compare(0, nome.size() + 1, nome + "=") == 0;
        });
        if (!sostituita) {
            ambiente.push_back(testo);
        }
    }
    ambiente.insert(ambiente.end(), nostre.begin(), nostre.end());
    return ambiente;
}

// Starts the program with its stdout on a pipe and its stderr discarded.
TFiglio Avvia(const std::vector<std::string>& argomenti, const std::vector<std::string>& ambiente) {
    int tubo[2];
    if (pipe(tubo) != 0) {
        throw std::runtime_error("pipe");
    }
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&azioni, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&azioni, tubo[0]);
    std::vector<char*> argv;
    for (const auto& a : argomenti) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : ambiente) {
        envp.push_back(const_cast<char*>(e.c_str()));
    }
    envp.push_back(nullptr);
    TFiglio figlio;
    const int errore =
        posix_spawn(&figlio.pid, argv[0], &azioni, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    if (errore != 0) {
        close(tubo[0]);
        throw std::runtime_error("cannot start " + argomenti[0] + ": " + std::strerror(errore));
    }
    figlio.uscita = tubo[0];
    return figlio;
}

std::string LeggiTutto(int fd) {
    std::string testo;
    char blocco[4096];
    ssize_t letti = 0;
    while ((letti = read(fd, blocco, sizeof blocco)) > 0) {
        testo.append(blocco, static_cast<std::size_t>(letti));
    }
    close(fd);
    return testo;
}

TMisura Misura(const std::string& programma, const std::vector<std::string>& ambiente) {
    const long long inizio = OrologioNs();
    const TFiglio figlio = Avvia({programma}, ambiente);
    const std::string uscita = LeggiTutto(figlio.uscita);
    int stato = 0;
    rusage uso{};
    wait4(figlio.pid, &stato, 0, &uso);
    const std::string segno = "sonda: dipinta ";
    const std::size_t dove = uscita.find(segno);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0 || dove == std::string::npos) {
        throw std::runtime_error(programma + " did not reach its first paint:\n" + uscita);
    }
    const long long dipinta = std::stoll(uscita.substr(dove + segno.size()));
    return {(dipinta - inizio) / NsPerMs, uso.ru_maxrss / KibPerMib,
            Ms(uso.ru_utime) + Ms(uso.ru_stime)};
}

double Mediana(std::vector<double> valori) {
    std::sort(valori.begin(), valori.end());
    const std::size_t meta = valori.size() / 2;
    return valori.size() % 2 == 1 ? valori[meta] : (valori[meta - 1] + valori[meta]) / 2;
}

// Xvfb on a display it chooses itself; nothing when it cannot start.
std::optional<std::pair<TFiglio, std::string>> AvviaXvfb() {
    try {
        // Room for the window at scale 2; no reset between the runs, which
        // could drop a run that connects while the server resets.
        TFiglio xvfb = Avvia({"/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0", "2048x1600x24",
                              "-nolisten", "tcp", "-noreset"},
                             Ambiente({}));
        std::string numero;
        char c = 0;
        while (read(xvfb.uscita, &c, 1) == 1 && c != '\n') {
            numero += c;
        }
        close(xvfb.uscita);
        if (numero.empty()) {
            kill(xvfb.pid, SIGTERM);
            waitpid(xvfb.pid, nullptr, 0);
            return std::nullopt;
        }
        return std::make_pair(xvfb, ":" + numero);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

void Confronta(const std::string& piattaforma, const std::vector<std::string>& ambiente,
               int volte) {
    std::vector<double> msGioco, msPavimento, mibGioco, mibPavimento, cpuGioco, cpuPavimento;
    // One run each first, so that both find the libraries and fonts in the cache.
    Misura(SOLVINTRA_GIOCO, ambiente);
    Misura(SOLVINTRA_PAVIMENTO, ambiente);
    for (int volta = 0; volta < volte; ++volta) {
        const TMisura gioco = Misura(SOLVINTRA_GIOCO, ambiente);
        const TMisura pavimento = Misura(SOLVINTRA_PAVIMENTO, ambiente);
        msGioco.push_back(gioco.ms);
        mibGioco.push_back(gioco.mib);
        msPavimento.push_back(pavimento.ms);
        cpuGioco.push_back(gioco.cpu);
        cpuPavimento.push_back(pavimento.cpu);
        mibPavimento.push_back(pavimento.mib);
    }
    const double ms[2] = {Mediana(msGioco), Mediana(msPavimento)};
    const double mib[2] = {Mediana(mibGioco), Mediana(mibPavimento)};
    const double cpu[2] = {Mediana(cpuGioco), Mediana(cpuPavimento)};
    std::printf("%-13s %8.1f %8.1f %6.2fx  %8.1f %8.1f %6.2fx  %8.1f %8.1f %6.2fx\n",
                piattaforma.c_str(), ms[0], ms[1], ms[0] / ms[1], mib[0], mib[1], mib[0] / mib[1],
                cpu[0], cpu[1], cpu[0] / cpu[1]);
}

// Both scales, each with the variables of its own.
void ConfrontaScale(const std::string& piattaforma, const std::vector<std::string>& variabili,
                    int volte) {
    for (const char* scala : {"1", "2"}) {
        auto ambiente = variabili;
        ambiente.push_back(std::string("QT_SCALE_FACTOR=") + scala);
        Confronta(piattaforma + " " + scala + "x", Ambiente(ambiente), volte);
    }
}

void ConfrontaSottoXvfb(std::vector<std::string> variabili, int volte) {
    const auto xvfb = AvviaXvfb();
    if (!xvfb) {
        std::printf("xvfb          (Xvfb did not start: skipped)\n");
        return;
    }
    variabili.push_back("QT_QPA_PLATFORM=xcb");
    variabili.push_back("DISPLAY=" + xvfb->second);
    std::optional<std::runtime_error> errore;
    try {
        ConfrontaScale("xvfb", variabili, volte);
    } catch (const std::runtime_error& e) {
        errore = e;
    }
    kill(xvfb->first.pid, SIGTERM);
    waitpid(xvfb->first.pid, nullptr, 0);
    if (errore) {
        throw *errore;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const int volte = argc > 1 ? std::max(1, std::atoi(argv[1])) : VoltePredefinite;
    const std::filesystem::path configurazione =
        std::filesystem::temp_directory_path() / ("misura_avvio-" + std::to_string(getpid()));
    const std::vector<std::string> comuni{"QT_PLUGIN_PATH=" SOLVINTRA_SONDA,
                                          "QT_QPA_GENERIC_PLUGINS=sonda",
                                          "XDG_CONFIG_HOME=" + configurazione.string()};
    std::printf("Start-up to first paint, peak resident memory and processor time (ms), "
                "medians of %d runs\n",
                volte);
    std::printf("%-13s %8s %8s %7s  %8s %8s %7s  %8s %8s %7s\n", "platform", "game ms", "floor ms",
                "ratio", "game MiB", "floor MiB", "ratio", "game cpu", "floor cpu", "ratio");
    int esito = EXIT_SUCCESS;
    try {
        auto offscreen = comuni;
        offscreen.push_back("QT_QPA_PLATFORM=offscreen");
        ConfrontaScale("offscreen", offscreen, volte);
        ConfrontaSottoXvfb(comuni, volte);
    } catch (const std::runtime_error& errore) {
        std::fprintf(stderr, "%s\n", errore.what());
        esito = EXIT_FAILURE;
    }
    std::filesystem::remove_all(configurazione);
    return esito;
}
