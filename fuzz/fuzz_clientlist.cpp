// The batch client list: any bytes, read as a CSV file of clients. Every row
// it hands out is either refused with a reason and a line number, or a
// client with a full name and a real birth date; line numbers only grow.

#include "files/clientlist.h"
#include "fuzzcheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(ClientList::MAX_FILE_BYTES))
        return 0; // refused before reading, as the batch command does
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    ClientList list;
    if (!list.open(bytes)) {
        fuzzCheck(!list.headerError().isEmpty(), "a refused header says why");
        return 0;
    }
    ClientRow row;
    int lastLine = 1;
    while (list.next(row)) {
        fuzzCheck(row.line > lastLine, "each row starts on a later line than the one before");
        lastLine = row.line;
        if (!row.error.isEmpty())
            continue;
        fuzzCheck(!row.input.fullName.isEmpty(), "a client has a full name");
        fuzzCheck(row.input.birthDate.isValid(), "a client has a real birth date");
        fuzzCheck(row.input.partnerFullName.isEmpty() || row.input.partnerBirthDate.isValid(),
                  "a partner comes with a real birth date");
        fuzzCheck(row.input.petName.isEmpty() || row.input.petBirthDate.isValid(),
                  "a pet comes with a real birth date");
    }
    return 0;
}
