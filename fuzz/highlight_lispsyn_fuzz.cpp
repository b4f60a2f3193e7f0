#include "highlight/AutoLispSyn.h"
#include "highlight_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    tw::fuzz::CheckHighlighter<tw::TAutoLispSyn>(tw::fuzz::Language::Lisp, tw::AutoLispWordList(),
                                                 data, size);
    return 0;
}
