// Feeds arbitrary bytes to the DCL library as a DCL file (read, resolved and checked) and as an
// AutoLISP file; any crash, sanitizer report, hang or problem without a place is a finding.
#include "dcl/Checker.h"
#include "dcl/Document.h"

#include <cstdint>
#include <cstdlib>

namespace
{

void requirePlaced(const tw::dcl::Diagnostics &diagnostics)
{
    for (const tw::dcl::Diagnostic &d : diagnostics)
        if (d.where.line < 1 || d.where.column < 1 || d.message.isEmpty() || d.rule.isEmpty())
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = tw::dcl::decodeDclBytes(bytes);
    // Includes are looked for in a folder that does not exist, so no real file is read. A
    // smaller tile budget keeps each run short; the bound itself is what is exercised.
    tw::dcl::LoadOptions options;
    options.limits.maxTiles = 20000;
    const tw::dcl::Document document = tw::dcl::Document::fromText(
        text, QStringLiteral("/nonexistent-tilewright-fuzz/f.dcl"), options);
    requirePlaced(tw::dcl::checkDocument(document));
    requirePlaced(tw::dcl::checkLisp(text, QStringLiteral("f.lsp")));
    return 0;
}
