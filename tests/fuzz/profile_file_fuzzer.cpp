// Any bytes read as a profile file must parse without failing, and the image
// written back must read back to the same sections, keys and values.
#include "settings/profile_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ProfileFile first;
    first.parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QByteArray written = first.text();

    ProfileFile second;
    second.parse(written);
    if (second.text() != written || second.sections() != first.sections()) {
        std::abort();
    }
    for (const QString& section : first.sections()) {
        for (const QString& key : first.keys(section)) {
            if (second.value(section, key) != first.value(section, key)) {
                std::abort();
            }
            // Writing a value read back must keep it unchanged.
            second.setValue(section, key, first.value(section, key));
            if (second.value(section, key) != first.value(section, key)) {
                std::abort();
            }
        }
    }
    return 0;
}
