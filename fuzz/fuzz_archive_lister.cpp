#include "media/archivelister.h"
#include "media/bytestream.h"

#include <cstddef>
#include <cstdint>

// Archives of every kind the scan looks into: the lister ends, keeps to its limits and gives
// no name that could climb out of the archive's folder.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MediaLimits limits;
    limits.maxArchiveEntries = 5000;
    EntryTree tree(limits.maxArchiveEntries + 1);
    MemoryStream in(data, qint64(size));
    ListArchive(in, tree, limits);
    if (tree.Count() > limits.maxArchiveEntries + 1)
        __builtin_trap();
    for (qsizetype i = 1; i < tree.Count(); ++i) {
        const QByteArray &name = tree.At(int(i)).native;
        if (name.isEmpty() || name == "." || name == ".." || name.contains('/'))
            __builtin_trap();
    }
    return 0;
}
