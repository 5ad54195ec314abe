#include "Export.h"
#include "Testhilfe.h"

#include <QDir>
#include <dlfcn.h>
#include <unistd.h>

// While not 0, the error with which this test program's fdatasync fails; it replaces the C
// library's function, which runs otherwise.
static int syncFehler = 0;
extern "C" int fdatasync(int fd)
{
    static const auto echt = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fdatasync"));
    if (syncFehler == 0)
        return echt(fd);
    errno = syncFehler;
    return -1;
}

namespace {

// A save whose data the system cannot sync fails with the system's reason, keeps the old file as
// it was and leaves no temporary file.
TEST(SaveFile, FailedSyncFailsTheSaveAndKeepsTheOldFile)
{
    const struct {
        const char *datei;
        std::function<Schreibergebnis(const Modul1 &)> schreiben;
    } faelle[] = {{"ziehbuch.dat", &Modul1::ZiehungenSchreiben},
                  {"ziehbuch.ini", &Modul1::IniSchreiben},
                  {"ziehbuch.txt", Export::Schreiben}};
    for (const auto &f : faelle) {
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
        EXPECT_EQ(QDir(u.ordner.Pfad()).entryList(QDir::Files), QStringList{S(f.datei)}) << f.datei;
    }
}

} // namespace
