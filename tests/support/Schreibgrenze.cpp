#include "Schreibgrenze.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int MitSchreibgrenze(long bytes, const std::function<int()> &schreiben)
{
    const pid_t kind = fork();
    if (kind == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit grenze{rlim_t(bytes), rlim_t(bytes)};
        setrlimit(RLIMIT_FSIZE, &grenze);
        _exit(schreiben());
    }
    int status = 0;
    waitpid(kind, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
