/* Preloaded into the fault tests: makes writes to one file fail partway, as
 * a full disk would, or makes renaming onto it fail. Permission bits cannot
 * do that for root. Controlled by the environment at each call:
 *   VANDORIA_AWARIA_PLIK   a piece of the path of the files to fail
 *   VANDORIA_AWARIA_PO     bytes a matching descriptor may write before failing
 *   VANDORIA_AWARIA_RENAME "1": renaming onto a matching path fails
 *   VANDORIA_AWARIA_ODCZYT a piece of the path of files whose reads fail (EIO)
 *                          after their first VANDORIA_AWARIA_ODCZYT_PO bytes
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static long zapisane[4096];
static long przeczytane[4096];

static int pasuje_do(const char* zmienna, const char* sciezka) {
    const char* wzor = getenv(zmienna);
    return wzor && *wzor && sciezka && strstr(sciezka, wzor) != NULL;
}

static int pasuje_sciezka(const char* sciezka) {
    return pasuje_do("VANDORIA_AWARIA_PLIK", sciezka);
}

static int deskryptor_pasuje_do(const char* zmienna, int fd) {
    char link[64], sciezka[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    ssize_t n = readlink(link, sciezka, sizeof sciezka - 1);
    if (n <= 0) return 0;
    sciezka[n] = '\0';
    return pasuje_do(zmienna, sciezka);
}

static int pasuje_deskryptor(int fd) { return deskryptor_pasuje_do("VANDORIA_AWARIA_PLIK", fd); }

ssize_t read(int fd, void* dane, size_t ile) {
    static ssize_t (*prawdziwy)(int, void*, size_t);
    if (!prawdziwy) prawdziwy = (ssize_t(*)(int, void*, size_t))dlsym(RTLD_NEXT, "read");
    if (fd > 2 && fd < 4096 && getenv("VANDORIA_AWARIA_ODCZYT") &&
        deskryptor_pasuje_do("VANDORIA_AWARIA_ODCZYT", fd)) {
        const char* po = getenv("VANDORIA_AWARIA_ODCZYT_PO");
        long granica = po ? atol(po) : 0;
        if (przeczytane[fd] >= granica) {
            errno = EIO;
            return -1;
        }
        if ((long)ile > granica - przeczytane[fd]) ile = (size_t)(granica - przeczytane[fd]);
        ssize_t n = prawdziwy(fd, dane, ile);
        if (n > 0) przeczytane[fd] += n;
        return n;
    }
    return prawdziwy(fd, dane, ile);
}

ssize_t write(int fd, const void* dane, size_t ile) {
    static ssize_t (*prawdziwy)(int, const void*, size_t);
    if (!prawdziwy) prawdziwy = (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
    if (fd > 2 && fd < 4096 && pasuje_deskryptor(fd)) {
        const char* po = getenv("VANDORIA_AWARIA_PO");
        long granica = po ? atol(po) : 0;
        if (zapisane[fd] >= granica) {
            errno = ENOSPC;
            return -1;
        }
        if ((long)ile > granica - zapisane[fd]) ile = (size_t)(granica - zapisane[fd]);
        ssize_t n = prawdziwy(fd, dane, ile);
        if (n > 0) zapisane[fd] += n;
        return n;
    }
    return prawdziwy(fd, dane, ile);
}

int close(int fd) {
    static int (*prawdziwy)(int);
    if (!prawdziwy) prawdziwy = (int (*)(int))dlsym(RTLD_NEXT, "close");
    if (fd >= 0 && fd < 4096) zapisane[fd] = przeczytane[fd] = 0;
    return prawdziwy(fd);
}

static int odmow_zmiany_nazwy(const char* nowa) {
    const char* r = getenv("VANDORIA_AWARIA_RENAME");
    return r && strcmp(r, "1") == 0 && pasuje_sciezka(nowa);
}

int rename(const char* stara, const char* nowa) {
    static int (*prawdziwy)(const char*, const char*);
    if (!prawdziwy) prawdziwy = (int (*)(const char*, const char*))dlsym(RTLD_NEXT, "rename");
    if (odmow_zmiany_nazwy(nowa)) {
        errno = EIO;
        return -1;
    }
    return prawdziwy(stara, nowa);
}

int renameat(int d1, const char* stara, int d2, const char* nowa) {
    static int (*prawdziwy)(int, const char*, int, const char*);
    if (!prawdziwy)
        prawdziwy = (int (*)(int, const char*, int, const char*))dlsym(RTLD_NEXT, "renameat");
    if (odmow_zmiany_nazwy(nowa)) {
        errno = EIO;
        return -1;
    }
    return prawdziwy(d1, stara, d2, nowa);
}

int renameat2(int d1, const char* stara, int d2, const char* nowa, unsigned flagi) {
    static int (*prawdziwy)(int, const char*, int, const char*, unsigned);
    if (!prawdziwy)
        prawdziwy =
            (int (*)(int, const char*, int, const char*, unsigned))dlsym(RTLD_NEXT, "renameat2");
    if (odmow_zmiany_nazwy(nowa)) {
        errno = EIO;
        return -1;
    }
    return prawdziwy(d1, stara, d2, nowa, flagi);
}

/* A file written through an unnamed temporary file appears under its name by linkat(). */
int linkat(int d1, const char* stara, int d2, const char* nowa, int flagi) {
    static int (*prawdziwy)(int, const char*, int, const char*, int);
    if (!prawdziwy)
        prawdziwy = (int (*)(int, const char*, int, const char*, int))dlsym(RTLD_NEXT, "linkat");
    if (odmow_zmiany_nazwy(nowa)) {
        errno = EIO;
        return -1;
    }
    return prawdziwy(d1, stara, d2, nowa, flagi);
}
