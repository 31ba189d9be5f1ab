// libFuzzer target: any bytes given to the phrase file loader must load
// without a crash, a hang or runaway memory, and what loads must save and
// load again as the same records.

#include "phrasefile.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer input;
    input.setData(reinterpret_cast<const char *>(data), int(size));
    input.open(QIODevice::ReadOnly);
    const PhraseFileContents loaded = PhraseFile::read(input);
    if (loaded.entries.size() > qMax(0, loaded.declaredCount))
        std::abort();

    // Written back through the same stream format, the records must read
    // back unchanged.
    QByteArray bytes;
    {
        QBuffer output(&bytes);
        output.open(QIODevice::WriteOnly);
        QDataStream out(&output);
        out << qint32(loaded.entries.size());
        for (const PhraseEntry &entry : loaded.entries)
            out << entry.name << entry.count;
    }
    QBuffer again(&bytes);
    again.open(QIODevice::ReadOnly);
    const PhraseFileContents reloaded = PhraseFile::read(again);
    if (reloaded.entries.size() != loaded.entries.size() || reloaded.dataRanOut ||
        reloaded.trailingBytes != 0)
        std::abort();
    for (int i = 0; i < loaded.entries.size(); ++i) {
        const PhraseEntry &a = loaded.entries.at(i);
        const PhraseEntry &b = reloaded.entries.at(i);
        if (a.count != b.count || a.name != b.name || a.name.isNull() != b.name.isNull())
            std::abort();
    }
    return 0;
}
