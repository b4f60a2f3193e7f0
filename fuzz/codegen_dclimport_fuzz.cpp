#include "codegen/DclImport.h"
#include "dcl/Syntax.h"
#include "format/Error.h"
#include "tiles/DesignRoot.h"

#include <QApplication>
#include <cstddef>
#include <cstdint>

// A DCL file and the AutoLISP file beside it come from anywhere: neither may crash the import
// or make it build without bound. The AutoLISP text follows the first NUL byte, when there is one.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QString dcl = tw::dcl::decodeDclBytes(split < 0 ? bytes : bytes.left(split));
    std::optional<QString> lisp;
    if (split >= 0)
        lisp = tw::dcl::decodeDclBytes(bytes.mid(split + 1));
    try {
        tw::importDclText(dcl, QStringLiteral("fuzz.dcl"), lisp, QStringLiteral("fuzz.lsp"));
    } catch (const tw::TError &) {
    }
    return 0;
}
