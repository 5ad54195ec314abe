#include "Testhilfe.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

void Dazu(Modul1 &m, QAnyStringView ansicht, int mal)
{
    const QString text = ansicht.toString();
    for (int w = 0; w < mal; ++w) {
        const int i = m.AnzahlZiehungen();
        const QString kopf = QStringLiteral("01.01.%1%2")
                                 .arg(2000 + i / 100)
                                 .arg(i % 100 + 1, 3, 10, QLatin1Char('0'));
        const bool satz = text.size() > 2 && text.at(2) == QLatin1Char('.');
        m.Ziehungen << Ziehungssatz((!satz               ? kopf + text
                                     : text.size() == 13 ? text + S("01020304050607123456")
                                                         : text)
                                        .leftJustified(Ziehungssatz::Laenge));
    }
}

Modul1 Archiv(std::initializer_list<const char *> texte, int mal)
{
    Modul1 m;
    for (int w = 0; w < mal; ++w)
        for (const char *t : texte)
            Dazu(m, t);
    m.AktZiehung = qint16(m.AnzahlZiehungen());
    return m;
}

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
