#include "Dateireste.h"
#include "Export.h"
#include "Testhilfe.h"

#include <QFileInfo>
#include <dlfcn.h>
#include <unistd.h>

// While not 0, the error with which this test program's fdatasync fails; it replaces the C
// library's function, which runs otherwise. The file it failed for, as the system names it.
static int syncFehler = 0;
static QString syncDatei;
extern "C" int fdatasync(int fd)
{
    static const auto echt = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fdatasync"));
    if (syncFehler == 0)
        return echt(fd);
    syncDatei = QFileInfo(S("/proc/self/fd/%1").arg(fd)).symLinkTarget();
    errno = syncFehler;
    return -1;
}

namespace {

// A save whose data the system cannot sync fails with the system's reason, keeps the old file as
// it was and leaves no temporary file, neither an unnamed one nor, where the file system has
// none, a named one.
TEST(SaveFile, FailedSyncFailsTheSaveAndKeepsTheOldFile)
{
    const struct {
        const char *datei;
        std::function<Schreibergebnis(const Modul1 &)> schreiben;
    } faelle[] = {{"ziehbuch.dat", &Modul1::ZiehungenSchreiben},
                  {"ziehbuch.ini", &Modul1::IniSchreiben},
                  {"ziehbuch.txt", Export::Schreiben}};
    for (const bool benannt : {false, true})
        for (const auto &f : faelle) {
            SCOPED_TRACE(benannt ? "named temporary file" : "unnamed temporary file");
            const OhneUnbenannteDateien schalter(benannt);
            Umgebung u;
            Dazu(u.m, "01020304050607");
            u.m.IniZeilen << S("Jokertip=123456A");
            ASSERT_TRUE(f.schreiben(u.m).ok) << f.datei;
            const QByteArray vorher = u.Datei(f.datei);
            Dazu(u.m, "08091011121314");
            u.m.IniZeilen << S("Jokertip=654321B");
            syncFehler = EIO;
            const Schreibergebnis ergebnis = f.schreiben(u.m);
            syncFehler = 0;
            EXPECT_TRUE(!ergebnis.ok && ergebnis.grund == qt_error_string(EIO)) << f.datei;
            EXPECT_EQ(u.Datei(f.datei), vorher) << f.datei;
            EXPECT_EQ(Reste(u.ordner.Pfad()), QStringList{S(f.datei)}) << f.datei;
            if (benannt) {
                EXPECT_EQ(QFileInfo(syncDatei).fileName().chopped(6), S(f.datei) + S("."))
                    << f.datei;
            }
        }
}

} // namespace
