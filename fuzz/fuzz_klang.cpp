// Reads any bytes as a wave file's header, as the player does. Whatever is
// accepted lies within the file, in whole frames, with a speaker for each of
// its channels, and is read only where the header's chunks lead.

#include "Fuzzhilfe.h"
#include "Klang.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray bytes = Eingabe(daten, groesse);
    const auto klang = KlangLesen(bytes.size(), [&bytes](qint64 pos, int laenge) {
        pruefen(pos >= 0 && pos <= bytes.size() && laenge >= 0 && laenge <= 40);
        return bytes.mid(qsizetype(pos), laenge);
    });
    if (!klang)
        return 0;
    pruefen(klang->laenge > 0 && klang->laenge % klang->BytesProFrame() == 0);
    pruefen(klang->anfang >= 44 && klang->anfang + klang->laenge <= bytes.size());
    pruefen(klang->belegung.channels == klang->kanaele && pa_channel_map_valid(&klang->belegung));
    pruefen(klang->Dauer() >= 0);
    return 0;
}
