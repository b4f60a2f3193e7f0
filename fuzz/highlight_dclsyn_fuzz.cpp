#include "highlight/DCLSyn.h"
#include "highlight_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    tw::fuzz::CheckHighlighter<tw::TDCLSyn>(tw::fuzz::Language::Dcl, tw::DCLWordList(), data, size);
    return 0;
}
