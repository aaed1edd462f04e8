// libFuzzer target: the chart template reader on arbitrary bytes.
//
// Whatever the bytes, reading must end without a crash, a hang or an
// allocation beyond what the bytes could describe.
//
// With SORVEL_FUZZ_FULL=1 in the environment the run goes further, as the
// program does with a template it accepts: every block's and page's
// thumbnail is drawn (fonts, hence a GUI application on the offscreen platform), and
// an accepted template is written again and must read back, so everything
// the reader accepts is something the writer can store. The fonts alone
// take more memory than the reader's own limit, so that is a run of its own.

#include "charts/chartdocument.h"
#include "charts/chartrenderer.h"

#include <QBuffer>
#include <QDataStream>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace {

bool g_full = false;

int readTemplate(const QByteArray &bytes, ChartDocument &document)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    return document.read(stream);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    g_full = qEnvironmentVariableIntValue("SORVEL_FUZZ_FULL") == 1;
    if (g_full) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication application(*argc, *argv);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    ChartDocument document;
    if (readTemplate(bytes, document) != 0 || !g_full)
        return 0;
    refreshThumbnails(document, ChartDataContext());
    ChartDocument again;
    if (readTemplate(document.toBytes(), again) != 0)
        std::abort();
    return 0;
}
