// Reference-counted base of every Vellum object.
#pragma once

#include "VlError.h"

#include <cstdint>

namespace Vl {

class Base {
public:
    virtual ~Base() = 0;
    virtual uint32_t AddRef();
    // Destroys the object when the count reaches 0; a release on a count of 0
    // reports "Fuck" and does nothing else.
    virtual VlResult Release();

    uint32_t RefCount() const;

protected:
    explicit Base(uint32_t classTag);

private:
    struct Counter {
        uint32_t references;
        uint32_t classTag;
    };
    Counter* mCounter;
};

} // namespace Vl
