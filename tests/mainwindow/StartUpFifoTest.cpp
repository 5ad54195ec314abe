#include "FifoLoeser.h"
#include "FormMain.h"
#include "Testhilfe.h"

#include <QElapsedTimer>
#include <sys/stat.h>

namespace {

// A FIFO or a device named like a data file would hold the start for good: it gets at once
// the message of a file that cannot be read, and stays as it was.
TEST(StartUp, AFifoOrADeviceNamedLikeADataFileStopsItAtOnce)
{
    const struct {
        const char *datei;
        const char *anderer; // the other data file, written when not null
        const char *meldung;
    } faelle[] = {
        {"ziehbuch.dat", nullptr, "Die Datei ZIEHBUCH.DAT kann nicht gelesen werden."},
        {"ziehbuch.ini", "ziehbuch.dat", "Die Datei ZIEHBUCH.INI kann nicht gelesen werden."}};
    for (const auto &f : faelle) {
        for (const bool fifo : {true, false}) {
            SCOPED_TRACE(std::string(f.datei) + (fifo ? " as a FIFO" : " as /dev/zero"));
            Umgebung u;
            if (f.anderer)
                u.Lege(f.anderer, {});
            const QByteArray pfad = QFile::encodeName(u.ordner.Datei(S(f.datei)));
            ASSERT_EQ(fifo ? ::mkfifo(pfad.constData(), 0600) : ::symlink("/dev/zero", pfad), 0);
            FormMain form(u.m, u.fake.plattform);
            QElapsedTimer uhr;
            uhr.start();
            {
                const FifoLoeser loeser(u.ordner.Datei(S(f.datei)));
                EXPECT_FALSE(form.Form_Load(u.ordner.Pfad()));
            }
            EXPECT_LT(uhr.elapsed(), 500);
            EXPECT_EQ(
                u.fake.prompts.boxen.value(0).text,
                S(f.meldung) +
                    S("\r\nSie ist keine gewöhnliche Datei.\r\nDas Programm wird abgebrochen."));
            struct stat info {};
            ASSERT_EQ(::lstat(pfad.constData(), &info), 0);
            EXPECT_EQ(S_ISFIFO(info.st_mode), fifo);
            EXPECT_EQ(S_ISLNK(info.st_mode), !fifo);
        }
    }
}

} // namespace
