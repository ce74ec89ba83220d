// Reference counting shared by every Vellum object.
#include "VlBase.h"

namespace Vl {

Base::Base(uint32_t classTag) : mCounter(new Counter{1, classTag})
{
}

Base::~Base()
{
    delete mCounter;
    mCounter = nullptr;
}

uint32_t Base::AddRef()
{
    return ++mCounter->references;
}

VlResult Base::Release()
{
    // A count of 0 means the object is already being destroyed (a destructor
    // that releases its own object again); destroying it twice would corrupt memory.
    if (mCounter->references == 0)
        return VlReportError(ErrInternal);
    if (--mCounter->references == 0)
        delete this;
    return VlReportError(VlOk);
}

uint32_t Base::RefCount() const
{
    return mCounter->references;
}

} // namespace Vl
