// The error reporter and the reference counting of Vellum objects.
#include "VlBase.h"
#include "VlError.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<VlResult> gSeen;
void Remember(VlResult code)
{
    gSeen.push_back(code);
}

class ReporterTest : public ::testing::Test {
protected:
    void SetUp() override { gSeen.clear(); }
    void TearDown() override
    {
        VlSetErrorHandler(nullptr);
        VlEnableErrorHandler();
        VlReportError(VlOk);
    }
};

TEST_F(ReporterTest, KeepsTheLastResultAndCallsTheHandlerOnlyWhileEnabled)
{
    EXPECT_EQ(VlReportError(ErrFileNotFound), ErrFileNotFound);
    EXPECT_EQ(VlGetLastError(), ErrFileNotFound);
    EXPECT_TRUE(gSeen.empty());

    EXPECT_EQ(VlSetErrorHandler(Remember), nullptr);
    VlReportError(ErrParam);
    VlDisableErrorHandler();
    EXPECT_FALSE(VlIsErrorHandlerEnabled());
    VlReportError(ErrFileEOF);
    VlEnableErrorHandler();
    VlReportError(VlOk);

    EXPECT_EQ(gSeen, (std::vector<VlResult>{ErrParam, VlOk}));
    EXPECT_EQ(VlGetLastError(), VlOk);
    EXPECT_EQ(VlSetErrorHandler(nullptr), &Remember);
}

class Counted : public Vl::Base {
public:
    explicit Counted(int* destroyed, bool releaseAgainWhenDestroyed = false)
        : Base(VlFourCC("test")), mDestroyed(destroyed), mReleaseAgain(releaseAgainWhenDestroyed)
    {
    }
    ~Counted() override
    {
        ++*mDestroyed;
        if (mReleaseAgain)
            mSecondRelease = Release();
    }
    static VlResult mSecondRelease;

private:
    int* mDestroyed;
    bool mReleaseAgain;
};
VlResult Counted::mSecondRelease = VlOk;

TEST(BaseTest, LastReleaseDestroysTheObjectOnce)
{
    int destroyed = 0;
    Counted* object = new Counted(&destroyed);
    EXPECT_EQ(object->RefCount(), 1u);
    EXPECT_EQ(object->AddRef(), 2u);
    EXPECT_EQ(object->Release(), VlOk);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(object->Release(), VlOk);
    EXPECT_EQ(destroyed, 1);
}

TEST(BaseTest, ReleaseOnACountOfZeroReportsInternalErrorAndDestroysNothing)
{
    int destroyed = 0;
    Counted* object = new Counted(&destroyed, true);
    object->Release();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Counted::mSecondRelease, ErrInternal);
}

} // namespace
