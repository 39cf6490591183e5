// Runs a program and prints its CPU time (user + sys, in seconds to the
// microsecond) and peak memory in kB: /usr/bin/time rounds to 10 ms, coarser
// than the difference a start-up benchmark looks for.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "użycie: mierz PROGRAM [ARGUMENTY...]\n");
        return 2;
    }
    const pid_t dziecko = fork();
    if (dziecko == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int stan = 0;
    rusage zuzycie{};
    if (dziecko < 0 || wait4(dziecko, &stan, 0, &zuzycie) < 0) return 1;
    const double cpu = zuzycie.ru_utime.tv_sec + zuzycie.ru_stime.tv_sec +
                       (zuzycie.ru_utime.tv_usec + zuzycie.ru_stime.tv_usec) / 1e6;
    std::printf("%.6f %ld\n", cpu, zuzycie.ru_maxrss);
    return WIFEXITED(stan) ? WEXITSTATUS(stan) : 1;
}
