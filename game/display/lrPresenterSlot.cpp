// The presenter the display shows its frames through; none by default.
#include "lrPresenter.h"

namespace {

lrPresenter* gPresenter = nullptr;

} // namespace

void lrSetPresenter(lrPresenter* presenter)
{
    gPresenter = presenter;
}

lrPresenter* lrGetPresenter()
{
    return gPresenter;
}
