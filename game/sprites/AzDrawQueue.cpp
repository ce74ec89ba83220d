// The depth-ordered draw queue.
#include "AzDrawQueue.h"

#include "AzDrawCommand.h"

#include <algorithm>

AzDrawQueue gDrawQueue;

namespace {

bool DrawsBefore(const AzDrawCommand* a, const AzDrawCommand* b)
{
    return a->LessDepth(*b);
}

} // namespace

AzDrawQueue::~AzDrawQueue()
{
    Clear();
}

void AzDrawQueue::push(AzDrawCommand* command)
{
    if (!command) return;
    mHeap.push_back(command);
    std::push_heap(mHeap.begin(), mHeap.end(), DrawsBefore);
}

AzDrawCommand* AzDrawQueue::top() const
{
    return mHeap.empty() ? nullptr : mHeap.front();
}

void AzDrawQueue::pop()
{
    if (mHeap.empty()) return;
    std::pop_heap(mHeap.begin(), mHeap.end(), DrawsBefore);
    mHeap.pop_back();
}

void AzDrawQueue::DrainAndExecute()
{
    // A command may push others while it executes; they join this same drain.
    while (!empty()) {
        AzDrawCommand* command = top();
        pop();
        command->Execute();
        delete command;
    }
}

void AzDrawQueue::Clear()
{
    for (AzDrawCommand* command : mHeap) delete command;
    mHeap.clear();
}
