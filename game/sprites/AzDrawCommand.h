// One deferred drawing operation with its depth; greater depths are drawn first, behind.
#pragma once

class AzDrawCommand {
public:
    virtual ~AzDrawCommand() = default;
    // Draws into the back buffer; the objects it names must still be alive.
    virtual void Execute() = 0;

    bool LessDepth(const AzDrawCommand& other) const { return mDepth < other.mDepth; }
    bool SameDepth(const AzDrawCommand& other) const { return mDepth == other.mDepth; }
    float GetDepth() const { return mDepth; }

protected:
    explicit AzDrawCommand(float depth) : mDepth(depth) {}
    AzDrawCommand(const AzDrawCommand&) = delete;
    AzDrawCommand& operator=(const AzDrawCommand&) = delete;

    float mDepth;
};
