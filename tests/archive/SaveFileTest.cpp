#include "Export.h"
#include "Testhilfe.h"

#include <QDir>
#include <dlfcn.h>
#include <unistd.h>

namespace {

// The error the C library's fdatasync reports in this test program while it is not 0.
int syncFehler = 0;

} // namespace

// Defined here, it replaces the C library's function for the whole test program, so that a test
// can make the system refuse to sync; otherwise the C library's own one runs.
extern "C" int fdatasync(int fd)
{
    if (syncFehler != 0) {
        errno = syncFehler;
        return -1;
    }
    static const auto echt = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fdatasync"));
    return echt(fd);
}

namespace {

// QSaveFile::commit() would put a file whose data the system could not sync in place of the old
// one; for each data file such a save fails with the system's reason, keeps the old file as it
// was and leaves no temporary file.
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
        EXPECT_FALSE(ergebnis.ok) << f.datei;
        EXPECT_EQ(ergebnis.grund, qt_error_string(EIO)) << f.datei;
        EXPECT_EQ(u.Datei(f.datei), vorher) << f.datei;
        EXPECT_EQ(QDir(u.ordner.Pfad()).entryList(QDir::Files), QStringList{S(f.datei)}) << f.datei;
    }
}

} // namespace
