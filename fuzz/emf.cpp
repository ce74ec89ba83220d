// Feeds arbitrary bytes to cardwright's EMF reader and paints whatever it accepts.
#include "fuzzclip.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) { return fuzzclip::Init(argc, argv); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzzclip::Run(data, size, ClipPicture::Kind::Emf);
}
